#pragma once
// One picture set of the front panel: a rectangle (size and offset from an owner's origin) and
// up to five bitmaps, one per state. Drawing state s copies bitmap s into the rectangle.

#include "platform/ui/CDC.h"
#include "platform/ui/GdiObjects.h"

#include <array>
#include <initializer_list>
#include <memory>

class CPanelPicture {
public:
    static constexpr int kMaxStates = 5;

    CPanelPicture() = default;
    // Loads the bitmaps by resource id, state 0 first.
    CPanelPicture(int width, int height, int xOffset, int yOffset,
                  std::initializer_list<UINT> bitmapIds);
    CPanelPicture(const CPanelPicture&) = delete;
    CPanelPicture& operator=(const CPanelPicture&) = delete;

    // Copies bitmap `state` to origin + offset; a state without a bitmap draws nothing.
    void Draw(CDC& dc, CPoint origin, int state) const;
    // Grey fill of the rectangle the set draws in.
    void Erase(CDC& dc, CPoint origin) const;
    // `point` is relative to the origin; the rectangle's edges count as inside.
    bool HitTest(CPoint point) const;

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    CPoint Offset() const { return CPoint(m_xOffset, m_yOffset); }

private:
    int m_width = 0;
    int m_height = 0;
    int m_xOffset = 0;
    int m_yOffset = 0;
    std::array<CBitmap, kMaxStates> m_bitmaps;
    // Each bitmap selected into its own memory device context once: the panel draws hundreds
    // of these pictures per paint.
    std::array<std::unique_ptr<CDC>, kMaxStates> m_sources;
    int m_count = 0;
};
