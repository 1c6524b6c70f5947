// The whole program on Qt widgets: the core's main window logic driving the real view.

#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <string>
#include <vector>

#include "display/main_window_layout.h"
#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_entropy.h"
#include "platform/qt/qt_environment.h"
#include "platform/qt/qt_event_pump.h"
#include "platform/qt/qt_main_window_view.h"
#include "platform/qt/qt_picture_surface.h"
#include "tests/qt/qt_test_application.h"
#include "tests/qt/shipped_pictures.h"
#include "tests/qt/visible_text.h"

namespace palvo {
namespace {

const QColor kOrange(0xFF, 0x80, 0x00);

class ScriptedMessageBoxes : public MessageBoxes {
public:
    MessageAnswer Show(std::string_view text, MessageStyle style) override
    {
        shown.emplace_back(text);
        return style == MessageStyle::Question ? MessageAnswer::Yes : MessageAnswer::Ok;
    }
    std::vector<std::string> shown;
};

class RecordingSound : public Sound {
public:
    void Beep() override { ++beeps; }
    void PlayAsync(const std::string& path) override { played.push_back(path); }
    int beeps = 0;
    std::vector<std::string> played;
};

class NoSettingsDialog : public SettingsDialogHost {
public:
    void RunSettingsDialog(CConfig&) override {}
};

// Which of the seven bars each digit lights: H0 H1 H2 V0 V1 V2 V3.
using Segments = std::array<bool, 7>;
constexpr std::array<Segments, 10> kDigitSegments = {{
    {true, false, true, true, true, true, true},      // 0
    {false, false, false, false, false, true, true},  // 1
    {true, true, true, false, true, true, false},     // 2
    {true, true, true, false, false, true, true},     // 3
    {false, true, false, true, false, true, true},    // 4
    {true, true, true, true, false, false, true},     // 5
    {true, true, true, true, true, false, true},      // 6
    {true, false, false, true, false, true, true},    // 7
    {true, true, true, true, true, true, true},       // 8
    {true, true, true, true, false, true, true},      // 9
}};

// The middle pixel of each bar of a digit whose origin is (x, y), in the order of Segments.
using Probes = std::array<QPoint, 7>;

// Large bars of size 2 (150 x 30 and 30 x 150, 2 pixels apart).
Probes LargeProbes(int x, int y)
{
    return {QPoint(x + 92, y + 15),  QPoint(x + 92, y + 169), QPoint(x + 92, y + 323), QPoint(x + 15, y + 92),
            QPoint(x + 15, y + 246), QPoint(x + 169, y + 92), QPoint(x + 169, y + 246)};
}

// History bars (20 x 3 and 3 x 20, 1 pixel apart).
Probes HistoryProbes(int x, int y)
{
    const int left = x + 1;
    const int right = x + 23;
    const int middle = x + 13;
    return {QPoint(middle, y + 1), QPoint(middle, y + 23), QPoint(middle, y + 45), QPoint(left, y + 13),
            QPoint(left, y + 35),  QPoint(right, y + 13),  QPoint(right, y + 35)};
}

// The digit the image shows at those probes, -1 for a blank place, -2 for no digit's pattern.
int ReadDigit(const QImage& image, const Probes& probes)
{
    Segments lit{};
    bool any = false;
    for (std::size_t i = 0; i < probes.size(); ++i) {
        lit[i] = image.pixelColor(probes[i]) == kOrange;
        any = any || lit[i];
    }
    if (!any) {
        return -1;
    }
    for (int digit = 0; digit < 10; ++digit) {
        if (kDigitSegments[static_cast<std::size_t>(digit)] == lit) {
            return digit;
        }
    }
    return -2;
}

// The number shown by a tens and a ones place (-1 when nothing readable is there).
int ReadNumber(const QImage& image, const Probes& tens, const Probes& ones)
{
    const int ten = ReadDigit(image, tens);
    const int one = ReadDigit(image, ones);
    if (one < 0 || ten == -2) {
        return -1;
    }
    return ten < 0 ? one : ten * 10 + one;
}

class QtProgramTest : public testing::Test {
protected:
    QApplication& application_ = TestApplication();
    void SetUp() override
    {
        ASSERT_TRUE(directory_.isValid());
        ASSERT_NO_FATAL_FAILURE(CopyShippedPictures(directory_.path()));
    }

