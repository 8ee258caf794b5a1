#include "dialogs/NmListBitmap.h"

#include "dialogs/NmDlgResources.h"

#include <array>
#include <cmath>

namespace {

using Art = std::array<const char*, 16>;

// The 16-colour palette; '.' is the light-grey mask colour (transparent in the image lists).
QRgb palette(char c) {
    switch (c) {
    case 'k':
        return qRgb(0x00, 0x00, 0x00); // black
    case 'm':
        return qRgb(0x80, 0x00, 0x00); // maroon
    case 'g':
        return qRgb(0x00, 0x80, 0x00); // green
    case 'o':
        return qRgb(0x80, 0x80, 0x00); // olive
    case 'n':
        return qRgb(0x00, 0x00, 0x80); // navy
    case 'p':
        return qRgb(0x80, 0x00, 0x80); // purple
    case 't':
        return qRgb(0x00, 0x80, 0x80); // teal
    case 'd':
        return qRgb(0x80, 0x80, 0x80); // dark grey
    case 'r':
        return qRgb(0xFF, 0x00, 0x00); // red
    case 'l':
        return qRgb(0x00, 0xFF, 0x00); // lime
    case 'y':
        return qRgb(0xFF, 0xFF, 0x00); // yellow
    case 'b':
        return qRgb(0x00, 0x00, 0xFF); // blue
    case 'f':
        return qRgb(0xFF, 0x00, 0xFF); // fuchsia
    case 'a':
        return qRgb(0x00, 0xFF, 0xFF); // aqua
    case 'w':
        return qRgb(0xFF, 0xFF, 0xFF); // white
    default:
        return qRgb(0xC0, 0xC0, 0xC0); // light grey: the mask
    }
}

// A managed object: a sheet with a folded corner and lines of text. `#` is the outline, `-`
// the text lines, `w` the paper.
constexpr Art kObject = {
    "................", "..#########.....", "..#wwwwwww##....", "..#wwwwwww#w#...",
    "..#wwwwwww####..", "..#wwwwwwwwww#..", "..#w------www#..", "..#wwwwwwwwww#..",
    "..#w--------w#..", "..#wwwwwwwwww#..", "..#w-----wwww#..", "..#wwwwwwwwww#..",
    "..#w--------w#..", "..#wwwwwwwwww#..", "..############..", "................",
};

// The change mark of the set dialog: a pencil in the lower left corner.
constexpr Art kPencil = {
    "................", "................", "................", "................",
    "................", "................", "..........kk....", ".........krrk...",
    "........kyrk....", ".......kyyk.....", "......kyyk......", ".....kyyk.......",
    "....kwyk........", "....kwk.........", "....kk..........", "................",
};

// The editable port cell: a sunken white check box holding a green tick.
constexpr Art kCheckBox = {
    "................", ".dddddddddddddw.", ".dkkkkkkkkkkk.w.",  ".dkwwwwwwwwwwww.",
    ".dkwwwwwwwwwgww.", ".dkwwwwwwwwggww.", ".dkwgwwwwwgggww.",  ".dkwggwwwgggwww.",
    ".dkwgggwgggwwww.", ".dkwwgggggwwwww.", ".dkwwwgggwwwwww.",  ".dkwwwwgwwwwwww.",
    ".dkwwwwwwwwwwww.", ".dkwwwwwwwwwwww.", ".dwwwwwwwwwwwwww.", "................",
};

// Its toggle mark: the box's inside painted over white with a red cross.
constexpr Art kCross = {
    "................", "................", "................", "...wwwwwwwwwww..",
    "...wrrwwwwwwrrw.", "...wrrrwwwwrrrw.", "...wwrrrwwrrrww.", "...wwwrrrrrrwww.",
    "...wwwwrrrrwwww.", "...wwwrrrrrrwww.", "...wwrrrwwrrrww.", "...wrrrwwwwrrrw.",
    "...wrrwwwwwwrrw.", "...wwwwwwwwwwww.", "................", "................",
};

void drawArt(QImage& image, int index, const Art& art, char outline = 'k', char lines = 'd') {
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            char c = art[std::size_t(y)][x];
            if (c == '#')
                c = outline;
            else if (c == '-')
                c = lines;
            image.setPixel(index * 16 + x, y, palette(c));
        }
}

// A round lamp of radius 6 in `fill`, outlined in `rim`, with a white glint at the upper left.
void drawLamp(QImage& image, int index, char fill, char rim) {
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            double d = std::hypot(x - 7.5, y - 7.5);
            char c = '.';
            if (d <= 5.0)
                c = fill;
            else if (d <= 6.2)
                c = rim;
            if (std::hypot(x - 5.5, y - 5.5) <= 1.0)
                c = 'w';
            image.setPixel(index * 16 + x, y, palette(c));
        }
}

} // namespace

QImage DrawNmListImages() {
    QImage image(kNmListImageCount * kNmListImageSize, kNmListImageSize, QImage::Format_RGB32);
    image.fill(palette('.'));
    drawArt(image, 1, kObject);
    drawArt(image, 2, kObject, 'n', 'b');
    drawArt(image, 3, kPencil);
    drawLamp(image, 4, 'l', 'g'); // port state 1 (and the get dialog's change mark)
    drawLamp(image, 5, 'd', 'k'); // port state 2
    drawLamp(image, 6, 'y', 'o'); // port state 3
    drawLamp(image, 7, 'r', 'm'); // port state 4
    drawArt(image, 8, kCheckBox);
    drawArt(image, 9, kCross);
    return image;
}
