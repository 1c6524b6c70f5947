#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>

#include "app/main_window.h"
#include "config/settings_dialog.h"
#include "config/settings_dialog_layout.h"
#include "platform/headless/fake_environment.h"
#include "platform/headless/scripted_common_dialogs.h"
#include "platform/headless/scripted_message_boxes.h"
#include "platform/paths.h"
#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_entropy.h"
#include "platform/qt/qt_environment.h"
#include "platform/qt/qt_event_pump.h"
#include "platform/qt/qt_main_window_view.h"
#include "platform/qt/qt_picture_surface.h"
#include "platform/qt/qt_settings_dialog.h"
#include "platform/qt/qt_settings_dialog_host.h"
#include "tests/qt/qt_test_application.h"
#include "tests/qt/shipped_pictures.h"
#include "tests/qt/visible_text.h"

namespace palvo {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const std::string& path)
{
    std::ifstream file(PathFromUtf8(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class QtSettingsDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestApplication();
        directory_ = fs::temp_directory_path() / "palvo_settings_dialog_qt_test" /
                     ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(directory_);
        fs::create_directories(directory_);
        config_ = std::make_unique<CConfig>(Utf8FromPath(directory_));
        config_->ReadConfig();
        ASSERT_TRUE(config_->WriteConfig());
    }

    void TearDown() override
    {
        dialog_.reset();
        view_.reset();
        fs::remove_all(directory_);
    }

    void Open()
    {
        view_ = std::make_unique<QtSettingsDialog>(nullptr, environment_.TwipsPerPixelY());
        dialog_ = std::make_unique<SettingsDialog>(*config_, *view_, dialogs_, messages_, environment_);
        dialog_->FormLoad();
        view_->show();
    }

    template <typename Widget>
    Widget* Find(ControlId id)
    {
        auto* widget = qobject_cast<Widget*>(view_->Widget(id));
        EXPECT_NE(widget, nullptr) << id;
        return widget;
    }

    fs::path directory_;
    FakeEnvironment environment_{""};
    std::unique_ptr<CConfig> config_;
    ScriptedCommonDialogs dialogs_;
    ScriptedMessageBoxes messages_;
    std::unique_ptr<QtSettingsDialog> view_;
    std::unique_ptr<SettingsDialog> dialog_;
};

TEST_F(QtSettingsDialogTest, WidgetsFollowTheLayoutTable)
{
    Open();
    const WindowLayout layout = SettingsDialogLayout(15, 15);
    EXPECT_EQ(view_->windowTitle(), QStringLiteral("設定"));
    EXPECT_EQ(view_->size(), QSize(818, 399));
    for (const ControlLayout& placement : layout.controls) {
        SCOPED_TRACE(ControlName(placement.id));
        QWidget* widget = view_->Widget(placement.id);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->objectName().toStdString(), ControlName(placement.id));
        const QWidget* parent = !placement.parent ? view_.get() : view_->Widget(*placement.parent);
        EXPECT_EQ(widget->parentWidget(), parent);
        if (placement.kind == ControlKind::Label) {
            // Labels may grow to show their whole text in the stand-in font.
            EXPECT_EQ(widget->pos(), QPoint(placement.x, placement.y));
            EXPECT_EQ(widget->height(), placement.height);
            EXPECT_GE(widget->width(), placement.width);
            EXPECT_GE(widget->width(), widget->sizeHint().width());
        } else if (placement.id != Control::imgBgCap && placement.id != Control::spRhythmFast &&
                   placement.id != Control::spRhythmSlow) {
            EXPECT_EQ(widget->geometry(), QRect(placement.x, placement.y, placement.width, placement.height));
        }
        EXPECT_EQ(widget->isEnabled(), placement.enabled);
        const QString caption = QString::fromStdString(placement.caption);
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            EXPECT_EQ(button->text(), caption);
        } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
            EXPECT_EQ(frame->title(), caption);
        } else if (auto* label = qobject_cast<QLabel*>(widget); label != nullptr && !caption.isEmpty()) {
            EXPECT_EQ(label->text(), caption);
        }
    }
    // The preview fills its box inside the border.
    EXPECT_TRUE(
        view_->Widget(Control::picBgCap)->rect().contains(view_->Widget(Control::imgBgCap)->geometry()));
    EXPECT_EQ(view_->Widget(Control::spRhythmFast)->width(), 70);
    EXPECT_EQ(view_->Widget(Control::spRhythmSlow)->width(), 32);
    EXPECT_TRUE(Find<QRadioButton>(ControlId(Control::opNumSize, 2))->isChecked());
    EXPECT_TRUE(Find<QRadioButton>(ControlId(Control::opNumPos, 4))->isChecked());
    EXPECT_EQ(Find<QLabel>(Control::lbRhythmFast)->text(), QStringLiteral("20"));
    EXPECT_EQ(Find<QLineEdit>(Control::txtNumMax)->text(), QStringLiteral("72"));
    // Array elements by their names as written, counted from 0.
    const auto* last = view_->findChild<QLabel*>(QStringLiteral("lbtitle(11)"));
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->text(), QStringLiteral("10"));
    EXPECT_EQ(view_->findChild<QWidget*>(QStringLiteral("lbtitle(12)")), nullptr);
    EXPECT_TRUE(view_->findChild<QRadioButton*>(QStringLiteral("opNumPos(4)"))->isChecked());
}

