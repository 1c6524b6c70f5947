#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLocale>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <set>

#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_common_dialogs.h"
#include "platform/qt/qt_entropy.h"
#include "platform/qt/qt_message_boxes.h"
#include "platform/qt/qt_sound.h"
#include "platform/qt/qt_termination_signal.h"
#include "tests/qt/qt_test_application.h"

namespace palvo {
namespace {

// What a shown box looked like, and the key that closed it.
struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QStringList captions;
    QRect frame;
};

// Answers the next message box with `key` once it is on screen, recording what it showed;
// Qt::Key_Close stands for the title bar's close box.
void AnswerNextBox(SeenBox& seen, Qt::Key key)
{
    QTimer::singleShot(0, [&seen, key] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            AnswerNextBox(seen, key);
            return;
        }
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttons = box->standardButtons();
        for (QAbstractButton* button : box->buttons()) {
            seen.captions.append(button->text());
        }
        seen.captions.sort();
        seen.frame = box->frameGeometry();
        if (key == Qt::Key_Close) {
            box->close();
        } else {
            QTest::keyClick(box, key);
        }
    });
}

TEST(MessageBoxesTest, BoxesAreTitledPalvoWithTheStylesButtonsAndAnswers)
{
    TestApplication();
    const struct {
        MessageStyle style;
        Qt::Key key;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        MessageAnswer answer;
        QStringList captions;
    } cases[] = {
        {MessageStyle::Warning, Qt::Key_Return, QMessageBox::Warning, QMessageBox::Ok, MessageAnswer::Ok,
         {"OK"}},
        {MessageStyle::Notice, Qt::Key_Escape, QMessageBox::Information, QMessageBox::Ok, MessageAnswer::Ok,
         {"OK"}},
        {MessageStyle::Notice, Qt::Key_Close, QMessageBox::Information, QMessageBox::Ok, MessageAnswer::Ok,
         {"OK"}},
        {MessageStyle::Question, Qt::Key_Return, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
         MessageAnswer::Yes, {"いいえ(&N)", "はい(&Y)"}},
        {MessageStyle::Question, Qt::Key_N, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
         MessageAnswer::No, {"いいえ(&N)", "はい(&Y)"}},
        // Closing the question chooses nothing: never taken for a No.
        {MessageStyle::Question, Qt::Key_Escape, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
         MessageAnswer::Closed, {"いいえ(&N)", "はい(&Y)"}},
        {MessageStyle::Question, Qt::Key_Close, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
         MessageAnswer::Closed, {"いいえ(&N)", "はい(&Y)"}},
    };
    QtMessageBoxes boxes;
    for (const auto& each : cases) {
        SCOPED_TRACE(static_cast<int>(each.style));
        SeenBox seen;
        AnswerNextBox(seen, each.key);
        EXPECT_EQ(boxes.Show("ゲームをリセットしますか？", each.style), each.answer);
        EXPECT_EQ(seen.title, QStringLiteral("Palvo"));
        EXPECT_EQ(seen.text, QStringLiteral("ゲームをリセットしますか？"));
        EXPECT_EQ(seen.icon, each.icon);
        EXPECT_EQ(seen.buttons, each.buttons);
        QStringList captions = each.captions;
        captions.sort();
        EXPECT_EQ(seen.captions, captions);
    }
}

TEST(MessageBoxesTest, BoxesOpenCentredOverTheirOwnerWhereverItStands)
{
    TestApplication();
    QWidget owner;
    QtMessageBoxes boxes;
    boxes.SetOwner(&owner);
    for (const QRect place : {QRect(10, 20, 800, 630), QRect(200, 40, 400, 300)}) {
        owner.setGeometry(place);
        owner.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
        SeenBox seen;
        AnswerNextBox(seen, Qt::Key_Escape);
        static_cast<void>(boxes.Show("前回のゲームの続きから始めますか？", MessageStyle::Question));
        const QPoint offset = seen.frame.center() - owner.frameGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 2) << place.x() << "," << place.y();
    }
}

TEST(CommonDialogsTest, ThePictureChooserOpensBesideThePictureInUse)
{
    TestApplication();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString picture = folder.filePath(QStringLiteral("hall.jpg"));
    QFile(picture).open(QIODevice::WriteOnly);
    QtCommonDialogs dialogs;
    QString shownFolder;
    QTimer::singleShot(0, [&shownFolder] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            shownFolder = dialog->directory().absolutePath();
            dialog->reject();
        }
    });
    EXPECT_FALSE(dialogs.SelectImageFile(picture.toStdString()));
    EXPECT_EQ(shownFolder, QDir(folder.path()).absolutePath());
}

