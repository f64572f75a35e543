#include "canvas.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

constexpr uint32_t kRed = 0x0000FF;   // 0x00BBGGRR
constexpr uint32_t kBlue = 0xFF0000;
constexpr uint32_t kWhite = 0xFFFFFF;

class CanvasTest : public ::testing::Test
{
protected:
    CanvasTest() : image(40, 40, QImage::Format_RGB32), canvas(&image) { image.fill(Qt::black); }

    QRgb at(int x, int y)
    {
        canvas.end(); // make what was drawn visible in the image
        return image.pixel(x, y) | 0xFF000000u;
    }
    int countOf(QRgb colour)
    {
        canvas.end();
        int n = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                n += (image.pixel(x, y) | 0xFF000000u) == colour ? 1 : 0;
            }
        }
        return n;
    }

    QImage image;
    Vx3DCanvas canvas;
    const QRgb red = qRgb(255, 0, 0);
    const QRgb blue = qRgb(0, 0, 255);
    const QRgb black = qRgb(0, 0, 0);
};

TEST(CanvasColour, RedIsTheLowByte)
{
    EXPECT_EQ(Vx3DCanvas::toQColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(Vx3DCanvas::toQColor(0x808000), QColor(0, 128, 128));
    EXPECT_EQ(Vx3DCanvas::toQColor(0x00FFFF), QColor(255, 255, 0));
}

TEST_F(CanvasTest, RectangleExcludesItsRightAndBottomEdges)
{
    canvas.setPenColor(kRed);
    canvas.setBrushStyle(Vx3DCanvas::BsClear);
    canvas.rectangle(2, 3, 8, 9);
    EXPECT_EQ(at(2, 3), red);
    EXPECT_EQ(at(7, 8), red);
    EXPECT_EQ(at(7, 3), red);
    EXPECT_EQ(at(8, 5), black) << "right edge must be excluded";
    EXPECT_EQ(at(5, 9), black) << "bottom edge must be excluded";
    EXPECT_EQ(at(5, 5), black) << "a clear brush leaves the inside alone";
    EXPECT_EQ(countOf(red), 2 * 6 + 2 * 4);
}

TEST_F(CanvasTest, FilledEllipseStaysInsideItsRectangle)
{
    canvas.setPenColor(kBlue);
    canvas.setBrushColor(kBlue);
    canvas.setBrushStyle(Vx3DCanvas::BsSolid);
    canvas.ellipse(10, 10, 20, 20);
    EXPECT_EQ(at(15, 15), blue);
    EXPECT_EQ(at(10, 15), blue);
    EXPECT_EQ(at(19, 15), blue);
    EXPECT_EQ(at(20, 15), black);
    EXPECT_EQ(at(15, 20), black);
    EXPECT_EQ(at(10, 10), black) << "corners of the box lie outside the ellipse";
}

TEST_F(CanvasTest, SettingsPersistAcrossCalls)
{
    canvas.setPenColor(kRed);
    canvas.moveTo(0, 0);
    canvas.lineTo(10, 0);
    canvas.lineTo(10, 10); // same pen, continuing from the pen position
    EXPECT_EQ(canvas.penPos(), QPoint(10, 10));
    EXPECT_EQ(at(5, 0), red);
    EXPECT_EQ(at(10, 5), red);
    // State survives the painter ending (as between two frames).
    canvas.end();
    canvas.lineTo(20, 10);
    EXPECT_EQ(at(15, 10), red);
}

TEST_F(CanvasTest, ClearPenDrawsNothingButMovesThePen)
{
    canvas.setPenColor(kRed);
    canvas.setPenStyle(Vx3DCanvas::PsClear);
    canvas.moveTo(0, 5);
    canvas.lineTo(30, 5);
    EXPECT_EQ(canvas.penPos(), QPoint(30, 5));
    EXPECT_EQ(countOf(red), 0);
}

TEST_F(CanvasTest, ColourOnAClearBrushMakesItSolidSoFillsFill)
{
    canvas.setBrushStyle(Vx3DCanvas::BsClear);
    canvas.fillRect(QRect(0, 0, 40, 40));
    EXPECT_EQ(countOf(blue), 0);
    canvas.setBrushColor(kBlue);
    EXPECT_EQ(canvas.brushStyle(), Vx3DCanvas::BsSolid);
    canvas.fillRect(QRect(0, 0, 10, 10));
    EXPECT_EQ(countOf(blue), 100);
}

TEST_F(CanvasTest, HatchedBrushLeavesGapsBetweenItsLines)
{
    canvas.setBrushColor(kBlue);
    canvas.setBrushStyle(Vx3DCanvas::BsHorizontal);
    canvas.fillRect(QRect(0, 0, 40, 40));
    const int filled = countOf(blue);
    EXPECT_GT(filled, 0);
    EXPECT_LT(filled, 40 * 40);
}

TEST_F(CanvasTest, WidePenCoversPixelsBesideTheLine)
{
    canvas.setPenColor(kRed);
    canvas.setPenWidth(5);
    canvas.moveTo(5, 20);
    canvas.lineTo(35, 20);
    EXPECT_EQ(at(20, 18), red);
    EXPECT_EQ(at(20, 22), red);
    EXPECT_EQ(at(20, 25), black);
}

TEST_F(CanvasTest, TextSitsBelowAndRightOfItsPointOnTheBrushColour)
{
    canvas.setBrushColor(kBlue);
    canvas.setFontColor(kWhite);
    canvas.setFontHeight(12);
    canvas.textOut(5, 10, QStringLiteral("HH"));
    const QRgb white = qRgb(255, 255, 255);
    EXPECT_GT(countOf(white), 0);
    EXPECT_EQ(at(5, 10), blue) << "the text cell starts at its top-left point";
    for (int x = 0; x < 40; ++x) {
        EXPECT_NE(at(x, 9), white) << "nothing above the point, x = " << x;
        EXPECT_NE(at(x, 9), blue);
    }
}

TEST(CanvasFont, TheMostNegativeHeightIsAsLargeAsItsNeighbour)
{
    // Heights count by their size whatever the sign; INT32_MIN has no int32
    // opposite, and must not fall back to the smallest font.
    const auto draw = [](int height) {
        QImage image(40, 40, QImage::Format_RGB32);
        image.fill(Qt::black);
        Vx3DCanvas canvas(&image);
        canvas.setBrushColor(kBlue);
        canvas.setFontColor(kWhite);
        canvas.setFontHeight(height);
        canvas.textOut(0, 0, QStringLiteral("H"));
        canvas.end();
        return image;
    };
    EXPECT_EQ(draw(INT32_MIN), draw(INT32_MIN + 1));
    EXPECT_NE(draw(INT32_MIN), draw(1));
}

TEST_F(CanvasTest, CopyReplacesPixels)
{
    QImage other(40, 40, QImage::Format_RGB32);
    other.fill(QColor(0, 0, 255));
    Vx3DCanvas source(&other);
    canvas.copyRect(QRect(10, 10, 5, 5), source, QRect(10, 10, 5, 5));
    EXPECT_EQ(countOf(blue), 25);
    EXPECT_EQ(at(12, 12), blue);
    EXPECT_EQ(at(15, 15), black);
}

TEST(CanvasEmpty, NullImageTakesEveryCallWithoutDrawing)
{
    QImage empty;
    Vx3DCanvas canvas(&empty);
    canvas.setPenColor(kRed);
    canvas.moveTo(1, 1);
    canvas.lineTo(5, 5);
    canvas.ellipse(0, 0, 10, 10);
    canvas.rectangle(0, 0, 10, 10);
    const QPoint pts[3] = {{0, 0}, {5, 0}, {0, 5}};
    canvas.polygon(pts, 3);
    canvas.textOut(0, 0, QStringLiteral("x"));
    canvas.fillRect(QRect(0, 0, 4, 4));
    EXPECT_TRUE(empty.isNull());
    EXPECT_EQ(canvas.penPos(), QPoint(5, 5));
}

TEST(CanvasCoordinates, FarCoordinatesAreClampedNearOnesKept)
{
    EXPECT_EQ(Vx3DCanvas::clampCoord(123), 123);
    EXPECT_EQ(Vx3DCanvas::clampCoord(-123), -123);
    EXPECT_EQ(Vx3DCanvas::clampCoord(int64_t(1) << 40), Vx3DCanvas::kCoordLimit);
    EXPECT_EQ(Vx3DCanvas::clampCoord(-(int64_t(1) << 40)), -Vx3DCanvas::kCoordLimit);
}

} // namespace
