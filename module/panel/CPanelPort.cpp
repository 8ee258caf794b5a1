#include "module/panel/CPanelPort.h"

void CPanelPort::SetPicture(int kind, const CPanelPicture* picture) {
    if (kind >= 0 && kind < kKinds)
        m_pictures[kind] = picture;
}

int CPanelPort::SetKind(CDC& dc, int kind) {
    if (kind >= kKinds)
        return -1;
    if (m_kind >= 0 && m_kind != kind && m_pictures[m_kind])
        m_pictures[m_kind]->Erase(dc, m_origin);
    m_kind = kind < 0 ? -1 : kind;
    if (m_kind >= 0)
        Draw(dc, false);
    return m_kind;
}

void CPanelPort::Draw(CDC& dc, bool selected) {
    m_selected = selected;
    if (m_kind < 0 || !m_pictures[m_kind])
        return;
    m_pictures[m_kind]->Draw(dc, m_origin, selected ? 1 : 0);
}

bool CPanelPort::HitTest(CPoint p) const {
    if (m_kind < 0 || !m_pictures[m_kind] || p.x < m_origin.x || p.y < m_origin.y)
        return false;
    return m_pictures[m_kind]->HitTest(CPoint(p.x - m_origin.x, p.y - m_origin.y));
}

CRect CPanelPort::Area() const {
    if (m_kind < 0 || !m_pictures[m_kind])
        return CRect();
    const CPanelPicture& p = *m_pictures[m_kind];
    CPoint at(m_origin.x + p.Offset().x, m_origin.y + p.Offset().y);
    return CRect(at.x, at.y, at.x + p.Width(), at.y + p.Height());
}
