#include "module/res/ChassisBitmap.h"

#include "module/layout/PanelLayout.h"
#include "module/res/BitmapPainting.h"
#include "module/res/PanelResources.h"
#include "platform/ui/GdiObjects.h"
#include "platform/ui/Icons.h"

using namespace Palette16;
using BitmapPainting::Bevel;
using BitmapPainting::Label;
using BitmapPainting::Make;
using BitmapPainting::Screw;

namespace {

constexpr int kWidth = 495;
constexpr int kHeight = 144;
constexpr int kLeftEar = 14; // rack ear widths
constexpr int kRightEar = 5;

void RackEars(QPainter& p) {
    Bevel(p, QRect(0, 0, kLeftEar, kHeight), kGrey, kSilver, kBlack);
    Bevel(p, QRect(kWidth - kRightEar, 0, kRightEar, kHeight), kGrey, kSilver, kBlack);
    for (int y : {18, kHeight - 19}) {
        // Oval mounting slots.
        p.setPen(kBlack);
        p.setBrush(kBlack);
        p.drawRoundedRect(3, y - 4, 7, 9, 3, 3);
        p.fillRect(kWidth - 4, y - 3, 3, 7, kBlack);
    }
    p.setBrush(Qt::NoBrush);
}

// The bays: dark recesses the modules slide into.
void Bays(QPainter& p) {
    const QSize sizes[4] = {QSize(338, 33), QSize(338, 33), QSize(170, 33), QSize(170, 33)};
    for (int slot = 0; slot < kPanelSlots; ++slot) {
        QRect bay(QPoint(kSlotOrigins[slot].x, kSlotOrigins[slot].y), sizes[slot]);
        p.fillRect(bay.adjusted(-1, -1, 1, 1), kBlack);
        p.fillRect(bay, kGrey);
    }
}

// The left-hand part: the name plate, a vent grille and the console port.
void ControlSection(QPainter& p) {
    Label(p, QRect(20, 6, 120, 14), "TAUREL", kWhite, 13, Qt::AlignLeft | Qt::AlignVCenter);
    Label(p, QRect(20, 20, 125, 10), "SW-2800 Ethernet Switch", kSilver, 8,
          Qt::AlignLeft | Qt::AlignVCenter);
    p.setPen(kGrey);
    for (int y = 40; y < 96; y += 4)
        p.drawLine(24, y, 136, y);
    // Console: a DB-9 shell with its label.
    QPolygon shell;
    shell << QPoint(40, 110) << QPoint(72, 110) << QPoint(68, 122) << QPoint(44, 122);
    p.setPen(kSilver);
    p.setBrush(kGrey);
    p.drawPolygon(shell);
    p.setBrush(Qt::NoBrush);
    p.setPen(kYellow);
    for (int i = 0; i < 5; ++i)
        p.drawPoint(46 + 5 * i, 114);
    for (int i = 0; i < 4; ++i)
        p.drawPoint(48 + 5 * i, 118);
    Label(p, QRect(30, 124, 52, 9), "CONSOLE", kSilver, 7);
    // Power switch.
    Bevel(p, QRect(98, 108, 22, 14), kSilver, kWhite, kGrey);
    p.fillRect(101, 111, 8, 8, kRed);
    Label(p, QRect(88, 124, 42, 9), "POWER", kSilver, 7);
}

// The strip above the bays: the agent LED and the eight status LEDs with their labels.
void StatusStrip(QPainter& p) {
    p.fillRect(kAgentLedPosition.x - 1, kAgentLedPosition.y - 1, 8, 6, kBlack);
    Label(p, QRect(kAgentLedPosition.x + 9, 11, 40, 10), "AGENT", kSilver, 7, Qt::AlignLeft);
    CPoint first = StatusLedPosition(0);
    CPoint last = StatusLedPosition(7);
    p.fillRect(first.x - 2, first.y - 2, last.x - first.x + 9, 8, kBlack);
    Label(p, QRect(first.x - 10, 10, last.x - first.x + 25, 10), "STATUS", kSilver, 7);
    Label(p, QRect(last.x + 10, 18, 60, 10), "1-8", kSilver, 7, Qt::AlignLeft);
}

} // namespace

void RegisterChassisBitmap() {
    QImage chassis = Make(kWidth, kHeight, kBlack, [](QPainter& p) {
        p.setPen(kGrey);
        p.drawRect(kLeftEar, 0, kWidth - kLeftEar - kRightEar - 1, kHeight - 1);
        RackEars(p);
        ControlSection(p);
        StatusStrip(p);
        Bays(p);
    });
    RegisterBitmapResource(PanelBitmap::kChassis, chassis);
}

void RegisterModuleIcon() {
    // A small rack switch: dark body, a row of green-lit jacks.
    QImage icon = Make(32, 32, kNavy, [](QPainter& p) {
        p.fillRect(0, 0, 32, 32, kTeal);
        Bevel(p, QRect(1, 9, 30, 14), kBlack, kGrey, kBlack);
        for (int i = 0; i < 6; ++i) {
            p.fillRect(4 + 4 * i, 15, 3, 4, kSilver);
            p.fillRect(4 + 4 * i, 12, 3, 2, i % 2 ? kLime : kGreen);
        }
        p.fillRect(2, 10, 1, 12, kSilver);
        p.fillRect(29, 10, 1, 12, kSilver);
    });
    RegisterIconResource(kModuleIconId, icon);
}
