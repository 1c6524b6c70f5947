#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <string>
#include <vector>

#include "platform/headless/recording_main_window_events.h"
#include "platform/qt/qt_environment.h"
#include "platform/qt/qt_event_pump.h"
#include "platform/qt/qt_main_window_view.h"
#include "tests/qt/qt_test_application.h"

namespace palvo {
namespace {



class MainWindowViewTest : public testing::Test {
protected:
    QApplication& application_ = TestApplication();
    MainWindowViewTest() : environment_(directory_.path().toStdString(), 15.0), view_(environment_)
    {
        QImage arrow(39, 38, QImage::Format_RGB32);
        arrow.fill(QColor(0x78, 0x78, 0x78));
        QDir(directory_.path()).mkpath(QStringLiteral("buttons"));
        arrow.save(directory_.filePath(QStringLiteral("buttons/back.bmp")), "BMP");

        layout_.caption = "PALVO  ~パルボ~";
        layout_.outerWidth = 800;
        layout_.outerHeight = 630;
        layout_.backColor = 0x404040;
        ControlLayout base =
            MakeControl(Control::picBase, ControlKind::PictureBox, std::nullopt, 0, 0, 800, 600);
        base.backColor = 0;
        ControlLayout start =
            MakeControl(Control::cmdStart, ControlKind::CommandButton, std::nullopt, 643, 461, 137, 125);
        start.caption = "スタート";
        start.backColor = 0xFFFFFF;
        start.graphicalStyle = true;
        start.font = FontChoice{"MS UI Gothic", 24, true};
        ControlLayout board =
            MakeControl(Control::picHist, ControlKind::PictureBox, std::nullopt, 16, 507, 621, 79);
        board.backColor = 0;
        ControlLayout back =
            MakeControl(Control::cmdHistBack, ControlKind::CommandButton, Control::picHist, 0, 0, 49, 75);
        back.backColor = 0x787878;
        back.graphicalStyle = true;
        back.picture = "buttons/back.bmp";
        ControlLayout cell = MakeControl(ControlId(Control::picHistNum, 0), ControlKind::PictureBox,
                                         Control::picHist, 48, 0, 77, 61);
        cell.backColor = 0xC00000;
        ControlLayout frame = MakeControl(ControlId(Control::spHistNum, 0), ControlKind::Shape,
                                          ControlId(Control::picHistNum, 0), 0, -1, 77, 62);
        frame.borderColor = 0x202020;
        ControlLayout label = MakeControl(ControlId(Control::lblistNum, 0), ControlKind::Label,
                                          Control::picHist, 60, 62, 33, 12);
        label.backColor = 0x404040;
        ControlLayout list =
            MakeControl(Control::lstHistory, ControlKind::ListBox, std::nullopt, 28, 280, 61, 196);
        list.visible = false;
        ControlLayout hidden =
            MakeControl(Control::Command4, ControlKind::CommandButton, std::nullopt, 10, 10, 50, 20);
        hidden.caption = "Command4";
        hidden.visible = false;
        ControlLayout below =
            MakeControl(Control::Command1, ControlKind::CommandButton, std::nullopt, 10, 644, 50, 20);
        below.caption = "セット";
        ControlLayout text =
            MakeControl(Control::txtNum, ControlKind::TextBox, std::nullopt, 100, 644, 40, 20);
        ControlLayout timer;
        timer.id = Control::Timer1;
        timer.kind = ControlKind::Timer;
        timer.timerInterval = 100;
        timer.enabled = false;
        layout_.controls = {base, start, board, back, cell, frame, label, list, hidden, below, text, timer};
    }

    void ShowWindow()
    {
        view_.SetEvents(&events_);
        view_.ApplyLayout(layout_);
        view_.Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view_.Window()));
    }

    QTemporaryDir directory_;
    QtEnvironment environment_;
    QtMainWindowView view_;
    RecordingMainWindowEvents events_;
    WindowLayout layout_;
};

