#pragma once

#include <string_view>

// Every text an operator or a player reads, in Japanese, each once. The core and both platform
// layers take their words from here, so a wording is changed in one place and no internal name
// reaches a person. Texts are grouped by where they appear.
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
inline constexpr std::string_view kCardCodePlaceholder = "カード番号（例 KT7QX-0137）";
inline constexpr std::string_view kCardUsage =
    "使い方: palvo --cards 枚数 [--max 最大値] [--set 組] (--csv ファイル | --pdf ファイル)";

}  // namespace palvo::texts
