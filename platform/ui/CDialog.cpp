#include "platform/ui/CDialog.h"

#include "platform/ui/WindowSystem.h"

#include <QEventLoop>
#include <QWidget>

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

CDialog::CDialog(const DialogTemplate& tpl, CWnd* parent)
    : m_nIDTemplate(0), m_pParentWnd(parent), m_template(tpl) {}

CDialog::~CDialog() = default;

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
    if (templateId)
        m_nIDTemplate = templateId;
    if (parent)
        m_pParentWnd = parent;
    const DialogTemplate* tpl = m_template ? &*m_template : FindDialogTemplate(m_nIDTemplate);
    return tpl ? CreateIndirect(*tpl, m_pParentWnd) : FALSE;
}

BOOL CDialog::CreateIndirect(const DialogTemplate& tpl, CWnd* parent) {
    if (m_hWnd)
        return FALSE;
    m_pParentWnd = parent;
    m_baseUnits = DialogBaseUnits(tpl.fontFace, tpl.fontPoints);
    m_font = std::make_unique<CFont>();
    m_font->CreateFont(-((tpl.fontPoints * 96 + 36) / 72), tpl.fontFace.c_str());

    CRect rect = DialogUnitsToPixels(tpl.x, tpl.y, tpl.cx, tpl.cy, m_baseUnits);
    bool child = (tpl.style & WS_CHILD) != 0;
    if (!child && parent && parent->m_hWnd) {
        // A top-level dialog's position counts from its owner's client area.
        POINT origin{0, 0};
        parent->ClientToScreen(&origin);
        rect.OffsetRect(origin.x, origin.y);
    }
    DWORD style = tpl.style & ~WS_VISIBLE;
    if (!CWnd::Create("#32770", tpl.title.c_str(), style, rect, parent, 0))
        return FALSE;
    for (const DialogItemTemplate& item : tpl.items) {
        CRect r = DialogUnitsToPixels(item.x, item.y, item.cx, item.cy, m_baseUnits);
        HWND h = WindowSystem::Create(item.className.c_str(), item.text.c_str(),
                                      item.style | WS_CHILD, r, m_hWnd, item.id, nullptr);
        if (!h) {
            DestroyWindow();
            return FALSE;
        }
        ::SendMessage(h, WM_SETFONT, WPARAM(m_font.get()), FALSE);
    }
    if (m_modal)
        GetWidget()->setWindowModality(Qt::ApplicationModal);
    SendMessage(WM_INITDIALOG, 0, 0);
    if (m_hWnd && ((tpl.style & WS_VISIBLE) || m_modal))
        ShowWindow(SW_SHOW);
    return m_hWnd != 0;
}

INT_PTR CDialog::DoModal() {
    m_modal = true;
    m_ended = false;
    if (!Create(0, m_pParentWnd)) {
        m_modal = false;
        return -1;
    }
    if (!m_ended) {
        QEventLoop loop;
        m_loop = &loop;
        loop.exec();
        m_loop = nullptr;
    }
    DestroyWindow();
    m_modal = false;
    return m_result;
}

void CDialog::EndDialog(int result) {
    if (!m_modal) {
        DestroyWindow();
        return;
    }
    m_result = result;
    m_ended = true;
    if (m_loop)
        m_loop->quit();
    if (QWidget* w = GetWidget())
        w->hide();
}

LRESULT CDialog::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            OnOK();
            return 0;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            OnCancel();
            return 0;
        }
        break;
    case WM_CLOSE:
        OnCancel();
        return 0;
    default:
        break;
    }
    return CWnd::WindowProc(msg, wParam, lParam);
}

void CDialog::MapDialogRect(LPRECT rect) const {
    *rect = DialogUnitsToPixels(rect->left, rect->top, rect->right - rect->left,
                                rect->bottom - rect->top, m_baseUnits);
}