TEST_F(MainWindowViewTest, EveryControlIsBuiltWhereTheLayoutPlacesIt)
{
    ShowWindow();
    EXPECT_EQ(view_.Window().windowTitle(), QStringLiteral("PALVO  ~パルボ~"));
    EXPECT_EQ(view_.Window().frameGeometry().size(), QSize(800, 630));

    for (const ControlLayout& placement : layout_.controls) {
        SCOPED_TRACE(ControlName(placement.id));
        QWidget* widget = view_.Widget(placement.id);
        if (placement.kind == ControlKind::Timer) {
            EXPECT_EQ(widget, nullptr);
            continue;
        }
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->objectName().toStdString(), ControlName(placement.id));
        EXPECT_EQ(widget->geometry(), QRect(placement.x, placement.y, placement.width, placement.height));
        QWidget* expectedParent = !placement.parent ? &view_.Window() : view_.Widget(*placement.parent);
        EXPECT_EQ(widget->parentWidget(), expectedParent);
        EXPECT_EQ(widget->isVisibleTo(&view_.Window()), placement.visible);
    }
}

TEST_F(MainWindowViewTest, CaptionsColoursAndPicturesFollowTheLayout)
{
    ShowWindow();
    auto* start = qobject_cast<QPushButton*>(view_.Widget(Control::cmdStart));
    ASSERT_NE(start, nullptr);
    EXPECT_EQ(start->text(), QStringLiteral("スタート"));
    EXPECT_TRUE(start->font().bold());
    EXPECT_EQ(start->font().pointSizeF(), 24.0);
    EXPECT_TRUE(start->styleSheet().contains(QStringLiteral("#ffffff")));

    auto* back = qobject_cast<QPushButton*>(view_.Widget(Control::cmdHistBack));
    ASSERT_NE(back, nullptr);
    EXPECT_FALSE(back->icon().isNull());
    EXPECT_EQ(back->iconSize(), QSize(39, 38));
    EXPECT_TRUE(back->styleSheet().contains(QStringLiteral("#787878")));

    auto& cell = static_cast<QtPictureSurface&>(view_.Picture(ControlId(Control::picHistNum, 0)));
    EXPECT_EQ(cell.Image().pixelColor(10, 10), QColor(0x00, 0x00, 0xC0));
    EXPECT_EQ(view_.Window().palette().color(QPalette::Window), QColor(0x40, 0x40, 0x40));
    EXPECT_EQ(view_.Widget(ControlId(Control::lblistNum, 0))->palette().color(QPalette::Window),
              QColor(0x40, 0x40, 0x40));

    // The picture on screen is the box's image; the frame shape is drawn on top of it only.
    const QImage shown = view_.Widget(ControlId(Control::picHistNum, 0))->grab().toImage();
    EXPECT_EQ(shown.pixelColor(38, 30), QColor(0x00, 0x00, 0xC0));
    EXPECT_EQ(shown.pixelColor(0, 30), QColor(0x20, 0x20, 0x20));

    // A window of one size: minimise and close, no maximise button.
    const Qt::WindowFlags flags = view_.Window().windowFlags();
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
}

TEST_F(MainWindowViewTest, LabelLettersFitTheirHeight)
{
    layout_.controls[6].font = FontChoice{"MS UI Gothic", 24, false};
    ControlLayout roomy = MakeControl(Control::lbTime, ControlKind::Label, std::nullopt, 10, 10, 200, 40);
    roomy.font = FontChoice{"MS UI Gothic", 12, false};
    layout_.controls.push_back(roomy);
    ShowWindow();

    const QWidget* small = view_.Widget(ControlId(Control::lblistNum, 0));
    EXPECT_LE(QFontMetrics(small->font()).ascent(), small->height());
    EXPECT_LT(small->font().pointSizeF(), 24.0);
    // A label with room keeps the size its layout gives it.
    EXPECT_EQ(view_.Widget(Control::lbTime)->font().pointSizeF(), 12.0);
}

