// The operator's keys on the Qt program: the table of tests/support/key_sequences.h played with
// key events through the windows, as the window system delivers them (X11 repeats a held key as
// a release and a press, both marked as auto-repeat).

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/audience_display.h"
#include "app/main_window.h"
#include "draw/game_journal.h"
#include "platform/headless/recording_sound.h"
#include "platform/headless/scripted_message_boxes.h"
#include "platform/qt/qt_audience_window.h"
#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_entropy.h"
#include "platform/qt/qt_environment.h"
#include "platform/qt/qt_event_pump.h"
#include "platform/qt/qt_main_window_view.h"
#include "tests/qt/qt_test_application.h"
#include "tests/qt/shipped_pictures.h"
#include "tests/support/key_sequences.h"

namespace palvo::testing {
namespace {

class NoSettingsDialog : public SettingsDialogHost {
public:
    void RunSettingsDialog(CConfig&) override {}
};

struct QtKey {
    int code;
    QString text;
    Qt::KeyboardModifiers modifiers;
};

QtKey ToQt(Key key)
{
    switch (key) {
        case Key::Space:
            return {Qt::Key_Space, QStringLiteral(" "), Qt::NoModifier};
        case Key::Enter:
            return {Qt::Key_Return, QStringLiteral("\r"), Qt::NoModifier};
        case Key::KeypadEnter:
            return {Qt::Key_Enter, QStringLiteral("\r"), Qt::KeypadModifier};
        case Key::PageDown:
            return {Qt::Key_PageDown, QString(), Qt::NoModifier};
        case Key::Tab:
            return {Qt::Key_Tab, QStringLiteral("\t"), Qt::NoModifier};
        case Key::F11:
            return {Qt::Key_F11, QString(), Qt::NoModifier};
        case Key::Escape:
            return {Qt::Key_Escape, QStringLiteral("\x1b"), Qt::NoModifier};
    }
    return {0, QString(), Qt::NoModifier};
}

class QtOperatorKeys : public ::testing::TestWithParam<KeyCase> {
protected:
    QApplication& application_ = TestApplication();

    void SetUp() override
    {
        ASSERT_TRUE(directory_.isValid());
        ASSERT_NO_FATAL_FAILURE(CopyShippedPictures(directory_.path()));
    }

    void Write(const QString& name, const std::string& bytes)
    {
        QFile file(directory_.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }

    void Send(QWindow* window, Key key, Stroke stroke)
    {
        const QtKey qt = ToQt(key);
        if (stroke == Stroke::Repeat) {
            QTest::simulateEvent(window, false, qt.code, qt.modifiers, qt.text, true);
        }
        QTest::simulateEvent(window, stroke != Stroke::Release, qt.code, qt.modifiers, qt.text,
                             stroke == Stroke::Repeat);
    }

    QTemporaryDir directory_;
    QtEnvironment environment_{directory_.path().toStdString(), 15.0};
    QtClock clock_;
    QtEventPump pump_;
    ScriptedMessageBoxes messages_;
    RecordingSound sound_{clock_};
    QtEntropy entropy_;
    NoSettingsDialog settings_;
    PlatformServices services_{clock_, pump_, messages_, sound_, environment_, entropy_, settings_};
};

TEST_P(QtOperatorKeys, PlaysTheSequence)
{
    const KeyCase& c = GetParam();
    Write(QStringLiteral("palvo.ini"),
          "[PALVO]\r\nRhythmFast=5\r\nRhythmSlow=1\r\nNumMax=" + std::to_string(c.numMax) + "\r\n");
    if (!c.resumed.empty()) {
        std::string journal = JournalHeaderLine(c.numMax, "2026-12-07 18:00:00");
        for (std::size_t i = 0; i < c.resumed.size(); ++i) {
            journal += JournalDrawLine(static_cast<int>(i + 1), c.resumed[i], "2026-12-07 18:00:01");
        }
        Write(QStringLiteral("palvo-game.txt"), journal);
        messages_.QueueAnswer(MessageAnswer::Yes);  // continue it
    }

    QtMainWindowView view(environment_);
    MainWindow window(view, services_);
    ASSERT_TRUE(window.FormLoad());
    QtAudienceWindow* audienceWindow = new QtAudienceWindow(view.Window());  // the window deletes it
    AudienceDisplay audience(*audienceWindow, window, clock_, std::string());
    window.AddListener(audience);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view.Window()));
    auto* ordinal = view.Window().findChild<QLabel*>(QStringLiteral("lblistNum(0)"));
    ASSERT_NE(ordinal, nullptr);
    ASSERT_NE(view.Window().findChild<QWidget*>(QStringLiteral("picHistNum(0)")), nullptr);
    ASSERT_EQ(view.Window().findChild<QWidget*>(QStringLiteral("picHistNum(5)")), nullptr);

    for (int i = 0; i < c.mouseStarts; ++i) {
        QTest::mouseClick(view.Window().findChild<QWidget*>(QStringLiteral("cmdStart")), Qt::LeftButton);
    }
    if (!c.mouseClick.empty()) {
        QWidget* button = view.Window().findChild<QWidget*>(QString::fromStdString(c.mouseClick));
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    if (c.audienceOpen) {
        audience.Toggle();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(audienceWindow));
    }
    const int drawsBefore = view.ListCount(Control::lstHistory);
    messages_.ClearMessages();

    for (const KeyStep& step : c.keys) {
        Send(step.place == Place::Operator ? view.Window().windowHandle() : audienceWindow->windowHandle(),
             step.key, step.stroke);
    }

    EXPECT_EQ(view.ListCount(Control::lstHistory) - drawsBefore, c.draws);
    EXPECT_EQ(ordinal->text().toStdString(), c.newestOrdinal);
    int questions = 0;
    for (const ScriptedMessageBoxes::Shown& shown : messages_.Messages()) {
        questions += shown.style == MessageStyle::Question ? 1 : 0;
    }
    EXPECT_EQ(questions, c.questions);
    QWidget* focus = view.Window().focusWidget();
    EXPECT_EQ(focus == nullptr || focus == &view.Window() ? std::string() : focus->objectName().toStdString(),
              c.focus);
    EXPECT_EQ(audienceWindow->isFullScreen(), c.audienceFullScreen);
}

INSTANTIATE_TEST_SUITE_P(Table, QtOperatorKeys, ::testing::ValuesIn(OperatorKeyCases()),
                         [](const ::testing::TestParamInfo<KeyCase>& row) { return row.param.name; });

}  // namespace
}  // namespace palvo::testing
