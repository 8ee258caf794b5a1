#include "module/res/PortBitmaps.h"

#include "module/res/BitmapPainting.h"
#include "module/res/PanelResources.h"
#include "platform/ui/GdiObjects.h"

using namespace Palette16;
using BitmapPainting::Make;

namespace {

// A selected port shows a bright yellow surround; an unselected one its grey metal frame.
QColor FrameColour(bool selected) {
    return selected ? kYellow : kGrey;
}

// An RJ-45 jack seen from the front: the opening with its contacts at the top and the latch
// notch at the bottom.
QImage Rj45(int w, int h, bool selected) {
    return Make(w, h, kSilver, [&](QPainter& p) {
        p.fillRect(0, 0, w, h, FrameColour(selected));
        p.fillRect(1, 1, w - 2, h - 2, selected ? kWhite : kSilver);
        int left = 3, right = w - 4, top = 3, bottom = h - 3;
        p.fillRect(QRect(QPoint(left, top), QPoint(right, bottom - 3)), kBlack);
        int notch = (w - 6) / 2;
        p.fillRect(QRect(QPoint(notch, bottom - 3), QPoint(w - 1 - notch, bottom)), kBlack);
        p.setPen(kYellow);
        for (int x = left + 2; x <= right - 2; x += 2)
            p.drawLine(x, top + 1, x, top + 2);
    });
}

// SC duplex: two square receptacles side by side, each with its ferrule in the middle.
QImage ScDuplex(bool selected) {
    return Make(31, 12, kSilver, [&](QPainter& p) {
        p.fillRect(0, 0, 31, 12, FrameColour(selected));
        p.fillRect(1, 1, 29, 10, selected ? kWhite : kSilver);
        for (int x : {2, 16}) {
            p.fillRect(x, 2, 13, 8, selected ? kAqua : kBlue);
            p.fillRect(x + 2, 3, 9, 6, kNavy);
            p.fillRect(x + 5, 5, 3, 2, kWhite);
        }
    });
}

// AUI: a 15-pin D-sub shell, wider at the top, with two rows of pins.
QImage Aui(bool selected) {
    return Make(29, 10, kGrey, [&](QPainter& p) {
        p.fillRect(0, 0, 29, 10, FrameColour(selected));
        QPolygon shell;
        shell << QPoint(1, 1) << QPoint(27, 1) << QPoint(24, 8) << QPoint(4, 8);
        p.setPen(selected ? kYellow : kSilver);
        p.setBrush(selected ? kWhite : kSilver);
        p.drawPolygon(shell);
        QPolygon opening;
        opening << QPoint(3, 2) << QPoint(25, 2) << QPoint(23, 7) << QPoint(5, 7);
        p.setPen(kBlack);
        p.setBrush(kBlack);
        p.drawPolygon(opening);
        p.setPen(kYellow);
        for (int i = 0; i < 8; ++i)
            p.drawPoint(6 + 2 * i + 1, 3);
        for (int i = 0; i < 7; ++i)
            p.drawPoint(8 + 2 * i, 6);
    });
}

// BNC: a round bayonet socket with its centre pin.
QImage Bnc(bool selected) {
    return Make(19, 18, kSilver, [&](QPainter& p) {
        p.fillRect(0, 0, 19, 18, FrameColour(selected));
        p.setPen(kBlack);
        p.setBrush(selected ? kWhite : kSilver);
        p.drawEllipse(QPoint(9, 9), 7, 7);
        p.setBrush(kBlack);
        p.drawEllipse(QPoint(9, 9), 4, 4);
        p.setPen(kYellow);
        p.drawPoint(9, 9);
    });
}

QImage Led(const QColor& colour, int w, int h) {
    return Make(w, h, colour, [&](QPainter&) {});
}

} // namespace

void RegisterPortBitmaps() {
    using namespace PanelBitmap;
    RegisterBitmapResource(kPortKind0, Bnc(false));
    RegisterBitmapResource(kPortKind0Selected, Bnc(true));
    RegisterBitmapResource(kPortKind1, Aui(false));
    RegisterBitmapResource(kPortKind1Selected, Aui(true));
    RegisterBitmapResource(kPortKind2, Rj45(19, 18, false));
    RegisterBitmapResource(kPortKind2Selected, Rj45(19, 18, true));
    RegisterBitmapResource(kPortKind3, Rj45(18, 14, false));
    RegisterBitmapResource(kPortKind3Selected, Rj45(18, 14, true));
    RegisterBitmapResource(kPortKind4, ScDuplex(false));
    RegisterBitmapResource(kPortKind4Selected, ScDuplex(true));
}

void RegisterLedBitmaps() {
    using namespace PanelBitmap;
    RegisterBitmapResource(kPortLed[0], Led(kGreen, 6, 4));
    RegisterBitmapResource(kPortLed[1], Led(kLime, 6, 4));
    RegisterBitmapResource(kPortLed[2], Led(kGrey, 6, 4));
    RegisterBitmapResource(kPortLed[3],
                           Make(6, 4, kBlack, [](QPainter& p) { p.fillRect(1, 1, 4, 2, kLime); }));
    RegisterBitmapResource(kPortLed[4],
                           Make(6, 4, kYellow, [](QPainter& p) { p.fillRect(3, 0, 3, 4, kRed); }));
    RegisterBitmapResource(kStatusLedOff, Led(kGreen, 5, 4));
    RegisterBitmapResource(kStatusLedOn, Led(kLime, 5, 4));
}
