#pragma once
// The sixteen colours every bitmap of the program is drawn in, and the conversion that keeps a
// drawn image to them.

#include <QColor>
#include <QImage>
#include <QVector>

namespace Palette16 {
const QColor kBlack(0, 0, 0), kMaroon(128, 0, 0), kGreen(0, 128, 0), kOlive(128, 128, 0),
    kNavy(0, 0, 128), kPurple(128, 0, 128), kTeal(0, 128, 128), kGrey(128, 128, 128),
    kSilver(192, 192, 192), kRed(255, 0, 0), kLime(0, 255, 0), kYellow(255, 255, 0),
    kBlue(0, 0, 255), kFuchsia(255, 0, 255), kAqua(0, 255, 255), kWhite(255, 255, 255);

QVector<QRgb> ColourTable();
// Each pixel becomes the nearest of the sixteen colours (no dithering).
QImage Quantize(const QImage& drawn);
} // namespace Palette16