    void WriteSettings(const char* lines)
    {
        QFile ini(directory_.filePath(QStringLiteral("palvo.ini")));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[PALVO]\r\n");
        ini.write(lines);
    }

    // Starts the program; false when its start-up failed.
    bool Start()
    {
        view_ = std::make_unique<QtMainWindowView>(environment_);
        window_ = std::make_unique<MainWindow>(*view_, services_);
        const bool loaded = window_->FormLoad();
        if (loaded) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(&view_->Window()));
        }
        return loaded;
    }

    QImage PictureOf(ControlId box) { return static_cast<QtPictureSurface&>(view_->Picture(box)).Image(); }

    QTemporaryDir directory_;
    QtEnvironment environment_{directory_.path().toStdString(), 15.0};
    QtClock clock_;
    QtEventPump pump_;
    ScriptedMessageBoxes messages_;
    RecordingSound sound_;
    QtEntropy entropy_;
    NoSettingsDialog settings_;
    PlatformServices services_{clock_, pump_, messages_, sound_, environment_, entropy_, settings_};
    std::unique_ptr<QtMainWindowView> view_;
    std::unique_ptr<MainWindow> window_;
};

TEST_F(QtProgramTest, WidgetsStandWhereTheLayoutTablePutsThem)
{
    ASSERT_TRUE(Start());
    const WindowLayout layout = MainWindowLayout(15, 15);
    EXPECT_EQ(view_->Window().frameGeometry().size(), QSize(layout.outerWidth, layout.outerHeight));
    for (const ControlLayout& placement : layout.controls) {
        SCOPED_TRACE(ControlName(placement.id));
        if (placement.kind == ControlKind::Timer) {
            continue;
        }
        QWidget* widget = view_->Widget(placement.id);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->pos(), QPoint(placement.x, placement.y));
        // Picture boxes with a picture take its size (the bars); the others keep the table's.
        if (placement.kind != ControlKind::PictureBox || placement.picture.empty()) {
            EXPECT_EQ(widget->size(), QSize(placement.width, placement.height));
        }
    }
    // The placements in pixels at 96 dpi.
    const struct {
        ControlId id;
        QRect geometry;
    } expected[] = {
        {Control::picBase, QRect(0, 0, 800, 600)},
        {Control::cmdStart, QRect(643, 461, 137, 125)},
        {Control::picHist, QRect(16, 507, 621, 79)},
        {Control::cmdHistBack, QRect(0, 0, 49, 75)},
        {ControlId(Control::picHistNum, 0), QRect(48, 0, 77, 61)},
        {ControlId(Control::picHistNum, 4), QRect(352, 0, 77, 61)},
        {Control::cmdHistForward, QRect(428, 0, 49, 75)},
        {Control::cmdReset, QRect(476, 0, 85, 75)},
        {Control::cmdSetting, QRect(560, 0, 57, 75)},
        {ControlId(Control::lblistNum, 3), QRect(284, 62, 33, 12)},
    };
    for (const auto& control : expected) {
        SCOPED_TRACE(ControlName(control.id));
        ASSERT_NE(view_->Widget(control.id), nullptr);
        EXPECT_EQ(view_->Widget(control.id)->geometry(), control.geometry);
    }
}

TEST_F(QtProgramTest, IdleDisplayShowsEightyEightAndStartHasTheFocus)
{
    ASSERT_TRUE(Start());
    EXPECT_TRUE(messages_.shown.empty());
    EXPECT_EQ(ReadNumber(PictureOf(Control::picBase), LargeProbes(211, 107), LargeProbes(406, 107)), 88);
    EXPECT_EQ(view_->Text(Control::cmdStart), "スタート");
    EXPECT_TRUE(view_->Widget(Control::cmdStart)->hasFocus());
    // The background shows between the bars.
    EXPECT_NE(PictureOf(Control::picBase).pixelColor(300, 200), kOrange);
}