TEST_F(MainWindowViewTest, ControlsOutOfViewCannotTakeTheFocus)
{
    ShowWindow();
    EXPECT_EQ(view_.Widget(Control::Command1)->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(view_.Widget(Control::txtNum)->focusPolicy(), Qt::NoFocus);
    EXPECT_NE(view_.Widget(Control::cmdStart)->focusPolicy(), Qt::NoFocus);
}

TEST_F(MainWindowViewTest, ClicksAndKeysReachTheLogicOnlyFromEnabledButtons)
{
    ShowWindow();
    auto* start = qobject_cast<QPushButton*>(view_.Widget(Control::cmdStart));
    ASSERT_NE(start, nullptr);
    EXPECT_TRUE(start->hasFocus());

    QTest::mouseClick(start, Qt::LeftButton);
    QTest::keyClick(start, Qt::Key_Space);
    QTest::keyClick(start, Qt::Key_Return);
    QTest::keyClick(&view_.Window(), Qt::Key_PageDown);
    EXPECT_EQ(events_.clicks, (std::vector<ControlId>{Control::cmdStart, Control::cmdStart, Control::cmdStart,
                                                      Control::cmdStart}));

    events_.clicks.clear();
    view_.SetEnabled(Control::cmdStart, false);
    EXPECT_FALSE(view_.IsEnabled(Control::cmdStart));
    QTest::mouseClick(start, Qt::LeftButton);
    QTest::keyClick(&view_.Window(), Qt::Key_PageDown);
    EXPECT_TRUE(events_.clicks.empty());

    // A disabled container locks the buttons inside it.
    view_.SetEnabled(Control::picHist, false);
    QTest::mouseClick(view_.Widget(Control::cmdHistBack), Qt::LeftButton);
    EXPECT_TRUE(events_.clicks.empty());
    view_.SetEnabled(Control::picHist, true);
    QTest::mouseClick(view_.Widget(Control::cmdHistBack), Qt::LeftButton);
    EXPECT_EQ(events_.clicks, std::vector<ControlId>{Control::cmdHistBack});
}

TEST_F(MainWindowViewTest, TheFocusReturnsToStartWhenItIsEnabledAgain)
{
    ShowWindow();
    QWidget* start = view_.Widget(Control::cmdStart);
    ASSERT_TRUE(start->hasFocus());
    view_.SetEnabled(Control::cmdStart, false);
    view_.SetEnabled(Control::picHist, false);
    view_.SetEnabled(Control::picHist, true);
    view_.SetEnabled(Control::cmdStart, true);
    EXPECT_TRUE(start->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(events_.clicks, std::vector<ControlId>{Control::cmdStart});
}

TEST_F(MainWindowViewTest, APictureButtonWithTheFocusShowsADottedRectangle)
{
    ShowWindow();
    QWidget* back = view_.Widget(Control::cmdHistBack);
    QWidget* start = view_.Widget(Control::cmdStart);
    // Along a line 4 pixels inside the edge every other pixel is inverted; elsewhere the picture
    // button is one colour there, and so is Start, which shows its focus by its frame.
    const auto dots = [](QWidget* button, int y) {
        const QImage shown = button->grab().toImage();
        int changes = 0;
        for (int x = 5; x < shown.width() - 6; ++x) {
            changes += shown.pixelColor(x, y) != shown.pixelColor(x + 1, y) ? 1 : 0;
        }
        return changes;
    };
    ASSERT_TRUE(start->hasFocus());
    EXPECT_EQ(dots(back, 4), 0);
    EXPECT_EQ(dots(start, 4), 0);

    view_.SetFocus(Control::cmdHistBack);
    ASSERT_TRUE(back->hasFocus());
    EXPECT_EQ(dots(back, 4), back->width() - 11);
    EXPECT_EQ(dots(back, back->height() - 5), back->width() - 11);
    EXPECT_EQ(dots(back, 6), 0);
    // Black dots: inverted, the grey face of the paging buttons would hardly change.
    const QImage shown = back->grab().toImage();
    EXPECT_EQ(shown.pixelColor(4, 4), QColor(Qt::black));
    EXPECT_EQ(shown.pixelColor(6, back->height() - 5), QColor(Qt::black));
    EXPECT_NE(shown.pixelColor(5, 4), QColor(Qt::black));
}

TEST_F(MainWindowViewTest, CloseAsksTheLogicUnlessTheLogicClosesItself)
{
    ShowWindow();
    events_.allowClose = false;
    view_.Window().close();
    EXPECT_EQ(events_.closeRequests, 1);
    EXPECT_EQ(events_.closed, 0);
    EXPECT_TRUE(view_.Window().isVisible());

    view_.Close();
    EXPECT_EQ(events_.closeRequests, 1);
    EXPECT_EQ(events_.closed, 1);
    EXPECT_FALSE(view_.Window().isVisible());
}

TEST_F(MainWindowViewTest, AllowedCloseEndsTheWindowOnce)
{
    ShowWindow();
    view_.Window().close();
    EXPECT_EQ(events_.closeRequests, 1);
    EXPECT_EQ(events_.closed, 1);
    EXPECT_FALSE(view_.Window().isVisible());
}

TEST_F(MainWindowViewTest, TextsAndListsOfTheControls)
{
    ShowWindow();
    view_.SetText(ControlId(Control::lblistNum, 0), "12");
    view_.SetText(Control::cmdStart, "スタート!");
    view_.SetText(Control::txtNum, "07");
    view_.SetText(Control::cmdClose, "ignored");  // a control this window lacks
    EXPECT_EQ(view_.Text(ControlId(Control::lblistNum, 0)), "12");
    EXPECT_EQ(view_.Text(Control::cmdStart), "スタート!");
    EXPECT_EQ(view_.Text(Control::txtNum), "07");
    EXPECT_EQ(view_.Text(Control::cmdClose), "");

    view_.ListAddItem(Control::lstHistory, "1:  5");
    view_.ListAddItem(Control::lstHistory, "2: 42");
    view_.ListSelect(Control::lstHistory, 1);
    EXPECT_EQ(view_.ListCount(Control::lstHistory), 2);
    EXPECT_EQ(qobject_cast<QListWidget*>(view_.Widget(Control::lstHistory))->currentItem()->text(),
              QStringLiteral("2: 42"));
    view_.ListClear(Control::lstHistory);
    EXPECT_EQ(view_.ListCount(Control::lstHistory), 0);
}

TEST_F(MainWindowViewTest, TheTimerTicksOnlyWhileEnabled)
{
    ShowWindow();
    QtEventPump pump;
    pump.ProcessEventsFor(250);
    EXPECT_TRUE(events_.timers.empty());
    EXPECT_FALSE(view_.IsEnabled(Control::Timer1));

    view_.SetTimerEnabled(Control::Timer1, true);
    EXPECT_TRUE(view_.IsEnabled(Control::Timer1));
    pump.ProcessEventsFor(350);
    view_.SetTimerEnabled(Control::Timer1, false);
    EXPECT_GE(events_.timers.size(), 2U);
    EXPECT_LE(events_.timers.size(), 4U);
    for (const ControlId timer : events_.timers) {
        EXPECT_EQ(timer, Control::Timer1);
    }
    const std::size_t ticks = events_.timers.size();
    pump.ProcessEventsFor(250);
    EXPECT_EQ(events_.timers.size(), ticks);
}

TEST_F(MainWindowViewTest, ReapplyingTheLayoutReplacesWithoutDuplicates)
{
    ShowWindow();
    QWidget* start = view_.Widget(Control::cmdStart);
    layout_.controls[1].x = 600;
    view_.ApplyLayout(layout_);
    EXPECT_EQ(view_.Widget(Control::cmdStart), start);
    EXPECT_EQ(start->x(), 600);
    EXPECT_EQ(view_.Window().findChildren<QPushButton*>(QStringLiteral("cmdStart")).size(), 1);
}

TEST(EventPumpTest, WaitsItsTimeWhileHandlingEvents)
{
    TestApplication();
    QtEventPump pump;
    bool handled = false;
    QTimer::singleShot(10, [&handled] { handled = true; });
    QElapsedTimer elapsed;
    elapsed.start();
    pump.ProcessEventsFor(60);
    EXPECT_GE(elapsed.elapsed(), 59);
    EXPECT_TRUE(handled);
}

TEST(EnvironmentTest, ReportsItsFolderScaleAndFiles)
{
    TestApplication();
    QTemporaryDir directory;
    QFile file(directory.filePath(QStringLiteral("palvo.ini")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    const QtEnvironment forced(directory.path().toStdString(), 12.0);
    EXPECT_EQ(forced.DataDirectory(), directory.path().toStdString());
    EXPECT_EQ(forced.SettingsDirectory(), directory.path().toStdString());
    EXPECT_EQ(forced.TwipsPerPixelX(), 12.0);
    EXPECT_EQ(forced.TwipsPerPixelY(), 12.0);
    EXPECT_TRUE(forced.FileExists(directory.filePath(QStringLiteral("palvo.ini")).toStdString()));
    EXPECT_FALSE(forced.FileExists(directory.path().toStdString()));
    EXPECT_FALSE(forced.FileExists(directory.filePath(QStringLiteral("missing")).toStdString()));

    const QtEnvironment real;
    // A test program's folder holds no shipped files and is writable: everything stays beside it.
    EXPECT_EQ(real.DataDirectory(), QCoreApplication::applicationDirPath().toStdString());
    EXPECT_EQ(real.SettingsDirectory(), QCoreApplication::applicationDirPath().toStdString());
    EXPECT_GT(real.TwipsPerPixelX(), 0.0);
}

}  // namespace
}  // namespace palvo
