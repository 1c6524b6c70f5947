#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include "platform/qt/qt_picture_surface.h"
#include "tests/qt/qt_test_application.h"
#include "tests/support/picture_surface_contract.h"

namespace palvo {
namespace {

Pixel MakePixel(std::uint8_t blue, std::uint8_t green, std::uint8_t red)
{
    return Pixel{blue, green, red, 0};
}

bool SameColor(const Pixel& left, const Pixel& right)
{
    return left.blue == right.blue && left.green == right.green && left.red == right.red;
}

struct QtMaker {
    static std::unique_ptr<PictureSurface> Make(std::int32_t width, std::int32_t height,
                                                std::int32_t backColor)
    {
        TestApplication();
        auto box = std::make_unique<QtPictureSurface>();
        box->SetBackColor(QColor(backColor & 0xFF, (backColor >> 8) & 0xFF, (backColor >> 16) & 0xFF));
        if (width > 0 || height > 0) {
            box->SetBoxSize(width, height);
        }
        return box;
    }
};

class PictureSurfaceTest : public testing::Test {
protected:
    QApplication& application_ = TestApplication();
    QString Path(const char* name) const { return directory_.filePath(QString::fromLatin1(name)); }

    // A picture file of `width` x `height` whose pixel (x, y) has red x, green y, blue 7.
    std::string WritePicture(const char* name, int width, int height, const char* format)
    {
        QImage image(width, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                image.setPixel(x, y, qRgb(x % 256, y % 256, 7));
            }
        }
        EXPECT_TRUE(image.save(Path(name), format));
        return Path(name).toStdString();
    }

    QTemporaryDir directory_;
};

TEST_F(PictureSurfaceTest, WrittenBytesAreBlueGreenRedInTheImage)
{
    QtPictureSurface box;
    box.SetBoxSize(4, 3);
    PixelBuffer buffer(4, 3);
    buffer.At(1, 2) = MakePixel(0x10, 0x20, 0x30);
    buffer.At(3, 0) = MakePixel(0xFF, 0x80, 0x00);

    EXPECT_EQ(box.WriteImage(buffer), 3);
    EXPECT_EQ(box.Image().pixelColor(1, 2), QColor(0x30, 0x20, 0x10));
    EXPECT_EQ(box.Image().pixelColor(3, 0), QColor(0x00, 0x80, 0xFF));

    PixelBuffer read;
    ASSERT_TRUE(box.ReadImage(read));
    EXPECT_TRUE(SameColor(read.At(1, 2), buffer.At(1, 2)));
    EXPECT_TRUE(SameColor(read.At(3, 0), buffer.At(3, 0)));
}

// Records the areas a widget is asked to paint.
class PaintRecorder : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            painted |= static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
    QRegion painted;
};

TEST_F(PictureSurfaceTest, RefreshRepaintsTheRowsThatChanged)
{
    QtPictureSurface box;
    box.SetBackColor(Qt::black);
    box.SetBoxSize(40, 30);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    PaintRecorder recorder;
    box.installEventFilter(&recorder);

    PixelBuffer frame;
    ASSERT_TRUE(box.ReadImage(frame));
    for (int y = 10; y < 20; ++y) {
        frame.At(5 + y, y) = MakePixel(0, 0x80, 0xFF);
    }
    EXPECT_EQ(box.WriteImage(frame), 30);
    box.Refresh();
    QTest::qWait(50);
    EXPECT_EQ(recorder.painted.boundingRect(), QRect(0, 10, 40, 10));
    EXPECT_EQ(box.grab().toImage().pixelColor(20, 15), QColor(0xFF, 0x80, 0x00));

    // The same picture again changes nothing on screen.
    recorder.painted = QRegion();
    EXPECT_EQ(box.WriteImage(frame), 30);
    box.Refresh();
    QTest::qWait(50);
    EXPECT_TRUE(recorder.painted.isEmpty());

    // Clear changes everything.
    box.Clear();
    box.Refresh();
    QTest::qWait(50);
    EXPECT_EQ(recorder.painted.boundingRect(), QRect(0, 0, 40, 30));
    box.removeEventFilter(&recorder);
}

TEST_F(PictureSurfaceTest, LoadedPictureSizesTheBoxAndBecomesItsImage)
{
    for (const char* format : {"BMP", "JPG"}) {
        SCOPED_TRACE(format);
        const std::string path = WritePicture((std::string("picture.") + format).c_str(), 40, 30, format);
        QtPictureSurface box;
        box.SetBoxSize(800, 600);

        ASSERT_TRUE(box.LoadPicture(path));
        EXPECT_EQ(box.ImageWidth(), 40);
        EXPECT_EQ(box.ImageHeight(), 30);
        EXPECT_EQ(box.size(), QSize(40, 30));
        if (std::string(format) == "BMP") {
            PixelBuffer image;
            ASSERT_TRUE(box.ReadImage(image));
            EXPECT_TRUE(SameColor(image.At(39, 29), MakePixel(7, 29, 39)));
        }
        // A new size drops the picture and resizes the widget with the image.
        box.SetImageSize(30, 25);
        EXPECT_EQ(box.size(), QSize(30, 25));
    }
}