TEST_F(QtProgramTest, StartDrawsANumberOntoTheDisplayAndTheFirstCell)
{
    WriteSettings("RhythmFast=5\r\nRhythmSlow=1\r\n");
    ASSERT_TRUE(Start());

    QTest::mouseClick(view_->Widget(Control::cmdStart), Qt::LeftButton);

    ASSERT_EQ(view_->ListCount(Control::lstHistory), 1);
    const QString item = qobject_cast<QListWidget*>(view_->Widget(Control::lstHistory))->item(0)->text();
    ASSERT_TRUE(item.startsWith(QStringLiteral("1: ")));
    const int drawn = item.mid(3).trimmed().toInt();
    ASSERT_GE(drawn, 1);
    ASSERT_LE(drawn, 72);

    EXPECT_EQ(ReadNumber(PictureOf(Control::picBase), LargeProbes(211, 107), LargeProbes(406, 107)), drawn);
    EXPECT_EQ(
        ReadNumber(PictureOf(ControlId(Control::picHistNum, 0)), HistoryProbes(12, 7), HistoryProbes(39, 7)),
        drawn);
    EXPECT_EQ(view_->Text(ControlId(Control::lblistNum, 0)), "1");
    EXPECT_EQ(sound_.beeps, 4);
    ASSERT_EQ(sound_.played.size(), 1U);
    EXPECT_EQ(sound_.played[0], directory_.path().toStdString() + "/wav/ユートピア - Windows の終了.WAV");
    EXPECT_TRUE(view_->IsEnabled(Control::cmdStart));
    EXPECT_TRUE(view_->Widget(Control::cmdStart)->hasFocus());
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(QtProgramTest, EveryCaptionShowsWholeIdleAndWithTheLongestOrdinals)
{
    ASSERT_TRUE(Start());
    ExpectEveryCaptionShowsWhole(view_->Window());
    for (int i = 0; i < 5; ++i) {
        view_->SetText(ControlId(Control::lblistNum, i), std::to_string(99 - i));
    }
    ExpectEveryCaptionShowsWhole(view_->Window());
}

TEST_F(QtProgramTest, AfterAClickOnResetSpaceMeansStartAgain)
{
    WriteSettings("RhythmFast=5\r\nRhythmSlow=1\r\n");
    ASSERT_TRUE(Start());
    QTest::mouseClick(view_->Widget(Control::cmdStart), Qt::LeftButton);
    QTest::mouseClick(view_->Widget(Control::cmdReset), Qt::LeftButton);
    ASSERT_EQ(view_->ListCount(Control::lstHistory), 0);
    EXPECT_TRUE(view_->Widget(Control::cmdStart)->hasFocus());

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(view_->ListCount(Control::lstHistory), 1);
    EXPECT_EQ(messages_.shown.size(), 1U) << "the question, once";
}

TEST_F(QtProgramTest, PageDownDrawsTheLastNumberAndTheGameEnds)
{
    WriteSettings("NumMax=1\r\nRhythmFast=5\r\nRhythmSlow=1\r\n");
    ASSERT_TRUE(Start());

    QTest::keyClick(&view_->Window(), Qt::Key_PageDown);

    EXPECT_EQ(ReadNumber(PictureOf(Control::picBase), LargeProbes(211, 107), LargeProbes(406, 107)), 1);
    ASSERT_EQ(messages_.shown.size(), 1U);
    EXPECT_EQ(messages_.shown[0], "サイシュウパルボデス！ オツカレサマデシタ．");
    EXPECT_FALSE(view_->IsEnabled(Control::cmdStart));

    // Start is locked now: another Page Down draws nothing.
    QTest::keyClick(&view_->Window(), Qt::Key_PageDown);
    EXPECT_EQ(view_->ListCount(Control::lstHistory), 1);
}

TEST_F(QtProgramTest, ClosingTheWindowWritesTheSettings)
{
    ASSERT_TRUE(Start());
    const QString ini = directory_.filePath(QStringLiteral("palvo.ini"));
    ASSERT_FALSE(QFile::exists(ini));
    view_->Window().close();
    EXPECT_FALSE(view_->Window().isVisible());
    EXPECT_TRUE(QFile::exists(ini));
}

TEST_F(QtProgramTest, MissingBarsEndStartUpWithOneWarning)
{
    ASSERT_TRUE(QDir(directory_.filePath(QStringLiteral("bars"))).removeRecursively());
    EXPECT_FALSE(Start());
    ASSERT_EQ(messages_.shown.size(), 1U);
    EXPECT_NE(messages_.shown[0].find("SetNumBarBmp"), std::string::npos);
    EXPECT_FALSE(view_->Window().isVisible());
    EXPECT_TRUE(QFile::exists(directory_.filePath(QStringLiteral("palvo.ini"))));
}

}  // namespace
}  // namespace palvo