TEST_F(QtSettingsDialogTest, EveryCaptionShowsWhole)
{
    Open();
    view_->show();
    ExpectEveryCaptionShowsWhole(*view_);
}

TEST_F(QtSettingsDialogTest, SaveThroughTheWidgetsChangesColourAndSize)
{
    Open();
    dialogs_.QueueColor(0x00FF0000);  // blue
    Find<QPushButton>(Control::cmdSelNumColor)->click();
    EXPECT_EQ(view_->Widget(Control::spNumColor)->palette().color(QPalette::Window), QColor(0, 0, 255));
    Find<QRadioButton>(ControlId(Control::opNumSize, 0))->click();
    EXPECT_FALSE(Find<QRadioButton>(ControlId(Control::opNumSize, 2))->isChecked());
    Find<QRadioButton>(ControlId(Control::opNumPos, 2))->click();
    Find<QPushButton>(Control::cmdRhythmFastUp)->click();
    EXPECT_EQ(Find<QLabel>(Control::lbRhythmFast)->text(), QStringLiteral("21"));
    EXPECT_EQ(view_->Widget(Control::spRhythmFast)->width(), 74);  // 1102.5 twips
    Find<QLineEdit>(Control::txtNumMax)->setText(QStringLiteral("50"));
    Find<QPushButton>(Control::cmdSaveSetting)->click();

    EXPECT_TRUE(messages_.Messages().empty());
    EXPECT_FALSE(view_->isVisible());
    EXPECT_EQ(view_->result(), QDialog::Accepted);
    CConfig reread(Utf8FromPath(directory_));
    reread.ReadConfig();
    EXPECT_EQ(reread.NumColor(), 0x00FF0000);
    EXPECT_EQ(reread.NumSizeIndex(), 0);
    EXPECT_EQ(reread.NumPosIndex(), 2);
    EXPECT_EQ(reread.NumMax(), 50);
    EXPECT_EQ(reread.RhythmFast(), 21);
}

TEST_F(QtSettingsDialogTest, InvalidHighestNumberKeepsTheDialogOpen)
{
    Open();
    Find<QLineEdit>(Control::txtNumMax)->setText(QStringLiteral("100"));
    Find<QPushButton>(Control::cmdSaveSetting)->click();
    ASSERT_EQ(messages_.Messages().size(), 1U);
    EXPECT_EQ(messages_.Messages()[0].text, "数字 最大値 設定範囲を超えています。   range : 1～99");
    EXPECT_TRUE(view_->isVisible());
}

TEST_F(QtSettingsDialogTest, PreviewShowsLoadablePicturesOnly)
{
    const std::string picture = Utf8FromPath(directory_ / "背景.bmp");
    QImage image(80, 60, QImage::Format_RGB32);
    image.fill(QColor(10, 200, 30));
    ASSERT_TRUE(image.save(QString::fromStdString(picture), "BMP"));
    const std::string broken = Utf8FromPath(directory_ / "broken.jpg");
    std::ofstream(PathFromUtf8(broken)) << "not a picture";

    config_->SetBackGroundImageFile(picture);
    Open();
    EXPECT_TRUE(view_->HasPreview());
    EXPECT_EQ(Find<QLabel>(Control::lbBgImgFile)->toolTip().toStdString(), picture);
    EXPECT_TRUE(Find<QLabel>(Control::lbBgImgFile)->text().endsWith(QStringLiteral("背景.bmp")));

    // A picture the display could not show either is refused; the previous one stays in view.
    dialogs_.QueueImageFile(broken);
    Find<QPushButton>(Control::cmdSelBgImage)->click();
    EXPECT_TRUE(view_->HasPreview());
    EXPECT_EQ(Find<QLabel>(Control::lbBgImgFile)->toolTip().toStdString(), picture);
    ASSERT_EQ(messages_.Messages().size(), 1u);
    EXPECT_EQ(messages_.Messages()[0].text, "背景画像の取得ができませんでした。");
}

