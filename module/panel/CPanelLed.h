#pragma once
// One LED of the panel: where it is, its picture set, the state last drawn, and its blink phase.

#include "module/panel/CPanelPicture.h"

class CPanelLed {
public:
    void SetPicture(const CPanelPicture* picture) { m_picture = picture; }
    void SetPosition(CPoint position) { m_position = position; }
    CPoint Position() const { return m_position; }

    void Draw(CDC& dc, int state);
    // Alternates between off (state 0) and on (state 1) on every call, off first.
    void Blink(CDC& dc);
    int State() const { return m_state; }

private:
    const CPanelPicture* m_picture = nullptr;
    CPoint m_position;
    int m_state = 0;
    bool m_phase = false;
};
