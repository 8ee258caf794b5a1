#include "module/res/BitmapPainting.h"

#include <QFont>

namespace BitmapPainting {

QImage Make(int width, int height, const QColor& background, const Painter& paint) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(background);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setRenderHint(QPainter::TextAntialiasing, false);
        paint(p);
    }
    return Palette16::Quantize(image);
}

void Bevel(QPainter& p, const QRect& r, const QColor& face, const QColor& light,
           const QColor& dark) {
    p.fillRect(r, face);
    p.setPen(light);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(dark);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

void Screw(QPainter& p, int cx, int cy) {
    p.setPen(Palette16::kBlack);
    p.setBrush(Palette16::kSilver);
    p.drawEllipse(QPoint(cx, cy), 3, 3);
    p.setPen(Palette16::kGrey);
    p.drawLine(cx - 2, cy, cx + 2, cy);
    p.setBrush(Qt::NoBrush);
}

void Label(QPainter& p, const QRect& r, const QString& text, const QColor& colour, int pixelSize,
           int flags) {
    QFont font("Liberation Sans");
    font.setPixelSize(pixelSize);
    font.setStyleStrategy(QFont::NoAntialias);
    // Bitmaps hold the same pixels at every screen scale: Qt turns hinting off under high-DPI
    // scaling unless asked, and unhinted small digits break ("1" draws as "L").
    font.setHintingPreference(QFont::PreferFullHinting);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(r, flags, text);
}

} // namespace BitmapPainting
