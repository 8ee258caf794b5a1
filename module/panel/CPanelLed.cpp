#include "module/panel/CPanelLed.h"

void CPanelLed::Draw(CDC& dc, int state) {
    if (m_picture)
        m_picture->Draw(dc, m_position, state);
    m_state = state;
}

void CPanelLed::Blink(CDC& dc) {
    if (m_phase) {
        Draw(dc, 1);
        m_phase = false;
    } else {
        Draw(dc, 0);
        m_phase = true;
    }
}
