#include "platform/ui/CDialog.h"

#include "platform/ui/AccessibleWindow.h"
#include "platform/ui/Cascade.h"
#include "platform/ui/DialogManager.h"
#include "platform/ui/TextFit.h"
#include "platform/ui/WindowSystem.h"

#include <QEventLoop>
#include <QScreen>
#include <QWidget>

namespace {

// Down and right by about a title bar, so each child's caption stays in view.
constexpr int kCascadeStep = 24;
// Between the owner's frame and the children opened beside it.
constexpr int kCascadeGap = 4;

// Puts a new top-level dialog's frame on the owner's cascade, clear of every open sibling.
void placeInCascade(HWND self, HWND owner) {
    WindowRecord* own = WindowSystem::Find(owner);
    WindowRecord* me = WindowSystem::Find(self);
    if (!own || !own->cascadeOrigin || !own->widget || !me || !me->widget)
        return;
    QPoint onOwner = own->widget->mapToGlobal(QPoint(own->cascadeOrigin->x, own->cascadeOrigin->y));
    std::vector<CPoint> taken;
    for (HWND h : WindowSystem::Children(owner)) {
        WindowRecord* r = WindowSystem::Find(h);
        if (h != self && !(r->style & WS_CHILD) && r->cascadePlace && r->widget &&
            r->widget->isVisible())
            taken.push_back(*r->cascadePlace);
    }
    // The owner's frame tells how much a frame adds around a client area.
    QSize frame = me->widget->size() + (own->widget->frameGeometry().size() - own->widget->size());
    QRect area = own->widget->screen() ? own->widget->screen()->availableGeometry() : QRect();
    const CRect screen(area.left(), area.top(), area.right() + 1, area.bottom() + 1);
    const QRect ownFrame = own->widget->frameGeometry();
    // Beside or below the owner when the screen has room, so the owner (the main window's
    // front panel) stays in view; on it only when there is none.
    const CPoint origin = ChildCascadeOrigin(
        CRect(ownFrame.left(), ownFrame.top(), ownFrame.right() + 1, ownFrame.bottom() + 1),
        CPoint(onOwner.x(), onOwner.y()), CSize(frame.width(), frame.height()), screen,
        kCascadeGap);
    CPoint place =
        CascadePoint(origin, kCascadeStep, CSize(frame.width(), frame.height()), screen, taken);
    me->widget->move(place.x, place.y);
    me->cascadePlace = place;
}

// A control that shows no caption of its own is read out by the label placed just before it
// in the template ("Location" for the field after it).
void NameControlsByLabels(HWND dialog) {
    std::string label;
    for (HWND h : WindowSystem::Children(dialog)) {
        WindowRecord* rec = WindowSystem::Find(h);
        if (rec->className == "STATIC") {
            label =
                StripMnemonic(rec->widget->property("taurelText").toString().toStdString()).shown;
            while (!label.empty() && (label.back() == ':' || label.back() == ' '))
                label.pop_back();
            continue;
        }
        if (!label.empty())
            AccessibleWindows::SetLabel(rec->widget, label);
        label.clear();
    }
}

} // namespace

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
    if (!child && parent)
        placeInCascade(m_hWnd, parent->m_hWnd);
    if (m_modal)
        GetWidget()->setWindowModality(Qt::ApplicationModal);
    // TRUE from OnInitDialog leaves the focus to the dialog manager: the first tab stop.
    const bool focusFirst = SendMessage(WM_INITDIALOG, 0, 0) != 0;
    // After initialisation, which may give the labels their texts.
    if (m_hWnd)
        NameControlsByLabels(m_hWnd);
    if (focusFirst && m_hWnd && !child)
        DialogManager::FocusFirstTabStop(m_hWnd);
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
    case DM_GETDEFID:
        return m_defId ? LRESULT(MAKEWPARAM(int(m_defId), DC_HASDEFID)) : 0;
    default:
        break;
    }
    return CWnd::WindowProc(msg, wParam, lParam);
}

void CDialog::MapDialogRect(LPRECT rect) const {
    *rect = DialogUnitsToPixels(rect->left, rect->top, rect->right - rect->left,
                                rect->bottom - rect->top, m_baseUnits);
}
