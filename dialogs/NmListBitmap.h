#pragma once
// Bitmap 130: the ten 16 × 16 images of the lists in one row, drawn pixel by pixel in the
// 16-colour palette on the light-grey mask colour.

#include <QImage>

QImage DrawNmListImages();
