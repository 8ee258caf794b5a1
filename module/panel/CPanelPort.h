#pragma once
// A place on the panel that shows one of up to seven kinds of picture: a port (kinds are port
// shapes) or a module slot (kinds are module pictures). Kind -1 shows nothing.

#include "module/panel/CPanelPicture.h"

#include <array>

class CPanelPort {
public:
    static constexpr int kKinds = 7;

    void SetOrigin(CPoint origin) { m_origin = origin; }
    CPoint Origin() const { return m_origin; }
    // The picture set of a kind (null: the kind shows nothing).
    void SetPicture(int kind, const CPanelPicture* picture);

    // Erases a different old picture, stores the kind and draws it unselected; -1 if kind ≥ 7.
    int SetKind(CDC& dc, int kind);
    int Kind() const { return m_kind; }
    void Draw(CDC& dc, bool selected);
    bool HitTest(CPoint point) const;
    // Where the shown picture lies (empty when nothing is shown).
    CRect Area() const;

private:
    CPoint m_origin;
    std::array<const CPanelPicture*, kKinds> m_pictures{};
    int m_kind = -1;
    bool m_selected = false;
};