TEST_F(PictureSurfaceTest, LoadsGifPictures)
{
    // A 1 x 1 picture whose one pixel is white (Qt writes no GIF, so the bytes are spelled out).
    const unsigned char gif[] = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01, 0x00, 0x80, 0x00,
                                 0x00, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x2C, 0x00, 0x00, 0x00, 0x00,
                                 0x01, 0x00, 0x01, 0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3B};
    QFile file(Path("white.gif"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(gif), sizeof gif);
    file.close();

    QtPictureSurface box;
    box.SetBoxSize(10, 10);
    ASSERT_TRUE(box.LoadPicture(Path("white.gif").toStdString()));
    EXPECT_EQ(box.size(), QSize(1, 1));
    EXPECT_EQ(box.Image().pixelColor(0, 0), QColor(Qt::white));
}

// Every picture the program loads (background, bars, buttons, the dialog's preview) goes through
// LoadPictureFile: what is no regular file fails at once, never waiting for a writer, and a
// picture that ends early fails instead of showing in part.
TEST_F(PictureSurfaceTest, HostileAndPartPicturesFailAtOnce)
{
    ASSERT_EQ(::mkfifo(Path("pipe.jpg").toLocal8Bit().constData(), 0600), 0);
    ASSERT_TRUE(QDir(directory_.path()).mkdir(QStringLiteral("folder.bmp")));

    QByteArray bar("BM");
    const std::uint32_t header[] = {1000, 0, 54, 40, 800, 600};
    for (std::uint32_t value : header) bar.append(reinterpret_cast<const char*>(&value), 4);
    bar.append("\x01\x00\x18\x00", 4);  // one plane, 24 bits
    bar.append(QByteArray(1000 - bar.size(), '\0'));
    const auto cutShort = [this](const char* name, const QByteArray& bytes) {
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return Path(name).toStdString();
    };
    const auto firstPart = [](const std::string& path) {
        QFile file(QString::fromStdString(path));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        return bytes.left(bytes.size() * 2 / 3);
    };
    const std::string jpeg = WritePicture("whole.jpg", 64, 48, "JPG");
    // Qt writes no GIF; this one was made for the fuzzing seeds.
    const std::string gif = PALVO_SOURCE_DIR "/tests/fuzz/corpus/qt_picture_fuzz/small.gif";
    ASSERT_TRUE(LoadPictureFile(jpeg));
    ASSERT_TRUE(LoadPictureFile(gif));

    const std::string refused[] = {
        Path("pipe.jpg").toStdString(),
        Path("folder.bmp").toStdString(),
        "/dev/zero",
        cutShort("bar.bmp", bar),
        cutShort("cut.jpg", firstPart(jpeg)),
        cutShort("cut.gif", firstPart(gif)),
    };
    for (const std::string& path : refused) {
        SCOPED_TRACE(path);
        QtPictureSurface box;
        box.SetBoxSize(5, 4);
        EXPECT_FALSE(box.LoadPicture(path));
        EXPECT_EQ(box.ImageWidth(), 5);
        EXPECT_FALSE(LoadPictureFile(path));
    }
}

// A header that announces a huge picture must be refused from the header alone: the file
// carries no pixels, so decoding it could not succeed either way, but no 100000 x 100000
// allocation may be attempted.
TEST_F(PictureSurfaceTest, HugePictureIsRefusedFromItsHeader)
{
    QByteArray header;
    auto put = [&header](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            header.append(static_cast<char>((value >> (8 * i)) & 0xFF));
        }
    };
    header.append("BM");
    put(54, 4);
    put(0, 4);
    put(54, 4);
    put(40, 4);
    put(100000, 4);
    put(100000, 4);
    put(1, 2);
    put(24, 2);
    put(0, 4);
    put(0, 4);
    put(2835, 4);
    put(2835, 4);
    put(0, 4);
    put(0, 4);
    QFile file(Path("huge.bmp"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(header);
    file.close();

    QtPictureSurface box;
    box.SetBoxSize(3, 3);
    EXPECT_FALSE(box.LoadPicture(Path("huge.bmp").toStdString()));
    EXPECT_EQ(box.ImageWidth(), 3);
}

}  // namespace

namespace contract {
INSTANTIATE_TYPED_TEST_SUITE_P(Qt, PictureSurfaceContract, QtMaker);
}  // namespace contract

}  // namespace palvo
