#include "module/res/Palette16.h"

namespace Palette16 {

QVector<QRgb> ColourTable() {
    const QColor all[16] = {kBlack,  kMaroon, kGreen, kOlive,  kNavy, kPurple,  kTeal, kGrey,
                            kSilver, kRed,    kLime,  kYellow, kBlue, kFuchsia, kAqua, kWhite};
    QVector<QRgb> table;
    for (const QColor& c : all)
        table.push_back(c.rgb());
    return table;
}

QImage Quantize(const QImage& drawn) {
    QImage indexed = drawn.convertToFormat(QImage::Format_Indexed8, ColourTable(),
                                           Qt::ThresholdDither | Qt::AvoidDither);
    return indexed.convertToFormat(QImage::Format_RGB32);
}

} // namespace Palette16
