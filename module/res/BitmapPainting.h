#pragma once
// Small drawing helpers shared by the bitmap generators: every bitmap starts as an RGB image,
// is painted without antialiasing in the sixteen colours, and is registered by id.

#include "module/res/Palette16.h"

#include <QImage>
#include <QPainter>
#include <functional>

namespace BitmapPainting {

using Painter = std::function<void(QPainter&)>;

// A width × height image filled with `background`, then painted by `paint`, kept to the palette.
QImage Make(int width, int height, const QColor& background, const Painter& paint);
// A filled rectangle with a 1-pixel 3-D edge (light top-left, dark bottom-right).
void Bevel(QPainter& p, const QRect& r, const QColor& face, const QColor& light,
           const QColor& dark);
// A screw head: a small disc with a slot.
void Screw(QPainter& p, int cx, int cy);
// Small text in the panel's label font.
void Label(QPainter& p, const QRect& r, const QString& text, const QColor& colour,
           int pixelSize = 7, int flags = Qt::AlignCenter);

} // namespace BitmapPainting
