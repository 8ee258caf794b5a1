#include "platform/ui/CImageList.h"

#include "platform/ui/GdiObjects.h"

BOOL CImageList::Create(UINT bitmapId, int cx, int, COLORREF mask) {
    CBitmap bitmap;
    if (cx <= 0 || !bitmap.LoadBitmap(bitmapId))
        return FALSE;
    const QImage& strip = bitmap.Image();
    QRgb transparent = qRgb(GetRValue(mask), GetGValue(mask), GetBValue(mask));
    m_images.clear();
    m_size = CSize(cx, strip.height());
    for (int x = 0; x + cx <= strip.width(); x += cx) {
        QImage image = strip.copy(x, 0, cx, strip.height()).convertToFormat(QImage::Format_ARGB32);
        for (int py = 0; py < image.height(); ++py)
            for (int px = 0; px < image.width(); ++px)
                if ((image.pixel(px, py) & 0xFFFFFF) == (transparent & 0xFFFFFF))
                    image.setPixel(px, py, qRgba(0, 0, 0, 0));
        m_images.push_back(image);
    }
    return TRUE;
}

BOOL CImageList::SetOverlayImage(int image, int overlay) {
    if (image < 0 || image >= GetImageCount() || overlay < 1 || overlay > 15)
        return FALSE;
    m_overlays[overlay] = image;
    return TRUE;
}

namespace {
// Mixes the opaque pixels with the highlight colour: a quarter or half of it.
QImage blended(const QImage& image, int percent) {
    QImage out = image;
    COLORREF h = GetSysColor(COLOR_HIGHLIGHT);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            QRgb p = out.pixel(x, y);
            if (qAlpha(p) == 0)
                continue;
            auto mix = [percent](int a, int b) {
                return (a * (100 - percent) + b * percent) / 100;
            };
            out.setPixel(x, y,
                         qRgba(mix(qRed(p), GetRValue(h)), mix(qGreen(p), GetGValue(h)),
                               mix(qBlue(p), GetBValue(h)), qAlpha(p)));
        }
    return out;
}
} // namespace

BOOL CImageList::Draw(CDC* dc, int image, POINT pt, UINT style) {
    if (!dc || image < 0 || image >= GetImageCount())
        return FALSE;
    int percent = (style & ILD_BLEND50) ? 50 : (style & ILD_BLEND25) ? 25 : 0;
    auto draw = [&](int index) {
        const QImage& img = m_images[std::size_t(index)];
        dc->DrawImage(pt.x, pt.y, percent ? blended(img, percent) : img);
    };
    draw(image);
    int overlay = int((style & ILD_OVERLAYMASK) >> 8);
    auto it = m_overlays.find(overlay);
    if (overlay && it != m_overlays.end())
        draw(it->second);
    return TRUE;
}
