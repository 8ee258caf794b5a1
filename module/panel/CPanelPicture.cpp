#include "module/panel/CPanelPicture.h"

CPanelPicture::CPanelPicture(int width, int height, int xOffset, int yOffset,
                             std::initializer_list<UINT> bitmapIds)
    : m_width(width), m_height(height), m_xOffset(xOffset), m_yOffset(yOffset) {
    for (UINT id : bitmapIds) {
        if (m_count == kMaxStates)
            break;
        CBitmap& bitmap = m_bitmaps[m_count];
        if (bitmap.LoadBitmap(id)) {
            m_sources[m_count] = std::make_unique<CDC>();
            m_sources[m_count]->CreateCompatibleDC(nullptr);
            m_sources[m_count]->SelectObject(&bitmap);
        }
        ++m_count;
    }
}

void CPanelPicture::Draw(CDC& dc, CPoint origin, int state) const {
    if (state < 0 || state >= m_count || !m_sources[state])
        return;
    dc.BitBlt(origin.x + m_xOffset, origin.y + m_yOffset, m_width, m_height, m_sources[state].get(),
              0, 0, SRCCOPY);
}

void CPanelPicture::Erase(CDC& dc, CPoint origin) const {
    dc.FillSolidRect(origin.x + m_xOffset, origin.y + m_yOffset, m_width, m_height,
                     RGB(128, 128, 128));
}

bool CPanelPicture::HitTest(CPoint p) const {
    return p.x >= m_xOffset && p.x <= m_xOffset + m_width && p.y >= m_yOffset &&
           p.y <= m_yOffset + m_height;
}
