#include "glyphs.h"

#include <QFont>
#include <QFontDatabase>
#include <QPainterPath>

#include <cmath>

namespace molvix {
namespace {

// Outlines are flattened at this size in pixels and then scaled to the em:
// Qt flattens curves to half a pixel, so the em must be large to keep
// round letters round.
constexpr qreal kFlattenPixels = 128;

} // namespace

QRawFont serifFont()
{
    const QStringList families = QFontDatabase::families();
    for (const char *name : {"Liberation Serif", "DejaVu Serif", "Times", "Times New Roman"}) {
        const QString family = QString::fromLatin1(name);
        if (!families.contains(family)) {
            continue;
        }
        QFont font(family);
        font.setStyleStrategy(QFont::PreferOutline);
        font.setPixelSize(static_cast<int>(kFlattenPixels));
        const QRawFont raw = QRawFont::fromFont(font);
        if (raw.isValid()) {
            return raw;
        }
    }
    QFont fallback;
    fallback.setStyleHint(QFont::Serif, QFont::PreferOutline);
    fallback.setPixelSize(static_cast<int>(kFlattenPixels));
    return QRawFont::fromFont(fallback);
}

GlyphOutline glyphOutline(const QRawFont &font, char32_t code)
{
    GlyphOutline glyph;
    if (!font.isValid()) {
        return glyph;
    }
    const QList<quint32> indexes = font.glyphIndexesForString(QString::fromUcs4(&code, 1));
    if (indexes.size() != 1 || indexes.front() == 0) {
        return glyph;
    }
    const qreal em = font.pixelSize();
    const QList<QPointF> advances = font.advancesForGlyphIndexes(indexes);
    if (!advances.isEmpty()) {
        glyph.advance = static_cast<float>(advances.front().x() / em);
    }
    // Font outlines have y down; the scene has y up.
    std::vector<Contour> contours;
    for (const QPolygonF &polygon : font.pathForGlyph(indexes.front()).toSubpathPolygons()) {
        Contour c;
        c.reserve(static_cast<size_t>(polygon.size()));
        for (const QPointF &p : polygon) {
            c.push_back({p.x() / em, -p.y() / em});
        }
        contours.push_back(std::move(c));
    }
    glyph.faces = triangulateContours(contours);
    glyph.contours = orientByNesting(contours);
    return glyph;
}

const std::array<GlyphOutline, kGlyphCount> &serifGlyphs()
{
    static const std::array<GlyphOutline, kGlyphCount> glyphs = [] {
        std::array<GlyphOutline, kGlyphCount> all;
        const QRawFont font = serifFont();
        for (int c = 0; c < kGlyphCount; ++c) {
            all[static_cast<size_t>(c)] = glyphOutline(font, static_cast<char32_t>(c));
        }
        return all;
    }();
    return glyphs;
}

void issueGlyph(GLCalls &gl, const GlyphOutline &glyph, float depth)
{
    const auto vertex = [&gl](const Point2 &p, float z) {
        gl.vertex(static_cast<float>(p.x), static_cast<float>(p.y), z);
    };
    // The view culls faces wound counter-clockwise on screen (its front
    // faces are clockwise), so each face is issued clockwise as seen from
    // outside the letter.
    if (!glyph.faces.empty()) {
        gl.begin(GL_TRIANGLES);
        gl.normal(0.0f, 0.0f, 1.0f);
        for (const Triangle &t : glyph.faces) {
            vertex(t.a, 0.0f);
            vertex(t.c, 0.0f);
            vertex(t.b, 0.0f);
        }
        gl.normal(0.0f, 0.0f, -1.0f);
        for (const Triangle &t : glyph.faces) {
            vertex(t.a, -depth);
            vertex(t.b, -depth);
            vertex(t.c, -depth);
        }
        gl.end();
    }
    if (!glyph.contours.empty()) {
        gl.begin(GL_QUADS);
        for (const Contour &c : glyph.contours) {
            for (size_t i = 0; i < c.size(); ++i) {
                const Point2 &a = c[i];
                const Point2 &b = c[(i + 1) % c.size()];
                const double dx = b.x - a.x;
                const double dy = b.y - a.y;
                const double length = std::hypot(dx, dy);
                // The filled area is on the left of a -> b: outward is right.
                gl.normal(static_cast<float>(dy / length), static_cast<float>(-dx / length), 0.0f);
                vertex(a, 0.0f);
                vertex(b, 0.0f);
                vertex(b, -depth);
                vertex(a, -depth);
            }
        }
        gl.end();
    }
    gl.translate(glyph.advance, 0.0f, 0.0f);
}

void buildGlyphLists(GLCalls &gl, GLuint base)
{
    const std::array<GlyphOutline, kGlyphCount> &glyphs = serifGlyphs();
    for (int c = 0; c < kGlyphCount; ++c) {
        gl.newList(base + static_cast<GLuint>(c), GL_COMPILE);
        issueGlyph(gl, glyphs[static_cast<size_t>(c)], kGlyphDepth);
        gl.endList();
    }
}

} // namespace molvix
