#pragma once

#include <string_view>

// Every text an operator or a player reads, in Japanese, each once. The core and both platform
// layers take their words from here, so a wording is changed in one place and no internal name
// reaches a person. Texts are grouped by where they appear. {1}, {2} mark where a message takes a
// value (texts/fill_in.h); a text without them is shown as it is.
namespace palvo::texts {
// Bingo cards: printing, the card check, its verdict and the record of claims.
inline constexpr std::string_view kCardNumMaxTooLow = "最大値が 25 より小さいゲームにはカードを作れません。";
inline constexpr std::string_view kCardKeyUnreadable =
    "カードの鍵ファイル (palvo-cards.key) を読めません。カードの印刷と確認はできません。"
    "バックアップから元の鍵ファイルを戻してください。";
inline constexpr std::string_view kCardKeyNotWritten =
    "カードの鍵ファイル (palvo-cards.key) を作れません。カードの印刷と確認はできません。";
inline constexpr std::string_view kCardMistyped = "カード番号が正しくありません。もう一度入力してください。";
inline constexpr std::string_view kCardNotOurs = "このパソコンで作ったカードではありません。";
inline constexpr std::string_view kCardOtherNumMaxPrefix = "最大値 ";
inline constexpr std::string_view kCardOtherNumMaxSuffix =
    " のゲームのカードです。今のゲームのカードではありません。";
inline constexpr std::string_view kCardBingo = "ビンゴ！";
inline constexpr std::string_view kCardNotYet = "まだビンゴではありません";
inline constexpr std::string_view kCardReachPrefix = "（リーチ ";
inline constexpr std::string_view kCardReachSuffix = "）";
inline constexpr std::string_view kCardRowPrefix = "横 ";
inline constexpr std::string_view kCardRowSuffix = " 行目";
inline constexpr std::string_view kCardColumnPrefix = "縦 ";
inline constexpr std::string_view kCardColumnSuffix = " 列";
inline constexpr std::string_view kCardFallingDiagonal = "斜め（左上から）";
inline constexpr std::string_view kCardRisingDiagonal = "斜め（左下から）";
inline constexpr std::string_view kCardListSeparator = "、";
inline constexpr std::string_view kCardSentenceSeparator = " ・ ";
inline constexpr std::string_view kCardCompletedMiddle = " 個目の ";
inline constexpr std::string_view kCardCompletedSuffix = " で成立";
inline constexpr std::string_view kCardFourCorners = "四隅";
inline constexpr std::string_view kCardFullCard = "全部そろい";
inline constexpr std::string_view kCardWordMistyped = "入力誤り";
inline constexpr std::string_view kCardWordNotOurs = "他のカード";
inline constexpr std::string_view kCardWordOtherNumMax = "別の最大値";
inline constexpr std::string_view kCardWordBingo = "ビンゴ";
inline constexpr std::string_view kCardWordNotYet = "まだ";
inline constexpr std::string_view kClaimsHeader = "時刻,カード番号,判定,呼んだ数";
inline constexpr std::string_view kCardCountInvalid = "カードの枚数は 1 から 10000 までです。";
inline constexpr std::string_view kCardFileNotWritten = "カードのファイルを書けません: ";
inline constexpr std::string_view kClaimNotRecorded =
    "確認の記録 (palvo-claims.csv) を書けませんでした。判定は表示のとおりです。";
inline constexpr std::string_view kCardCheckTitle = "カード確認";
inline constexpr std::string_view kCardCodePlaceholder = "例 KT7QX-0137";
inline constexpr std::string_view kCardUsage =
    "使い方: palvo --cards 枚数 [--max 最大値] [--set 組] (--csv ファイル | --pdf ファイル)";

// Every message box of both programs: its title and its buttons (Qt; Windows names its own).
inline constexpr std::string_view kMessageBoxTitle = "Palvo";
inline constexpr std::string_view kOkButton = "OK";
inline constexpr std::string_view kYesButton = "はい(&Y)";
inline constexpr std::string_view kNoButton = "いいえ(&N)";

// The operator's window: its caption and buttons. The test controls lie out of view.
inline constexpr std::string_view kMainWindowCaption = "PALVO  ~パルボ~";
inline constexpr std::string_view kStartButton = "スタート";
inline constexpr std::string_view kResetButton = "リセット";
// The button and the dialog it opens.
inline constexpr std::string_view kSettings = "設定";
inline constexpr std::string_view kTimerOnButton = "セット";
inline constexpr std::string_view kBareBackgroundButton = "初期化";
inline constexpr std::string_view kTimerOffButton = "停止";
inline constexpr std::string_view kProbeButton = "Command4";  // never visible
// After the probe's time in milliseconds.
inline constexpr std::string_view kMillisecondsSuffix = " msec";

// While playing, in the operator's window.
inline constexpr std::string_view kResetQuestion = "リセットします。よろしいですか？";
inline constexpr std::string_view kGameCompleteNotice = "サイシュウパルボデス！ オツカレサマデシタ．";
inline constexpr std::string_view kNumMaxNextGameNotice =
    "最大値の変更は、次のゲーム（リセットの後）から有効になります。";

// Starting and closing the program. {1}: the settings file or folder.
inline constexpr std::string_view kSettingsTooLarge =
    "設定ファイルを読み込めませんでした。\n{1}\n\n"
    "既定の設定で起動します。このファイルは書き換えられません。";
inline constexpr std::string_view kCloseWriteFailure =
    "設定ファイルに書き込めませんでした。\n{1}\n\n今回の設定は保存されずに終了します。";
inline constexpr std::string_view kAlreadyRunning =
    "パルボはこの設定フォルダーですでに起動しています。\n{1}\n\n"
    "起動中のウィンドウを使ってください。同じフォルダーで二つ同時には動かせません。";
// {1}: the longest folder allowed in bytes; {2}: kProgramFolderShown when the folder is known.
inline constexpr std::string_view kProgramFolderTooLong =
    "パルボのフォルダーの場所が長すぎるため、起動できません（{1} バイトまで）。{2}\n\n"
    "パルボのフォルダーをもっと浅い場所に移してから起動してください。";
// {1}: the folder's beginning; {2}: its length in bytes.
inline constexpr std::string_view kProgramFolderShown = "\n{1}…（{2} バイト）";
// {1}: the folder, its unreadable bytes as "?".
inline constexpr std::string_view kProgramFolderUnreadable =
    "パルボのフォルダーの場所に、文字として読めない名前"
    "（UTF-8 でない名前）があるため、起動できません。\n"
    "{1}（読めない部分は ? で示しています）\n\n"
    "パルボのフォルダーを日本語や英数字の名前のフォルダーに移すか、"
    "フォルダーの名前を付け直してから起動してください。";

// The game kept for the next start, and the games' history: at start-up and after a draw.
// {1}: the numbers drawn.
inline constexpr std::string_view kResumeQuestion = "前回のゲームの続きから始めますか？ ({1} 個抽選済み)";
inline constexpr std::string_view kJournalSaveFailed =
    "ゲームの記録（palvo-game.txt）を保存できません。"
    "抽選は続けられますが、異常終了したときは続きから始められません。";
inline constexpr std::string_view kHistoryNotWritten =
    "ゲームの履歴（palvo-history.csv）に書き込めません。終わったゲームは "
    "palvo-history-pending.csv に残し、履歴に書き込めるようになったときに移します。";
inline constexpr std::string_view kGameNotKept =
    "終わったゲームを、ゲームの履歴（palvo-history.csv）にも palvo-history-pending.csv "
    "にも書き込めませんでした。";
// {1}: kKeptAside or kLeftInPlace.
inline constexpr std::string_view kJournalDamaged =
    "前回のゲームの記録（palvo-game.txt）が壊れているため、続きから始められません。"
    "新しいゲームを始めます。{1}";
inline constexpr std::string_view kJournalUnreadable =
    "前回のゲームの記録（palvo-game.txt）を読めません。新しいゲームを始めます。{1}";
// {1}: kDamagedRecord or kUnreadableRecord; {2}: the name it was moved to.
inline constexpr std::string_view kKeptAside = "\n{1}は {2} として残しました。";
inline constexpr std::string_view kLeftInPlace =
    "\n{1}は palvo-game.txt のまま残します。これを移すか消すまで、抽選は記録されません。";
inline constexpr std::string_view kDamagedRecord = "壊れた記録";
inline constexpr std::string_view kUnreadableRecord = "読めなかった記録";
inline constexpr std::string_view kJournalNotAFile =
    "palvo-game.txt という名前の、ファイルではないもの（フォルダーやリンク）があります。"
    "パルボのものではないため、そのままにします。これがある間、抽選は記録されません。";

// Preparing the pictures: at start-up, after the settings dialog, and a picture chosen there.
inline constexpr std::string_view kNumBarFailed = "Error (SetNumBarBmp) : 数値用バーBmpの取得に失敗しました";
inline constexpr std::string_view kHistNumBarFailed =
    "Error (SetHistNumBmp) : 履歴数値用バーBmpの取得に失敗しました";
inline constexpr std::string_view kBackgroundWarning = "背景画像の取得ができませんでした。";
inline constexpr std::string_view kStandardBackgroundNote = "\n標準の背景画像を表示します。";
inline constexpr std::string_view kHistCellWarning = "履歴数値Bmpの取得ができませんでした。";

// The settings dialog's controls; its caption is kSettings.
inline constexpr std::string_view kBackgroundGroup = "背景イメージ";
inline constexpr std::string_view kSelectPictureButton = "イメージ画像を選択";
inline constexpr std::string_view kPictureHint = "* 800 x 600   bmp, jpg, gif";
inline constexpr std::string_view kDigitGroup = "数字";
inline constexpr std::string_view kNumMaxCaption = "最大値";
inline constexpr std::string_view kColorCaption = "色";
inline constexpr std::string_view kSelectColorButton = "色を選択";
inline constexpr std::string_view kSizeCaption = "大きさ";
inline constexpr std::string_view kSizeSmall = "小";
inline constexpr std::string_view kSizeMedium = "中";
inline constexpr std::string_view kSizeLarge = "大";
inline constexpr std::string_view kPositionCaption = "位置";
inline constexpr std::string_view kPositionUpperLeft = "左上";
inline constexpr std::string_view kPositionUpperRight = "右上";
inline constexpr std::string_view kPositionLowerLeft = "左下";
inline constexpr std::string_view kPositionLowerRight = "右下";
inline constexpr std::string_view kPositionCentre = "真ん中";
inline constexpr std::string_view kRhythmGroup = "リズム回数";
inline constexpr std::string_view kRhythmFastCaption = "開始後";
inline constexpr std::string_view kRhythmSlowCaption = "停止前";
inline constexpr std::string_view kCountDownButton = "<";
inline constexpr std::string_view kCountUpButton = ">";
inline constexpr std::string_view kSaveSettingsButton = "設定を保存する";
inline constexpr std::string_view kCloseButton = "閉じる";

// The settings dialog's messages. A refused highest number reads kNumMaxLabel, then the reason.
inline constexpr std::string_view kNumMaxLabel = "数字 最大値";
inline constexpr std::string_view kBlankValue = " 設定値が空白です。";
inline constexpr std::string_view kNotANumber = " 数値を入力してください。";
inline constexpr std::string_view kValueDoesNotFit = " 設定値が不正です。  (許容範囲エラー)";
// Followed by the lower bound, kRangeSeparator and the upper bound ("*" for none).
inline constexpr std::string_view kOutOfRange = " 設定範囲を超えています。   range : ";
inline constexpr std::string_view kRangeSeparator = "～";  // U+FF5E, full-width tilde
inline constexpr std::string_view kRhythmOrder =
    "リズム回数を設定し直してください。\n"
    "「開始後」の回数は「停止前」の回数より大きくしてください。";
// {1}: the settings file.
inline constexpr std::string_view kSaveWriteFailure =
    "設定ファイルに書き込めませんでした。\n{1}\n\n"
    "変更した設定はこのまま使われますが、ファイルには保存されていません。";
// {1}: the characters the file cannot keep; {2}: the picture's path.
inline constexpr std::string_view kPictureNameUnstorable =
    "この画像は選べません。ファイルの場所に、"
    "設定ファイル（palvo.ini）に保存できない文字があります: 「{1}」\n{2}\n\n"
    "日本語と英数字だけの名前のフォルダーに画像を置くか、"
    "フォルダーやファイルの名前を変えてから、選び直してください。";
// {1}: the picture's path.
inline constexpr std::string_view kPicturePathTooLong =
    "この画像は選べません。ファイルの場所が長すぎて、"
    "設定ファイル（palvo.ini）に保存できません（255 バイトまで）。\n{1}\n\n"
    "もっと短い場所のフォルダーに画像を置いてから、選び直してください。";

// The file dialog for the background picture: its one entry (the patterns follow it).
inline constexpr std::string_view kPictureFileFilter = "画像ファイル (*.bmp;*.gif;*.jpg)";

// The players' window: its title.
inline constexpr std::string_view kAudienceWindowTitle = "PALVO ～表示～";

// The operator's panel (操作パネル), its messages and questions, and the history file's mark.
inline constexpr std::string_view kPanelTitle = "操作パネル";
inline constexpr std::string_view kPanelManualEntry = "手動入力";
inline constexpr std::string_view kPanelNumberLabel = "番号(&B):";
inline constexpr std::string_view kPanelShow = "表示(&H)";
inline constexpr std::string_view kPanelWithRoll = "演出あり(&E)";
inline constexpr std::string_view kPanelTakeBackGroup = "取り消し";
inline constexpr std::string_view kPanelTakeBack = "最新の番号を取り消す(&T)";
inline constexpr std::string_view kPanelAutoGroup = "自動";
inline constexpr std::string_view kPanelAuto = "自動で抽選する(&A)";
inline constexpr std::string_view kPanelInterval = "間隔（秒）(&K):";
inline constexpr std::string_view kPanelClose = "閉じる(&C)";
inline constexpr std::string_view kEntryEmpty = "番号を入力してください。";
inline constexpr std::string_view kEntryNotANumber = "番号は数字だけで入力してください。";
// Both followed by the number and the ending.
inline constexpr std::string_view kEntryRangeLead = "番号は 1 から ";
inline constexpr std::string_view kEntryRangeTail = " までです。";
inline constexpr std::string_view kEntryAlreadyCalledTail = " はもう出ています。";
inline constexpr std::string_view kEntryShownTail = " を表示しました。";
inline constexpr std::string_view kEntryWhileDrawing = "抽選中は入力や取り消しができません。";
inline constexpr std::string_view kTakeBackQuestionTail = " を取り消しますか？";
inline constexpr std::string_view kTakeBackDoneTail = " を取り消しました。";
inline constexpr std::string_view kTakeBackNothing = "取り消す番号がありません。";
inline constexpr std::string_view kAutoOff = "自動抽選は止まっています。";
inline constexpr std::string_view kAutoCountdownLead = "次の抽選まで ";
inline constexpr std::string_view kAutoCountdownTail = " 秒";
inline constexpr std::string_view kAutoPaused = "自動抽選は一時停止中です。";
inline constexpr std::string_view kAutoStoppedByOperator = "スタートが押されたので自動抽選を止めました。";
inline constexpr std::string_view kAutoStoppedAtEnd = "ゲームが終わったので自動抽選を止めました。";
inline constexpr std::string_view kAutoStoppedByReset = "リセットしたので自動抽選を止めました。";
inline constexpr std::string_view kHistoryTakenBackMark = "(取消)";

// The players' web page and the streaming overlay, served to phones and browsers (web/).
inline constexpr std::string_view kWebPageTitle = "パルボ　ビンゴ";
inline constexpr std::string_view kWebWaiting = "接続中…";
inline constexpr std::string_view kWebCurrentNumber = "いまの番号";
inline constexpr std::string_view kWebRecentNumbers = "最近の5つ";
inline constexpr std::string_view kWebBoard = "出た番号";
inline constexpr std::string_view kWebGameOver = "終了";
inline constexpr std::string_view kWebCardHeading = "あなたのカード";
inline constexpr std::string_view kWebCardCodeLabel = "カード番号";
inline constexpr std::string_view kWebCardShow = "表示";
inline constexpr std::string_view kWebCardForget = "別のカード";
inline constexpr std::string_view kWebCardNotFound = "このカード番号は見つかりません";
inline constexpr std::string_view kWebCardFree = "FREE";
inline constexpr std::string_view kWebBingo = "ビンゴ？";
inline constexpr std::string_view kWebBingoNote = "係の確認をお待ちください";

// The operator's notices about the players' web service (the main window, the command line).
inline constexpr std::string_view kWebCannotStart =
    "スマホ表示を開始できませんでした。\n使えるポート番号がありません（ほかのプログラムが使用中です）。";
inline constexpr std::string_view kWebBadPort = "--web=ポート番号 には 1～65535 の数を指定してください。";
inline constexpr std::string_view kWebStarted = "スマホ表示: ";

// The operator's panel: the sections for cards and the players' phones.
inline constexpr std::string_view kPanelCardPrintTitle = "カード印刷";
inline constexpr std::string_view kPanelCardCount = "枚数:";
inline constexpr std::string_view kPanelCardNumMax = "最大値:";
inline constexpr std::string_view kPanelCardPrint = "印刷(&P)...";
inline constexpr std::string_view kPanelCardCode = "カード番号(Ctrl+K):";
inline constexpr std::string_view kPanelWebTitle = "スマホ表示";
inline constexpr std::string_view kPanelWebOn = "スマホ表示を開始する(F6)";
inline constexpr std::string_view kPanelWebOff = "（停止中）";
inline constexpr std::string_view kPanelCardProof = "会場に表示(&V)";
inline constexpr std::string_view kCardProofNoHall =
    "会場の表示が開いていません。\nメイン画面で F5 を押して開いてから、もう一度表示してください。";
inline constexpr std::string_view kCardProofNoCard = "会場に表示するカードがありません。先にカード番号を確認してください。";

}  // namespace palvo::texts
