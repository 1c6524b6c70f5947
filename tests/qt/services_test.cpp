#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <set>

#include "platform/qt/qt_clock.h"
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
};

// Answers the next message box with `key` once it is on screen, recording what it showed.
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
        QTest::keyClick(box, key);
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
    } cases[] = {
        {MessageStyle::Warning, Qt::Key_Return, QMessageBox::Warning, QMessageBox::Ok, MessageAnswer::Ok},
        {MessageStyle::Notice, Qt::Key_Escape, QMessageBox::Information, QMessageBox::Ok, MessageAnswer::Ok},
        {MessageStyle::Question, Qt::Key_Return, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
         MessageAnswer::Yes},
        {MessageStyle::Question, Qt::Key_Escape, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
         MessageAnswer::No},
        {MessageStyle::Question, Qt::Key_N, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
         MessageAnswer::No},
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
    }
}

// A session that ends the program must not wait on a person: the signal closes the open box as
// cancelled (No for the question), and every box or dialog opened afterwards as well.
TEST(TerminationSignalTest, SignalClosesOpenAndLaterBoxesAsCancelled)
{
    TestApplication();
    int calls = 0;
    QtTerminationSignal termination([&calls] { ++calls; });
    ASSERT_TRUE(termination.Installed());
    QTimer::singleShot(50, [] { ::raise(SIGTERM); });
    QtMessageBoxes boxes;
    EXPECT_EQ(boxes.Show("ゲームをリセットしますか？", MessageStyle::Question), MessageAnswer::No);
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
