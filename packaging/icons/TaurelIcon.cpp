#include "packaging/icons/TaurelIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace {

const QColor kTileTop(0x1f, 0x9e, 0x9a);
const QColor kTileBottom(0x0b, 0x5e, 0x66);
const QColor kChassis(0x22, 0x27, 0x2e);
const QColor kChassisEdge(0x9a, 0xa4, 0xae);
const QColor kJack(0xc8, 0xce, 0xd4);
const QColor kJackMouth(0x30, 0x36, 0x3c);
const QColor kLedLink(0x3c, 0xe0, 0x4a);
const QColor kLedActivity(0xf2, 0xc3, 0x1b);

} // namespace

int IconPortCount(int size) {
    // About eight pixels per port keeps a jack and its LED apart down to 16 pixels.
    return std::clamp(size / 8, 2, 8);
}

QImage DrawTaurelIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;

    QLinearGradient tile(0, 0, 0, s);
    tile.setColorAt(0, kTileTop);
    tile.setColorAt(1, kTileBottom);
    QPainterPath tilePath;
    tilePath.addRoundedRect(QRectF(0, 0, s, s), s * 0.18, s * 0.18);
    p.fillPath(tilePath, tile);

    // The chassis spans the tile with a margin, its height a third of the icon.
    const QRectF chassis(s * 0.06, s * 0.32, s * 0.88, s * 0.38);
    p.setPen(QPen(kChassisEdge, std::max(1.0, s / 48)));
    p.setBrush(kChassis);
    p.drawRoundedRect(chassis, s * 0.03, s * 0.03);

    const int ports = IconPortCount(size);
    const qreal pitch = chassis.width() * 0.86 / ports;
    const qreal left = chassis.left() + (chassis.width() - pitch * ports) / 2;
    const qreal jackWidth = pitch * 0.7;
    const qreal ledHeight = std::max(1.0, chassis.height() * 0.14);
    const qreal jackTop = chassis.top() + chassis.height() * 0.42;
    const qreal jackHeight = chassis.height() * 0.42;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < ports; ++i) {
        const qreal x = left + i * pitch + (pitch - jackWidth) / 2;
        p.setBrush(i % 3 == 1 ? kLedActivity : kLedLink);
        p.drawRect(QRectF(x, chassis.top() + chassis.height() * 0.16, jackWidth, ledHeight));
        p.setBrush(kJack);
        p.drawRect(QRectF(x, jackTop, jackWidth, jackHeight));
        if (size >= 32) {
            p.setBrush(kJackMouth);
            p.drawRect(QRectF(x + jackWidth * 0.2, jackTop + jackHeight * 0.35, jackWidth * 0.6,
                              jackHeight * 0.5));
        }
    }

    // A counter curve above the chassis says "monitoring" where there is room for it.
    if (size >= 48) {
        QPainterPath curve;
        curve.moveTo(s * 0.12, s * 0.24);
        curve.cubicTo(s * 0.3, s * 0.06, s * 0.42, s * 0.28, s * 0.56, s * 0.16);
        curve.cubicTo(s * 0.68, s * 0.06, s * 0.78, s * 0.2, s * 0.88, s * 0.1);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kLedLink, s / 28, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(curve);
    }
    return image;
}
