#include "module/graphs/CValueBox.h"

#include "controls/KoSpin/CUDCtrl.h"
#include "controls/common/ControlFaces.h"
#include "controls/common/ControlMessages.h"
#include "module/graphs/GraphDlgIds.h"
#include "platform/ui/GdiObjects.h"
#include "platform/ui/WindowDC.h"

namespace {
// Room for the widest label ("Peak:", "Pk at:") before the value field.
constexpr int kLabelWidth = 34;
} // namespace

CValueBox::CValueBox() {
    m_font.CreateFont(-9, "Arial");
}

CValueBox::~CValueBox() = default;

BOOL CValueBox::Create(const RECT& rect, CWnd* owner, UINT id, const std::string& label,
                       const std::string& value, bool upDown) {
    m_strLabel = label;
    m_strValue = value;
    m_bUpDown = upDown;
    m_hOwner = owner ? owner->m_hWnd : 0;
    if (!CWnd::Create(nullptr, "", WS_CHILD | WS_VISIBLE, rect, owner, id))
        return FALSE;
    if (upDown) {
        CUDCtrl::Register();
        m_pUpDown = new CUDCtrl;
        if (!m_pUpDown->Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, kSpinWidth, kSpinHeight), this,
                               IDC_VALUE_BOX_SPIN)) {
            delete m_pUpDown;
            m_pUpDown = nullptr;
            return FALSE;
        }
        m_pUpDown->InitUpDown();
        PlaceUpDown();
    }
    return TRUE;
}

void CValueBox::PlaceUpDown() {
    if (!m_pUpDown || !m_pUpDown->m_hWnd)
        return;
    CRect client;
    GetClientRect(&client);
    m_pUpDown->MoveWindow(client.right - kSpinWidth, (client.Height() - kSpinHeight) / 2,
                          kSpinWidth, kSpinHeight);
}

void CValueBox::SetValue(const std::string& value) {
    if (value == m_strValue)
        return;
    m_strValue = value;
    RedrawWindow();
}

void CValueBox::Paint(CDC& dc) {
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, GetSysColor(COLOR_ACTIVEBORDER));
    dc.SelectObject(&m_font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    const int textHeight = dc.GetTextExtent("Xg").cy;
    const int textTop = (client.Height() - textHeight) / 2;
    dc.TextOut(2, textTop, m_strLabel);
    CRect field(kLabelWidth, 0, client.right - (m_bUpDown ? kSpinWidth + 1 : 0), client.bottom);
    if (field.Width() > 2) {
        dc.FillSolidRect(&field, RGB(255, 255, 255));
        dc.Draw3dRect(&field, kFaceGrey, kFaceWhite);
        dc.IntersectClipRect(field.left + 1, field.top + 1, field.right - 1, field.bottom - 1);
        dc.TextOut(field.left + 3, textTop, m_strValue);
    }
    dc.SelectObject(static_cast<CFont*>(nullptr));
}

LRESULT CValueBox::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: {
        CPaintDC dc(this);
        Paint(dc);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1; // painting covers the box
    case WM_SIZE:
        PlaceUpDown();
        Invalidate(TRUE);
        return 0;
    case CTRL_CLICK_MSG:
        if (UINT(lParam) == IDC_VALUE_BOX_SPIN && (wParam == 1 || wParam == 2))
            ::PostMessage(m_hOwner, wParam == 1 ? VALUE_BOX_UP : VALUE_BOX_DOWN,
                          WPARAM(GetDlgCtrlID()), 0);
        return 0;
    default:
        return CWnd::WindowProc(msg, wParam, lParam);
    }
}
