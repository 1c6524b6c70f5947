// The operator's panel on Qt widgets with the whole core behind it: keys typed into the real
// panel, the operator's window, the journal and the players' state following every step.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <string>
#include <vector>

#include "app/operator_panel.h"
#include "draw/game_journal.h"
#include "draw/game_state.h"
#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_entropy.h"
#include "platform/qt/qt_environment.h"
#include "platform/qt/qt_event_pump.h"
#include "platform/qt/qt_main_window_view.h"
#include "platform/qt/qt_operator_panel.h"
#include "tests/qt/qt_test_application.h"
#include "tests/qt/shipped_pictures.h"

namespace palvo {
namespace {

class AnsweringMessageBoxes : public MessageBoxes {
public:
    MessageAnswer Show(std::string_view text, MessageStyle style) override
    {
        shown.emplace_back(text);
        styles.push_back(style);
        return IsQuestion(style) ? MessageAnswer::Yes : MessageAnswer::Ok;
    }
    std::vector<std::string> shown;
    std::vector<MessageStyle> styles;
};

class SilentSound : public Sound {
public:
    void Beep() override {}
    void PlayAsync(const std::string&) override { ++chimes; }
    int chimes = 0;
};

class NoSettingsDialog : public SettingsDialogHost {
public:
    void RunSettingsDialog(CConfig&) override {}
};

// The panel's clock at ten times the speed: five seconds of calling take half a second.
class FastClock : public Clock {
public:
    std::uint32_t TickCount() override { return real_.TickCount() * 10U; }

private:
    QtClock real_;
};

class QtPanelTest : public testing::Test {
protected:
    QApplication& application_ = TestApplication();

    void SetUp() override
    {
        ASSERT_TRUE(directory_.isValid());
        ASSERT_NO_FATAL_FAILURE(CopyShippedPictures(directory_.path()));
        QFile ini(directory_.filePath(QStringLiteral("palvo.ini")));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[PALVO]\r\nNumMax=40\r\nRhythmFast=5\r\nRhythmSlow=1\r\n");
        ini.close();
        view_ = std::make_unique<QtMainWindowView>(environment_);
        window_ = std::make_unique<MainWindow>(*view_, services_);
        ASSERT_TRUE(window_->FormLoad());
        window_->AddListener(state_);
        panelWindow_ = std::make_unique<QtOperatorPanel>(view_->Window());
        panel_ = std::make_unique<OperatorPanel>(*panelWindow_, *window_, messages_, fastClock_,
                                                 directory_.path().toStdString());
        window_->AddListener(*panel_);
        window_->SetStartObserver([this] { panel_->OnOperatorStart(); });
        AddPanelKey(view_->Window(), [this] { panel_->Toggle(); });
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view_->Window()));
    }
    void TearDown() override
    {
        panel_.reset();
        panelWindow_.reset();
        window_->SetStartObserver(nullptr);
        view_->Window().close();
        window_.reset();
        view_.reset();
    }

    template <typename Widget>
    Widget* Find(const char* name)
    {
        return panelWindow_->findChild<Widget*>(QString::fromLatin1(name));
    }
    QString FocusName() const
    {
        return QApplication::focusWidget() != nullptr ? QApplication::focusWidget()->objectName() : QString();
    }
    void Type(const QString& text)
    {
        QLineEdit* field = Find<QLineEdit>("txtNumber");
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }
    std::vector<std::int16_t> Listed() const
    {
        std::vector<std::int16_t> numbers;
        auto* list = qobject_cast<QListWidget*>(view_->Widget(Control::lstHistory));
        for (int i = 0; i < list->count(); ++i) {
            const QString item = list->item(i)->text();
            numbers.push_back(static_cast<std::int16_t>(item.mid(item.indexOf(u':') + 1).trimmed().toInt()));
        }
        return numbers;
    }
    std::vector<std::int16_t> Journal() const
    {
        QFile file(directory_.filePath(QStringLiteral("palvo-game.txt")));
        if (!file.open(QIODevice::ReadOnly)) {
            return {};
        }
        return ParseJournal(file.readAll().toStdString()).game.numbers;
    }
    void ExpectAgreement(const char* when)
    {
        EXPECT_EQ(Listed(), state_.Snapshot()->called) << when;
        EXPECT_EQ(Listed(), Journal()) << when;
    }

    QTemporaryDir directory_;
    QtEnvironment environment_{directory_.path().toStdString(), 15.0};
    QtClock clock_;
    FastClock fastClock_;
    QtEventPump pump_;
    AnsweringMessageBoxes messages_;
    SilentSound sound_;
    QtEntropy entropy_;
    NoSettingsDialog settings_;
    PlatformServices services_{clock_, pump_, messages_, sound_, environment_, entropy_, settings_};
    GameStatePublisher state_;
    std::unique_ptr<QtMainWindowView> view_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<QtOperatorPanel> panelWindow_;
    std::unique_ptr<OperatorPanel> panel_;
};

