#pragma once
// A row of equally wide small images cut from one bitmap, drawn with a mask colour left
// transparent, optionally blended with the highlight colour, and with an overlay image on top.
// Overlay images are numbered from 1 and name an image of the list (SetOverlayImage).

#include "platform/core/CObject.h"
#include "platform/ui/CDC.h"

#include <QImage>
#include <map>
#include <vector>

constexpr UINT ILD_NORMAL = 0x0000;
constexpr UINT ILD_TRANSPARENT = 0x0001;
constexpr UINT ILD_BLEND25 = 0x0002;
constexpr UINT ILD_BLEND50 = 0x0004;
constexpr UINT ILD_FOCUS = ILD_BLEND25;
constexpr UINT ILD_SELECTED = ILD_BLEND50;
constexpr UINT ILD_BLEND = ILD_BLEND50;
constexpr UINT ILD_OVERLAYMASK = 0x0F00;

class CImageList : public CObject {
public:
    // Cuts the bitmap registered under `bitmapId` into images `cx` pixels wide (as many as fit);
    // pixels of `mask` are transparent. `grow` is the framework's growth step (unused).
    BOOL Create(UINT bitmapId, int cx, int grow, COLORREF mask);
    int GetImageCount() const { return int(m_images.size()); }
    CSize GetImageSize() const { return m_size; }
    // Overlay `overlay` (1–15) shows image `image`.
    BOOL SetOverlayImage(int image, int overlay);
    // Draws image `image` at `pt`; the style's overlay bits (INDEXTOOVERLAYMASK) add the overlay,
    // ILD_BLEND25/ILD_BLEND50 mix the image with the highlight colour.
    BOOL Draw(CDC* dc, int image, POINT pt, UINT style);

private:
    std::vector<QImage> m_images;
    std::map<int, int> m_overlays;
    CSize m_size;
};
