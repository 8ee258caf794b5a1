#include "module/res/graphs/GraphBitmaps.h"

#include "platform/ui/GdiObjects.h"

#include <QImage>
#include <cstring>

namespace {

// The 16-colour palette, one letter per colour; '.' is the button face (silver).
QRgb PaletteColour(char c) {
    switch (c) {
    case 'k':
        return qRgb(0, 0, 0);
    case 'R':
        return qRgb(128, 0, 0);
    case 'G':
        return qRgb(0, 128, 0);
    case 'o':
        return qRgb(128, 128, 0);
    case 'n':
        return qRgb(0, 0, 128);
    case 'p':
        return qRgb(128, 0, 128);
    case 't':
        return qRgb(0, 128, 128);
    case 'g':
        return qRgb(128, 128, 128);
    case 'r':
        return qRgb(255, 0, 0);
    case 'l':
        return qRgb(0, 255, 0);
    case 'y':
        return qRgb(255, 255, 0);
    case 'b':
        return qRgb(0, 0, 255);
    case 'm':
        return qRgb(255, 0, 255);
    case 'c':
        return qRgb(0, 255, 255);
    case 'w':
        return qRgb(255, 255, 255);
    default:
        return qRgb(192, 192, 192);
    }
}

// clang-format off
// Glyphs, one string per row, the full size of the face; the edges are added around them.
const char* const kUpArrow[] = {
    "..............",
    "..............",
    "......kk......",
    ".....kkkk.....",
    "....kkkkkk....",
    "...kkkkkkkk...",
    "..............",
    "..............",
    "..............",
    "..............",
};
const char* const kDownArrow[] = {
    "..............",
    "..............",
    "...kkkkkkkk...",
    "....kkkkkk....",
    ".....kkkk.....",
    "......kk......",
    "..............",
    "..............",
    "..............",
    "..............",
};
const char* const kPalette[] = {
    "................",
    "................",
    "..kkkkkkkkkkkk..",
    "..krrrrrkbbbbk..",
    "..krrrrrkbbbbk..",
    "..krrrrrkbbbbk..",
    "..krrrrrkbbbbk..",
    "..krrrrrkbbbbk..",
    "..kkkkkkkkkkkk..",
    "..kyyyyykllllk..",
    "..kyyyyykllllk..",
    "..kyyyyykllllk..",
    "..kyyyyykllllk..",
    "..kkkkkkkkkkkk..",
    "................",
    "................",
};
const char* const kGrid[] = {
    "................",
    "................",
    "..kkkkkkkkkkkk..",
    "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..",
    "..kgwgwgwgwgwk..",
    "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..",
    "..kgwgwgwgwgwk..",
    "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..",
    "..kgwgwgwgwgwk..",
    "..kwwwwwwwwwwk..",
    "..kkkkkkkkkkkk..",
    "................",
    "................",
};
const char* const kProbe[] = {
    "................",
    "................",
    "........rrr.....",
    "..kkkkkkkrkkkk..",
    "..kwwwwwwrwwwk..",
    "..kwwwwwwrwwwk..",
    "..kwwwwwwrwbbk..",
    "..kwwbwwwrbwwk..",
    "..kwbwbwwbwwwk..",
    "..kbwwwbbrwwwk..",
    "..kwwwwwwrwwwk..",
    "..kwwwwwwrwwwk..",
    "..kwwwwwwrwwwk..",
    "..kkkkkkkkkkkk..",
    "................",
    "................",
};

// clang-format on

// A button face: the glyph on the face colour with a 2-pixel 3-D edge. Pressed, the edge is
// sunk and the glyph moves one pixel right and down.
QImage Face(const char* const* glyph, int w, int h, bool down) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(PaletteColour('.'));
    int shift = down ? 1 : 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            char c = glyph[y][x];
            int tx = x + shift, ty = y + shift;
            if (c != '.' && tx < w - 2 && ty < h - 2)
                image.setPixel(tx, ty, PaletteColour(c));
        }
    QRgb outerLight = PaletteColour(down ? 'k' : 'w'), outerDark = PaletteColour(down ? 'w' : 'k');
    QRgb innerDark = PaletteColour('g');
    for (int x = 0; x < w; ++x) {
        image.setPixel(x, 0, outerLight);
        image.setPixel(x, h - 1, outerDark);
        if (x > 0 && x < w - 1)
            image.setPixel(x, down ? 1 : h - 2, innerDark);
    }
    for (int y = 0; y < h; ++y) {
        image.setPixel(0, y, y == h - 1 ? outerDark : outerLight);
        image.setPixel(w - 1, y, y == 0 && !down ? outerLight : outerDark);
        if (y > 0 && y < h - 1)
            image.setPixel(down ? 1 : w - 2, y, innerDark);
    }
    return image;
}

struct FacePair {
    UINT upId;
    const char* const* glyph;
    int w, h;
};
constexpr FacePair kFaces[] = {
    {IDB_COLOR_UP, kPalette, 16, 16}, {IDB_PROBE_UP, kProbe, 16, 16},
    {IDB_GRID_UP, kGrid, 16, 16},     {IDB_NARROW_UP, kDownArrow, 14, 10},
    {IDB_WIDEN_UP, kUpArrow, 14, 10},
};

} // namespace

void RegisterGraphBitmaps() {
    for (const FacePair& f : kFaces) {
        RegisterBitmapResource(f.upId, Face(f.glyph, f.w, f.h, false));
        RegisterBitmapResource(f.upId - 1, Face(f.glyph, f.w, f.h, true));
    }
}
