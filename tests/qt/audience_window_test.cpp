// The players' window on Qt: frames shown pixel for pixel, keys and closing.

#include <gtest/gtest.h>

#include <QTest>
#include <vector>

#include "display/audience_placement.h"
#include "platform/qt/qt_audience_window.h"
#include "tests/qt/qt_test_application.h"
#include "tests/support/enlarging_audience_events.h"

namespace palvo {
namespace {

class PaintingEvents : public AudienceWindowEvents {
public:
    explicit PaintingEvents(QtAudienceWindow& window) : window_(window) {}
    void OnAudienceResized() override { ++resizes; }
    void OnAudienceClosed() override { ++closes; }
    void OnAudiencePaint() override
    {
        // A frame of the window's size whose every pixel tells its place.
        PixelBuffer frame(window_.ClientWidth(), window_.ClientHeight());
        for (std::int32_t y = 0; y < frame.Height(); ++y) {
            for (std::int32_t x = 0; x < frame.Width(); ++x) {
                frame.At(x, y) = Pixel{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y),
                                       static_cast<std::uint8_t>(x / 256 + y / 256 * 16), 0};
            }
        }
        window_.Present(frame, PixelRect{0, 0, frame.Width(), frame.Height()});
        ++paints;
    }
    void OnAudienceStartKey() override { ++starts; }
    bool OnAudienceKey(AudienceKey key) override
    {
        keys.push_back(key);
        return useKeys;
    }
    void OnAudienceWake() override { ++wakes; }
    // Where the display logic would put it, with no operator's controls to keep free.
    PixelRect OnAudiencePlace(const SharedScreen& screen, std::int32_t clientWidth,
                              std::int32_t clientHeight) override
    {
        return PlaceAudienceWindow(screen, {}, clientWidth, clientHeight);
    }

    int resizes = 0;
    int closes = 0;
    int paints = 0;
    int starts = 0;
    int wakes = 0;
    std::vector<AudienceKey> keys;
    bool useKeys = false;

private:
    QtAudienceWindow& window_;
};

TEST(QtAudienceWindow, ShowsFramesPixelForPixelClosesOnlyItselfAndGoesWithItsOwner)
{
    TestApplication();
    auto* owner = new QWidget;
    owner->resize(800, 630);
    owner->show();
    auto* audience = new QtAudienceWindow(*owner);  // the owner deletes it
    QtAudienceWindow& window = *audience;
    PaintingEvents events(window);
    window.SetEvents(&events);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("PALVO ～表示～"));

    window.Open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.resize(640, 480);
    window.Invalidate(PixelRect{0, 0, 640, 480});
    QTRY_VERIFY(events.paints > 0 && window.Image().width() == 640);
    const QImage shown = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), QSize(640, 480));
    for (const QPoint at : {QPoint(0, 0), QPoint(639, 479), QPoint(300, 257)}) {
        EXPECT_EQ(shown.pixel(at) & 0xFFFFFF, static_cast<QRgb>(((at.x() / 256 + at.y() / 256 * 16) << 16) |
                                                                ((at.y() & 0xFF) << 8) | (at.x() & 0xFF)))
            << at.x() << "," << at.y();
    }

    QTest::keyClick(&window, Qt::Key_F5);
    EXPECT_FALSE(window.IsOpen());
    EXPECT_EQ(events.closes, 1);
    EXPECT_TRUE(owner->isVisible()) << "closing the players' window leaves the operator's";

    window.Open();
    EXPECT_TRUE(window.IsOpen());
    owner->close();
    EXPECT_FALSE(window.isVisible()) << "goes with the operator's window";
    window.SetEvents(nullptr);
    delete owner;
}

// Frames enlarged three times keep whole pixels; the window opens where the core's answer says,
// told the operator's window as it is; a size past the desktop is taken back.
TEST(QtAudienceWindow, ReportsEveryKeyBeforeStartAndWakesOnTime)
{
    TestApplication();
    QWidget owner;
    auto* audience = new QtAudienceWindow(owner);  // the owner deletes it
    PaintingEvents events(*audience);
    audience->SetEvents(&events);
    audience->Open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(audience));

    QTest::keyClick(audience, Qt::Key_F8);
    QTest::keyClick(audience, Qt::Key_A);
    QTest::keyClick(audience, Qt::Key_Shift);
    QTest::keyClick(audience, Qt::Key_PageDown);
    EXPECT_EQ(events.keys,
              (std::vector<AudienceKey>{AudienceKey::Layout, AudienceKey::Other, AudienceKey::Start}));
    EXPECT_EQ(events.starts, 1);
    events.useKeys = true;
    QTest::keyClick(audience, Qt::Key_Space);
    EXPECT_EQ(events.starts, 1) << "a key the display used is no Start";
    QTest::keyClick(audience, Qt::Key_F11);
    EXPECT_EQ(events.keys.size(), 4u) << "the window's own keys stay its own";

    audience->Close();
    audience->WakeAfter(60000);
    audience->WakeAfter(30);  // the later call replaces the first
    QTRY_COMPARE(events.wakes, 1);
    QTest::qWait(100);
    EXPECT_EQ(events.wakes, 1) << "once, and while hidden";
}

TEST(QtAudienceWindow, EnlargedFramesKeepWholePixelsAndTheWindowOpensWhereTheCoreSays)
{
    TestApplication();
    auto* owner = new QWidget;
    owner->setGeometry(60, 50, 400, 300);
    owner->show();
    auto* audience = new QtAudienceWindow(*owner);
    QtAudienceWindow& window = *audience;
    EnlargingEvents<QtAudienceWindow> events(window);
    window.SetEvents(&events);
    window.Open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(events.asked.operatorClient, (PixelRect{60, 50, 400, 300}));
    const QRect placed = window.frameGeometry();
    EXPECT_EQ(placed.topLeft(), QPoint(events.asked.workArea.x + 37, events.asked.workArea.y + 21));
    EXPECT_EQ(placed.size(), QSize(500, 320));

    window.update();
    QTRY_VERIFY(!window.Image().isNull());
    const QImage shown = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (const QPoint at : {QPoint(0, 0), QPoint(2, 2), QPoint(3, 0), QPoint(100, 61),
                            QPoint(window.width() - 1, window.height() - 1)}) {
        EXPECT_EQ(shown.pixel(at) & 0xFFFFFF,
                  static_cast<QRgb>((0x40 << 16) | ((at.y() / 3) << 8) | (at.x() / 3)))
            << at.x() << "," << at.y();
    }

    window.resize(40000, 40000);
    EXPECT_LE(window.width(), window.screen()->virtualSize().width()) << "no window past the desktop";
    window.SetEvents(nullptr);
    delete owner;
}

}  // namespace
}  // namespace palvo
