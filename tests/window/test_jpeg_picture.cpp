// The two pictures of the saturation sheets and the JPEG decoder behind them.

#include "form_fixture.h"
#include "jpeg_picture.h"

#include <QFile>

namespace {

QByteArray resource(const char* path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
    return file.readAll();
}

// Mean colour of a picture, to tell water and sky from cloud.
QColor mean(const QImage& image) {
    double r = 0, g = 0, b = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            r += c.redF(), g += c.greenF(), b += c.blueF();
        }
    const double n = double(image.width()) * image.height();
    return QColor::fromRgbF(float(r / n), float(g / n), float(b / n));
}

using Pictures = FormTest;  // the window puts the pictures into its resources

TEST_F(Pictures, BothDecodeToTheirPixelSizes) {
    const QImage water = decodeJpeg(resource(":/pictures/water_wave.jpg"));
    EXPECT_EQ(water.size(), QSize(134, 107));
    EXPECT_GT(mean(water).blue(), mean(water).red() + 60) << "blue water";
    const QImage steam = decodeJpeg(resource(":/pictures/steam_cloud.jpg"));
    EXPECT_EQ(steam.size(), QSize(131, 100));
    EXPECT_GT(mean(steam).blue(), mean(steam).red() + 30) << "blue sky around the cloud";
    EXPECT_GT(mean(steam).lightnessF(), mean(water).lightnessF()) << "white steam";
}

TEST_F(Pictures, WindowShowsThemStretchedOnTheirSheets) {
    for (QLabel* box : {ui.Image1, ui.Image2}) {
        EXPECT_EQ(box->size(), QSize(130, 110));
        EXPECT_TRUE(box->hasScaledContents());
    }
    EXPECT_EQ(ui.Image1->pixmap().size(), QSize(134, 107));
    EXPECT_EQ(ui.Image2->pixmap().size(), QSize(131, 100));
}

TEST_F(Pictures, DataThatIsNotASoundJpegDecodesToNothing) {
    const QByteArray good = resource(":/pictures/water_wave.jpg");
    EXPECT_TRUE(decodeJpeg({}).isNull());
    EXPECT_TRUE(decodeJpeg("not a picture at all").isNull());
    EXPECT_TRUE(decodeJpeg(good.left(good.size() / 2)).isNull()) << "truncated";
    QByteArray badHeader = good;
    badHeader[3] = '\x00';  // breaks the first marker segment
    EXPECT_TRUE(decodeJpeg(badHeader).isNull());
    QByteArray noScan = good.left(300);  // header only
    EXPECT_TRUE(decodeJpeg(noScan).isNull());
}

}  // namespace