TEST_F(QtSettingsDialogTest, HostRunsModallyAndTheCloseBoxStoresNothing)
{
    const std::string iniBefore = ReadBytes(config_->IniFilePath());
    const std::int32_t colorBefore = config_->NumColor();
    dialogs_.QueueColor(0x00FFFFFF);
    QtSettingsDialogHost host(dialogs_, messages_, environment_);
    bool sawDialog = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QtSettingsDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        sawDialog = dialog->isModal() && dialog->isVisible();
        qobject_cast<QPushButton*>(dialog->Widget(Control::cmdSelNumColor))->click();
        qobject_cast<QRadioButton*>(dialog->Widget(ControlId(Control::opNumSize, 1)))->click();
        dialog->close();  // the window's close box
    });
    host.RunSettingsDialog(*config_);
    EXPECT_TRUE(sawDialog);
    EXPECT_EQ(dialogs_.ColorRequests(), 1);
    EXPECT_EQ(config_->NumColor(), colorBefore);
    EXPECT_EQ(config_->NumSizeIndex(), 2);
    EXPECT_EQ(ReadBytes(config_->IniFilePath()), iniBefore);
}

class SilentSound : public Sound {
public:
    void Beep() override {}
    void PlayAsync(const std::string&) override {}
};

// Where an image shows one colour: how many pixels and how wide the area they span.
struct ColorArea {
    int count = 0;
    int left = 1 << 30;
    int right = -1;
};

ColorArea FindColor(const QImage& image, const QColor& color)
{
    ColorArea area;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == color) {
                ++area.count;
                area.left = std::min(area.left, x);
                area.right = std::max(area.right, x);
            }
        }
    }
    return area;
}

TEST(QtSettingsDialogProgramTest, MainWindowShowsTheSavedColourAndSize)
{
    TestApplication();
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    ASSERT_NO_FATAL_FAILURE(CopyShippedPictures(directory.path()));
    QtEnvironment environment(directory.path().toStdString(), 15.0);
    QtClock clock;
    QtEventPump pump;
    ScriptedMessageBoxes messages;
    SilentSound sound;
    QtEntropy entropy;
    ScriptedCommonDialogs dialogs;
    QtSettingsDialogHost host(dialogs, messages, environment);
    PlatformServices services{clock, pump, messages, sound, environment, entropy, host};
    QtMainWindowView view(environment);
    host.SetOwner(&view.Window());
    MainWindow window(view, services);
    ASSERT_TRUE(window.FormLoad());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view.Window()));

    const QColor orange(0xFF, 0x80, 0x00);
    const QColor blue(0x00, 0x00, 0xFF);
    auto display = [&view] { return static_cast<QtPictureSurface&>(view.Picture(Control::picBase)).Image(); };
    const ColorArea before = FindColor(display(), orange);
    ASSERT_GT(before.count, 0);

    dialogs.QueueColor(0x00FF0000);
    bool sawDialog = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QtSettingsDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        sawDialog = dialog->parentWidget() == &view.Window();
        QTest::mouseClick(dialog->Widget(Control::cmdSelNumColor), Qt::LeftButton);
        QTest::mouseClick(dialog->Widget(ControlId(Control::opNumSize, 0)), Qt::LeftButton);
        QTest::mouseClick(dialog->Widget(Control::cmdSaveSetting), Qt::LeftButton);
    });
    QTest::mouseClick(view.Widget(Control::cmdSetting), Qt::LeftButton);

    EXPECT_TRUE(sawDialog);
    EXPECT_TRUE(messages.Messages().empty());
    const ColorArea after = FindColor(display(), blue);
    EXPECT_EQ(FindColor(display(), orange).count, 0);
    EXPECT_GT(after.count, 0);
    EXPECT_LT(after.right - after.left, before.right - before.left);  // the small digits
    CConfig saved(directory.path().toStdString());
    saved.ReadConfig();
    EXPECT_EQ(saved.NumColor(), 0x00FF0000);
    EXPECT_EQ(saved.NumSizeIndex(), 0);
}

}  // namespace
}  // namespace palvo
