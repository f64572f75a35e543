#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>

#include <cstdint>
#include <memory>

// A classic 2-D drawing surface over a QImage: one pen, one brush and one
// font whose settings persist from one call to the next (and from frame to
// frame), a current pen position for moveTo/lineTo, and shapes given by a
// (left, top, right, bottom) rectangle whose right and bottom edges are
// excluded. Drawing is pixel-exact (no antialiasing).
class Vx3DCanvas
{
public:
    // Pen styles, by code.
    enum PenStyle : uint8_t { PsSolid, PsDash, PsDot, PsDashDot, PsDashDotDot, PsClear, PsInsideFrame };
    // Brush styles, by code.
    enum BrushStyle : uint8_t {
        BsSolid,
        BsClear,
        BsHorizontal,
        BsVertical,
        BsFDiagonal,
        BsBDiagonal,
        BsCross,
        BsDiagCross
    };

    explicit Vx3DCanvas(QImage *image = nullptr);
    ~Vx3DCanvas();
    Vx3DCanvas(const Vx3DCanvas &) = delete;
    Vx3DCanvas &operator=(const Vx3DCanvas &) = delete;

    // The image drawn on; may be replaced (after end()) or be null.
    void setImage(QImage *image);
    QImage *image() const { return m_image; }

    // Ends the painter on the image; needed before the image is resized or
    // replaced. Drawing calls begin it again on demand.
    void end();

    void setPenColor(uint32_t color);
    void setPenStyle(uint8_t style);
    void setPenWidth(int width);
    // A colour given to a clear brush makes it solid again, so a fill that
    // follows a hollow shape still fills.
    void setBrushColor(uint32_t color);
    void setBrushStyle(uint8_t style);
    void setFontColor(uint32_t color);
    void setFontHeight(int height);

    uint32_t penColor() const { return m_penColor; }
    uint8_t penStyle() const { return m_penStyle; }
    int penWidth() const { return m_penWidth; }
    uint32_t brushColor() const { return m_brushColor; }
    uint8_t brushStyle() const { return m_brushStyle; }
    uint32_t fontColor() const { return m_fontColor; }
    int fontHeight() const { return m_fontHeight; }
    QPoint penPos() const { return m_penPos; }

    void moveTo(int x, int y);
    // Ends may lie anywhere in the int range: a line reaching far off the
    // canvas is cut to a guard band around it, so what shows lies on the
    // true line.
    void lineTo(int x, int y);
    void ellipse(int left, int top, int right, int bottom);
    void rectangle(int left, int top, int right, int bottom);
    // Corners may lie anywhere in the int range, as for lineTo.
    void polygon(const QPoint *points, int count);
    void textOut(int x, int y, const QString &text);
    // Fills with the brush only; the pen is not used.
    void fillRect(const QRect &rect);
    // Fills solid in the brush colour whatever the brush style, which is
    // kept for what follows: a background must cover the whole frame.
    void fillSolid(const QRect &rect);
    // Copies source's rectangle onto dest of this canvas, replacing pixels.
    void copyRect(const QRect &dest, Vx3DCanvas &source, const QRect &sourceRect);

    // Converts a 0x00BBGGRR colour (red in the low byte).
    static QColor toQColor(uint32_t color);

    // Shape corners far off the canvas are pulled in to a range the
    // rasterizer takes safely; what lies on the canvas is unchanged.
    static constexpr int64_t kCoordLimit = int64_t(1) << 24;
    static int clampCoord(int64_t v)
    {
        return static_cast<int>(v < -kCoordLimit ? -kCoordLimit : (v > kCoordLimit ? kCoordLimit : v));
    }

private:
    QPainter *painter();
    void applyPen();
    void applyBrush();
    void applyFont();
    QRect frameRect(int left, int top, int right, int bottom) const;
    QRectF guardRect() const;

    QImage *m_image = nullptr;
    std::unique_ptr<QPainter> m_painter;
    bool m_penDirty = true;
    bool m_brushDirty = true;

    uint32_t m_penColor = 0;
    uint8_t m_penStyle = PsSolid;
    int m_penWidth = 1;
    uint32_t m_brushColor = 0xFFFFFF;
    uint8_t m_brushStyle = BsSolid;
    uint32_t m_fontColor = 0;
    int m_fontHeight = 0;
    QPoint m_penPos;
};