TEST_F(QtPanelTest, AHallNightWithABallMachineByKeyboardOnly)
{
    view_->Window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view_->Window()));
    panel_->Toggle();
    ASSERT_TRUE(panelWindow_->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(panelWindow_.get()));
    // The offscreen platform hands activation back to the window that had the key; a window
    // manager gives it to the new window.
    panelWindow_->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == panelWindow_.get(); }));
    EXPECT_EQ(FocusName(), QStringLiteral("txtNumber"));
    EXPECT_EQ(panelWindow_->windowTitle(), QStringLiteral("操作パネル"));

    // Tab reaches every control in reading order and comes back round.
    std::vector<QString> order;
    for (int i = 0; i < 8; ++i) {
        order.push_back(FocusName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(order, (std::vector<QString>{"txtNumber", "cmdShow", "chkWithRoll", "chkAuto", "spnInterval",
                                           "cmdClose", "txtNumber", "cmdShow"}))
        << "取り消し is skipped while nothing is drawn";
    Find<QLineEdit>("txtNumber")->setFocus();

    const int numbers[] = {12, 5, 33, 40, 1, 27, 8,  19, 22, 36, 3, 14, 29, 9, 38,
                           17, 2, 25, 31, 6, 11, 39, 20, 15, 34, 4, 24, 30, 7, 16};
    const struct {
        int after;  // typed after this many numbers
        const char* text;
        const char* message;
    } invalid[] = {{0, "", "番号を入力してください。"},
                   {3, "0", "番号は 1 から 40 までです。"},
                   {7, "41", "番号は 1 から 40 までです。"},
                   {12, "5", "5 はもう出ています。"},
                   {20, "ab", "番号は数字だけで入力してください。"}};
    int typed = 0;
    for (const int number : numbers) {
        for (const auto& bad : invalid) {
            if (bad.after == typed) {
                const std::vector<std::int16_t> before = Listed();
                Type(QString::fromUtf8(bad.text));
                EXPECT_EQ(Find<QLabel>("lblMessage")->text(), QString::fromUtf8(bad.message)) << bad.text;
                EXPECT_EQ(Listed(), before) << bad.text;
            }
        }
        Type(QString::number(number));
        ++typed;
        ASSERT_EQ(Listed().size(), static_cast<std::size_t>(typed));
        EXPECT_EQ(Listed().back(), number);
        ExpectAgreement("typed");
    }
    EXPECT_EQ(sound_.chimes, 30);
    EXPECT_EQ(FocusName(), QStringLiteral("txtNumber")) << "ready for the next ball";

    // Ctrl+Z in the number field takes back, after the question (answered Yes here).
    QTest::keyClick(Find<QLineEdit>("txtNumber"), Qt::Key_Z, Qt::ControlModifier);
    ASSERT_FALSE(messages_.shown.empty());
    EXPECT_EQ(messages_.shown.back(), "16 を取り消しますか？");
    EXPECT_EQ(messages_.styles.back(), MessageStyle::QuestionNoDefault);
    QTest::keyClick(Find<QLineEdit>("txtNumber"), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(messages_.shown.back(), "7 を取り消しますか？");
    EXPECT_EQ(Listed().size(), 28u);
    EXPECT_EQ(Listed().back(), 30);
    ExpectAgreement("after two take-backs");

    // Automatic calling at five seconds (on the panel's fast clock), then Page Down takes over.
    Find<QSpinBox>("spnInterval")->setValue(5);
    QTest::keyClick(Find<QLineEdit>("txtNumber"), Qt::Key_A, Qt::AltModifier);
    // A mnemonic presses its button a moment later, as a click would.
    ASSERT_TRUE(QTest::qWaitFor([this] { return Find<QCheckBox>("chkAuto")->isChecked(); }, 2000));
    EXPECT_TRUE(Find<QLabel>("lblCountdown")->text().startsWith(QStringLiteral("次の抽選まで ")));
    EXPECT_TRUE(QTest::qWaitFor([this] { return Listed().size() >= 38u; }, 30000));
    ExpectAgreement("after ten automatic calls");
    const std::size_t beforePageDown = Listed().size();
    ASSERT_LT(beforePageDown, 40u);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
    EXPECT_FALSE(Find<QCheckBox>("chkAuto")->isChecked());
    EXPECT_EQ(Listed().size(), beforePageDown + 1) << "Page Down in the panel is Start";
    QTest::qWait(1500);
    EXPECT_EQ(Listed().size(), beforePageDown + 1) << "nothing more after the operator took over";
    ExpectAgreement("at the end");

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
    EXPECT_FALSE(panelWindow_->isVisible());
    QFile saved(directory_.filePath(QStringLiteral("palvo-panel.ini")));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().contains("Interval=5\r\n"));
    saved.close();

    // Closing the operator's window closes the open panel with it, keeping its choices: nothing
    // of the program stays on screen.
    panel_->Toggle();
    ASSERT_TRUE(panelWindow_->isVisible());
    Find<QSpinBox>("spnInterval")->setValue(7);
    view_->Window().close();
    EXPECT_FALSE(panelWindow_->isVisible());
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().contains("Interval=7\r\n"));
}

}  // namespace
}  // namespace palvo