TEST(JapaneseTextsTest, StandardDialogsSpeakJapaneseWhateverTheSystemLanguage)
{
    TestApplication();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QtCommonDialogs dialogs;
    const struct {
        const char* context;
        const char* text;
    } texts[] = {{"QFileDialog", "Look in:"},       {"QFileDialog", "File &name:"},
                 {"QColorDialog", "Select Color"},  {"QPlatformTheme", "Open"},
                 {"QPlatformTheme", "Cancel"}};
    for (const auto& each : texts) {
        const QString translated = QCoreApplication::translate(each.context, each.text);
        EXPECT_NE(translated, QString::fromUtf8(each.text)) << each.context << " " << each.text
                                                            << " (is qt6-translations-l10n installed?)";
    }
}

// A session that ends the program must not wait on a person: the signal closes the open box as
// cancelled (Closed for the question), and every box or dialog opened afterwards as well.
TEST(TerminationSignalTest, SignalClosesOpenAndLaterBoxesAsCancelled)
{
    TestApplication();
    int calls = 0;
    QtTerminationSignal termination([&calls] { ++calls; });
    ASSERT_TRUE(termination.Installed());
    QTimer::singleShot(50, [] { ::raise(SIGTERM); });
    QtMessageBoxes boxes;
    EXPECT_EQ(boxes.Show("ゲームをリセットしますか？", MessageStyle::Question), MessageAnswer::Closed);
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(termination.Received());

    EXPECT_EQ(boxes.Show("すべての数字が出ました。", MessageStyle::Notice), MessageAnswer::Ok);
    QDialog dialog;
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_EQ(calls, 1);
}

TEST(SoundTest, PlayingReturnsAtOnceAndAMissingFileIsSilent)
{
    TestApplication();
    QtSound sound;
    QElapsedTimer elapsed;
    elapsed.start();
    sound.Beep();
    sound.PlayAsync("/nonexistent/wav/none.WAV");
    sound.PlayAsync(PALVO_SOURCE_DIR "/resources/wav/ユートピア - Windows の終了.WAV");
    // A second draw's sound replaces the first.
    sound.PlayAsync(PALVO_SOURCE_DIR "/resources/wav/ユートピア - Windows の終了.WAV");
    sound.PlayAsync("");
    // The chime lasts 1.2 s; none of the calls may wait for it.
    EXPECT_LT(elapsed.elapsed(), 1000);
}

TEST(SoundTest, BeepIsAShortSoftEdgedToneInAWaveFileAnyPlayerReads)
{
    const QByteArray wave = QtSound::BeepWave();
    const auto field = [&wave](int offset, int size) {
        std::uint32_t value = 0;
        for (int i = size - 1; i >= 0; --i) {
            value = (value << 8) | static_cast<std::uint8_t>(wave[offset + i]);
        }
        return value;
    };
    ASSERT_GT(wave.size(), 44);
    EXPECT_EQ(wave.left(4), "RIFF");
    EXPECT_EQ(field(4, 4), static_cast<std::uint32_t>(wave.size() - 8));
    EXPECT_EQ(wave.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(field(20, 2), 1u) << "PCM";
    EXPECT_EQ(field(22, 2), 1u) << "mono";
    EXPECT_EQ(field(34, 2), 16u) << "bits";
    EXPECT_EQ(wave.mid(36, 4), "data");
    EXPECT_EQ(field(40, 4), static_cast<std::uint32_t>(wave.size() - 44));
    const double milliseconds = (wave.size() - 44) / 2.0 * 1000.0 / field(24, 4);
    EXPECT_GE(milliseconds, 20.0);
    EXPECT_LT(milliseconds, 60.0) << "longer than a roll step";
    const auto sample = [&](int i) { return static_cast<std::int16_t>(field(44 + 2 * i, 2)); };
    const int count = (wave.size() - 44) / 2;
    int loudest = 0;
    for (int i = 0; i < count; ++i) {
        loudest = std::max(loudest, std::abs(static_cast<int>(sample(i))));
    }
    EXPECT_GT(loudest, 5000) << "audible";
    EXPECT_LT(std::abs(static_cast<int>(sample(0))) + std::abs(static_cast<int>(sample(count - 1))), 200)
        << "no click at either end";
}

TEST(EntropyTest, SeedsDifferFromCallToCall)
{
    QtEntropy entropy;
    std::set<std::uint64_t> seeds;
    for (int i = 0; i < 100; ++i) {
        seeds.insert(entropy.FreshSeed());
    }
    EXPECT_EQ(seeds.size(), 100U);
}

TEST(ClockTest, CountsMillisecondsForward)
{
    QtClock clock;
    const std::uint32_t start = clock.TickCount();
    QTest::qSleep(30);
    const std::uint32_t elapsed = clock.TickCount() - start;
    EXPECT_GE(elapsed, 29U);
    EXPECT_LT(elapsed, 5000U);
}

}  // namespace
}  // namespace palvo
