// The gallery's message handling: what each control reports, and what the gallery does with
// it, the way the module's dialogs react to the same messages.

#include "tools/controls-gallery/GalleryWindow.h"

#include "controls/FlatKeyCtl/CFBCtrl.h"
#include "controls/GridCtl/CTableControl.h"
#include "controls/KoCheck/CCheckBCtrl.h"
#include "controls/KoCombo/CCBCtrl.h"
#include "controls/KoDlgMsg/CDlgMsgControl.h"
#include "controls/KoSample/CSampMsgControl.h"
#include "controls/KoSpin/CUDCtrl.h"
#include "controls/KoTextEdit/CTextEditControl.h"
#include "controls/LogListCtl/CLMsgControl.h"
#include "controls/common/ControlMessages.h"
#include "platform/ui/WindowDC.h"
#include "tools/controls-gallery/GallerySamples.h"

#include <QCoreApplication>
#include <algorithm>

namespace {
constexpr int kMinInterval = 1;
constexpr int kMaxInterval = 60;
} // namespace

LRESULT CGalleryWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: {
        CPaintDC dc(this);
        PaintLabels(dc);
        return 0;
    }
    case WM_COMMAND:
        OnMenuCommand(LOWORD(wParam));
        return 0;
    case COMBO_SELECT_MSG:
        if (wParam == kSpeedId)
            OnSpeedChosen();
        return 0;
    case CTRL_CLICK_MSG:
        if (wParam == 0)
            OnButtonClick(UINT(lParam));
        else if (UINT(lParam) == kIntervalSpinId)
            OnUpDown(int(wParam));
        return 0;
    case WM_DESTROY:
        QCoreApplication::quit();
        break;
    default:
        break;
    }
    return CWnd::WindowProc(msg, wParam, lParam);
}

void CGalleryWnd::Log(const std::string& line) {
    if (m_log)
        m_log->AppendData(line.c_str());
}

void CGalleryWnd::OnMenuCommand(UINT id) {
    if (const char* text = GallerySamples::MenuCommandText(id)) {
        Log(std::string("Menu: ") + text);
        m_status->SetText(text);
    }
}

void CGalleryWnd::OnSpeedChosen() {
    const char* text = GallerySamples::kSpeeds[m_speed->GetSelect()].text;
    m_speedSample->SetText(text);
    Log(std::string("Speed chosen: ") + text);
}

void CGalleryWnd::OnUpDown(int half) {
    m_interval = std::clamp(m_interval + (half == 1 ? 1 : -1), kMinInterval, kMaxInterval);
    m_intervalSample->SetText(std::to_string(m_interval).c_str());
    m_intervalSpin->RaiseButton();
    Log(std::string(half == 1 ? "Up" : "Down") + " clicked: interval " +
        std::to_string(m_interval) + " s");
}

void CGalleryWnd::OnButtonClick(UINT id) {
    if (id == kApplyId) {
        m_apply->RaiseButton();
        Apply();
    } else if (id == kResetId) {
        m_reset->RaiseButton();
        Reset();
    }
}

void CGalleryWnd::Apply() {
    char community[32];
    m_community->GetText(community, sizeof community);
    int row = m_table->GetIndex();
    _DATAOBJ object{};
    m_table->GetItem(1, row, object);
    std::string summary = std::string("Applied: ") +
                          GallerySamples::kSpeeds[m_speed->GetSelect()].text + ", community \"" +
                          community + "\", port lock " + (m_portLock->GetCheck() ? "on" : "off");
    if (object.text[0])
        summary += std::string(", row \"") + object.text + "\"";
    Log("Apply clicked");
    m_status->SetText(summary.c_str());
}

void CGalleryWnd::Reset() {
    m_speed->SetSelect(0); // tells us through COMBO_SELECT_MSG when the choice changes
    m_community->SetText("public");
    m_portLock->SetCheck(1);
    m_interval = kStartInterval;
    m_intervalSample->SetText(std::to_string(m_interval).c_str());
    Log("Reset clicked");
    m_status->SetText("Form reset");
}
