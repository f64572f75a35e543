#pragma once

#include "glcalls.h"
#include "triangulate.h"

#include <QRawFont>

#include <array>

// The outline glyphs of labels and axis letters: filled outlines of a serif
// face, one em square to one unit, extruded into display lists.
namespace molvix {

constexpr GLuint kFontListBase = 1000;   // list of character code c is 1000 + c
constexpr int kGlyphCount = 128;         // character codes 0..127
constexpr float kGlyphDepth = 0.2f;      // extrusion, em units

// One character in em units, baseline on y = 0, y up.
struct GlyphOutline
{
    std::vector<Triangle> faces;    // the filled outline, counter-clockwise seen from +z
    std::vector<Contour> contours;  // the outline, filled area on the left of each contour
    float advance = 0;              // where the next character starts
};

// The serif face the glyphs come from (invalid if the system has none).
QRawFont serifFont();

// A character with no glyph in the font is empty, with no advance.
GlyphOutline glyphOutline(const QRawFont &font, char32_t code);

// Codes 0..127 of serifFont(), built once per process.
const std::array<GlyphOutline, kGlyphCount> &serifGlyphs();

// Issues the glyph in the current list or frame: the front face on z = 0
// facing +z, the back face on z = -depth, the side walls, then a move on by
// the advance along x.
void issueGlyph(GLCalls &gl, const GlyphOutline &glyph, float depth);

// Compiles lists base .. base + 127 from serifGlyphs().
void buildGlyphLists(GLCalls &gl, GLuint base);

} // namespace molvix
