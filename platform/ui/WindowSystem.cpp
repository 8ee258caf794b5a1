#include "platform/ui/WindowSystem.h"
#include "platform/ui/OctetText.h"

#include "platform/ui/AccessibleWindow.h"
#include "platform/ui/ButtonControl.h"
#include "platform/ui/CListCtrl.h"
#include "platform/ui/CSpinButtonCtrl.h"
#include "platform/ui/CWnd.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/DialogManager.h"
#include "platform/ui/WindowWidget.h"

#include <QCoreApplication>
#include <QEvent>
#include <QVariant>
#include <algorithm>
#include <cctype>
#include <memory>
#include <vector>

QWidget* MakeScrollBarWidget(QWidget* parent, DWORD style, HWND hwnd);
QWidget* MakeEditWidget(QWidget* parent, DWORD style, HWND hwnd);
QWidget* MakeComboBoxWidget(QWidget* parent, DWORD style, HWND hwnd);

namespace {

struct ClassEntry {
    WNDCLASS wc;
    std::string name;
    WindowSystem::WidgetFactory factory = nullptr;
};

std::string classKey(const char* name) {
    std::string key = name ? name : "";
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return key;
}

std::map<std::string, ClassEntry>& classes() {
    static std::map<std::string, ClassEntry> table;
    return table;
}

void ensureBuiltins() {
    static bool done = false;
    if (done)
        return;
    done = true;
    WindowSystem::RegisterBuiltinClass("BUTTON", nullptr, nullptr, ButtonClassProc);
    WindowSystem::RegisterBuiltinClass("STATIC", nullptr, nullptr, StaticClassProc);
    WindowSystem::RegisterBuiltinClass("COMBOBOX", MakeComboBoxWidget, nullptr);
    WindowSystem::RegisterBuiltinClass(WC_LISTVIEW, nullptr, nullptr);
    WindowSystem::RegisterBuiltinClass(UPDOWN_CLASS, nullptr, nullptr);
    WindowSystem::RegisterBuiltinClass("SCROLLBAR", MakeScrollBarWidget, nullptr);
    WindowSystem::RegisterBuiltinClass("EDIT", MakeEditWidget, nullptr);
    WindowSystem::RegisterBuiltinClass("#32770", nullptr, GetSysColorBrush(COLOR_BTNFACE));
}

const ClassEntry* findClass(const char* name) {
    ensureBuiltins();
    auto it = classes().find(classKey(name));
    return it == classes().end() ? nullptr : &it->second;
}

std::map<HWND, std::unique_ptr<WindowRecord>>& windows() {
    static std::map<HWND, std::unique_ptr<WindowRecord>> table;
    return table;
}

HWND g_nextHandle = 0x1000;
HWND g_mouseWindow = 0;

constexpr const char* kHwndProperty = "taurelHwnd";

class MessageEvent : public QEvent {
public:
    static QEvent::Type Kind() {
        static const QEvent::Type kind = QEvent::Type(QEvent::registerEventType());
        return kind;
    }
    MessageEvent(HWND h, UINT m, WPARAM w, LPARAM l)
        : QEvent(Kind()), hwnd(h), msg(m), wParam(w), lParam(l) {}
    HWND hwnd;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};

// One receiver for all posted messages keeps them in posting order across windows.
class MessagePoster : public QObject {
protected:
    void customEvent(QEvent* event) override {
        if (event->type() != MessageEvent::Kind())
            return;
        auto* m = static_cast<MessageEvent*>(event);
        if (WindowSystem::Find(m->hwnd))
            WindowSystem::Dispatch(m->hwnd, m->msg, m->wParam, m->lParam);
    }
};

MessagePoster* poster() {
    static MessagePoster* instance = nullptr;
    if (!instance && QCoreApplication::instance()) {
        instance = new MessagePoster;
        instance->moveToThread(QCoreApplication::instance()->thread());
        QObject::connect(QCoreApplication::instance(), &QObject::destroyed, [] {
            delete instance;
            instance = nullptr;
        });
    }
    return instance;
}

// A window without a sizing frame offers no maximise box and cannot be resized by the operator;
// the minimise box follows WS_MINIMIZEBOX, the maximise box WS_MAXIMIZEBOX on a sizing frame.
Qt::WindowFlags FrameFlags(DWORD style) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (style & WS_MINIMIZEBOX)
        flags |= Qt::WindowMinimizeButtonHint;
    if ((style & WS_THICKFRAME) && (style & WS_MAXIMIZEBOX))
        flags |= Qt::WindowMaximizeButtonHint;
    return flags;
}

// The keys the built-in classes leave to the dialog manager. An edit or a choice list placed
// inside a list view edits one of its cells and takes Return and Escape itself.
LRESULT BuiltinDialogCode(const WindowRecord& rec) {
    const std::string name = classKey(rec.className.c_str());
    if (name == "edit" || name == "combobox") {
        WindowRecord* parent = WindowSystem::Find(rec.parent);
        if (parent && classKey(parent->className.c_str()) == classKey(WC_LISTVIEW))
            return DLGC_WANTALLKEYS | DLGC_WANTCHARS | DLGC_WANTARROWS;
        return DLGC_WANTCHARS | DLGC_WANTARROWS;
    }
    if (name == "button")
        return (rec.style & BS_TYPEMASK) == BS_GROUPBOX ? DLGC_STATIC : DLGC_BUTTON;
    if (name == "static")
        return DLGC_STATIC;
    if (name == classKey(WC_LISTVIEW) || name == "scrollbar")
        return DLGC_WANTARROWS;
    return 0;
}

// The wheel scrolls what the window's own vertical scroll bar scrolls, one line a notch
// (WM_VSCROLL with SB_LINEUP / SB_LINEDOWN from that bar); a window without one passes the
// wheel to its parent.
LRESULT ScrollByWheel(const WindowRecord& rec, WPARAM wParam, LPARAM lParam) {
    const int delta = short(HIWORD(wParam));
    for (HWND child : WindowSystem::Children(rec.hwnd)) {
        WindowRecord* bar = WindowSystem::Find(child);
        if (classKey(bar->className.c_str()) != "scrollbar" || !(bar->style & SBS_VERT) ||
            !bar->widget || !bar->widget->isVisibleTo(rec.widget) || !bar->widget->isEnabled())
            continue;
        const int request = delta > 0 ? SB_LINEUP : SB_LINEDOWN;
        for (int notches = std::max(1, std::abs(delta) / WHEEL_DELTA); notches > 0; --notches)
            if (WindowSystem::Find(rec.hwnd))
                WindowSystem::Dispatch(rec.hwnd, WM_VSCROLL, MAKEWPARAM(request, 0), LPARAM(child));
        return 1;
    }
    if ((rec.style & WS_CHILD) && rec.parent)
        return WindowSystem::Dispatch(rec.parent, WM_MOUSEWHEEL, wParam, lParam);
    return 0;
}

} // namespace

HINSTANCE AfxGetInstanceHandle() {
    return 1;
}

BOOL RegisterClass(const WNDCLASS* wc) {
    ensureBuiltins();
    if (!wc || !wc->lpszClassName || !*wc->lpszClassName)
        return FALSE;
    std::string key = classKey(wc->lpszClassName);
    if (classes().count(key))
        return FALSE;
    ClassEntry entry{*wc, wc->lpszClassName, nullptr};
    entry.wc.lpszClassName = nullptr; // the entry keeps its own copy of the name
    classes()[key] = entry;
    return TRUE;
}

BOOL GetClassInfo(HINSTANCE, const char* className, WNDCLASS* wc) {
    const ClassEntry* entry = findClass(className);
    if (!entry)
        return FALSE;
    if (wc) {
        *wc = entry->wc;
        wc->lpszClassName = entry->name.c_str();
    }
    return TRUE;
}

LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    WindowRecord* rec = WindowSystem::Find(hwnd);
    switch (msg) {
    case WM_NCCREATE:
        return TRUE;
    case WM_CLOSE:
        WindowSystem::Destroy(hwnd);
        return 0;
    case WM_ERASEBKGND:
        if (rec && rec->background && wParam && rec->widget) {
            CRect all(0, 0, rec->widget->width(), rec->widget->height());
            reinterpret_cast<CDC*>(wParam)->FillRect(&all, rec->background);
            return 1;
        }
        return 0;
    case WM_SETFONT:
        // The window keeps its font; controls made of a Qt widget show their text in it.
        if (rec) {
            rec->font = reinterpret_cast<CFont*>(wParam);
            if (rec->widget && !dynamic_cast<WindowWidget*>(rec->widget.data()))
                rec->widget->setFont(rec->font ? rec->font->GetQFont() : QFont());
        }
        return 0;
    case WM_SETTEXT:
        if (rec && rec->widget) {
            QString text = TextFromOctets(lParam ? reinterpret_cast<const char*>(lParam) : "");
            rec->widget->setProperty("taurelText", text);
            if (rec->widget->isWindow())
                rec->widget->setWindowTitle(text);
        }
        return TRUE;
    case WM_RBUTTONUP:
        // The framework's default: a right click asks for a context menu at the screen point.
        if (rec && rec->widget) {
            QPoint at =
                rec->widget->mapToGlobal(QPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
            ::SendMessage(hwnd, WM_CONTEXTMENU, hwnd, MAKELPARAM(at.x(), at.y()));
        }
        return 0;
    case WM_CONTEXTMENU:
        // A child that does not offer a menu passes the request to its parent.
        if (rec && (rec->style & WS_CHILD) && rec->parent)
            return ::SendMessage(rec->parent, WM_CONTEXTMENU, wParam, lParam);
        return 0;
    case WM_GETDLGCODE:
        return rec ? BuiltinDialogCode(*rec) : 0;
    case WM_MOUSEWHEEL:
        return rec ? ScrollByWheel(*rec, wParam, lParam) : 0;
    default:
        return 0;
    }
}

namespace WindowSystem {

WindowRecord* Find(HWND hwnd) {
    auto it = windows().find(hwnd);
    return it == windows().end() ? nullptr : it->second.get();
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> children;
    for (auto& [h, r] : windows())
        if (r->parent == parent)
            children.push_back(h);
    return children;
}

bool HasFixedSize(const WindowRecord& rec) {
    return !(rec.style & WS_CHILD) && !(rec.style & WS_THICKFRAME);
}

HWND FromWidget(const QWidget* widget) {
    for (; widget; widget = widget->parentWidget()) {
        QVariant v = widget->property(kHwndProperty);
        if (v.isValid())
            return HWND(v.toULongLong());
    }
    return 0;
}

void RegisterBuiltinClass(const char* name, WidgetFactory factory, const CBrush* background,
                          WNDPROC classProc) {
    ClassEntry entry;
    entry.name = name;
    entry.factory = factory;
    entry.wc.hbrBackground = background;
    entry.wc.lpfnWndProc = classProc;
    entry.wc.style = CS_GLOBALCLASS;
    classes()[classKey(name)] = entry;
}

HWND Create(const char* className, const char* text, DWORD style, const RECT& rect, HWND parent,
            UINT id, CWnd* object) {
    const ClassEntry* entry = nullptr;
    if (className && *className) {
        entry = findClass(className);
        if (!entry)
            return 0;
    }
    WindowRecord* parentRec = Find(parent);
    bool child = (style & WS_CHILD) != 0;
    if ((child && !parentRec) || (object && object->m_hWnd) || !QCoreApplication::instance())
        return 0;

    HWND hwnd = ++g_nextHandle;
    auto rec = std::make_unique<WindowRecord>();
    rec->hwnd = hwnd;
    rec->className = entry ? entry->name : "";
    rec->classProc = entry ? entry->wc.lpfnWndProc : nullptr;
    rec->background = entry ? entry->wc.hbrBackground : nullptr;
    rec->style = style;
    rec->id = id;
    rec->parent = parentRec ? parent : 0;
    QWidget* parentWidget = parentRec ? parentRec->widget.data() : nullptr;
    QWidget* widget =
        entry && entry->factory
            ? entry->factory(parentWidget, style, hwnd)
            : new WindowWidget(parentWidget, hwnd, child ? Qt::Widget : FrameFlags(style));
    DialogManager::Install();
    AccessibleWindows::Install();
    if (child && (style & WS_TABSTOP) && dynamic_cast<WindowWidget*>(widget))
        widget->setFocusPolicy(Qt::TabFocus); // the keyboard reaches it; a click changes nothing
    widget->setProperty(kHwndProperty, QVariant::fromValue<qulonglong>(hwnd));
    widget->setGeometry(rect.left, rect.top, std::max(0, rect.right - rect.left),
                        std::max(0, rect.bottom - rect.top));
    if (!child && !(style & WS_THICKFRAME))
        widget->setFixedSize(widget->size());
    QObject::connect(widget, &QObject::destroyed, [hwnd] {
        if (WindowRecord* r = Find(hwnd)) {
            r->widget = nullptr;
            Destroy(hwnd);
        }
    });
    rec->widget = widget;
    rec->object = object;
    if (object)
        object->m_hWnd = hwnd;
    windows()[hwnd] = std::move(rec);

    if (!Dispatch(hwnd, WM_NCCREATE, 0, LPARAM(text))) {
        Destroy(hwnd);
        return 0;
    }
    WindowRecord* r = Find(hwnd);
    if (!r->object) {
        r->object = new CWnd;
        r->object->m_hWnd = hwnd;
        r->temporaryObject = true;
    }
    DefWindowProc(hwnd, WM_SETTEXT, 0, LPARAM(text));
    if (Dispatch(hwnd, WM_CREATE, 0, 0) == -1) {
        Destroy(hwnd);
        return 0;
    }
    if (auto* ww = dynamic_cast<WindowWidget*>(widget))
        ww->SyncSize();
    if (style & WS_DISABLED)
        widget->setEnabled(false);
    if (style & WS_VISIBLE)
        widget->show();
    else if (child)
        widget->hide(); // stays hidden when its parent is shown, until ShowWindow
    return hwnd;
}

bool Destroy(HWND hwnd) {
    WindowRecord* rec = Find(hwnd);
    if (!rec || rec->destroying)
        return false;
    rec->destroying = true;
    Dispatch(hwnd, WM_DESTROY, 0, 0);

    std::vector<HWND> children;
    for (auto& [h, r] : windows())
        if (r->parent == hwnd)
            children.push_back(h);
    for (HWND h : children)
        Destroy(h);

    rec = Find(hwnd);
    delete rec->timers;
    rec->timers = nullptr;
    rec->timerIntervals.clear();
    Dispatch(hwnd, WM_NCDESTROY, 0, 0);

    rec = Find(hwnd);
    if (rec->object) {
        rec->object->m_hWnd = 0;
        if (rec->temporaryObject)
            delete rec->object;
        rec->object = nullptr;
    }
    if (g_mouseWindow == hwnd)
        g_mouseWindow = 0;
    QWidget* widget = rec->widget;
    windows().erase(hwnd);
    if (widget) {
        if (auto* ww = dynamic_cast<WindowWidget*>(widget))
            ww->Forget();
        widget->disconnect();
        widget->hide();
        widget->deleteLater();
    }
    return true;
}

LRESULT Dispatch(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    WindowRecord* rec = Find(hwnd);
    if (!rec)
        return 0;
    if (rec->object && !rec->temporaryObject)
        return rec->object->WindowProc(msg, wParam, lParam);
    if (rec->classProc)
        return rec->classProc(hwnd, msg, wParam, lParam);
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

bool Post(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    MessagePoster* target = poster();
    if (!Find(hwnd) || !target)
        return false;
    QCoreApplication::postEvent(target, new MessageEvent(hwnd, msg, wParam, lParam));
    return true;
}

bool Attach(HWND hwnd, CWnd* object) {
    WindowRecord* rec = Find(hwnd);
    if (!rec || !object || object->m_hWnd)
        return false;
    if (rec->object && !rec->temporaryObject)
        return false;
    if (rec->object) {
        rec->object->m_hWnd = 0;
        delete rec->object;
    }
    rec->object = object;
    rec->temporaryObject = false;
    object->m_hWnd = hwnd;
    return true;
}

void Detach(HWND hwnd) {
    if (WindowRecord* rec = Find(hwnd)) {
        if (rec->object)
            rec->object->m_hWnd = 0;
        rec->object = nullptr;
        rec->temporaryObject = false;
    }
}

bool SetTimer(HWND hwnd, UINT_PTR id, UINT ms) {
    WindowRecord* rec = Find(hwnd);
    if (!rec || !rec->widget)
        return false;
    if (!rec->timers)
        rec->timers = new TimerHost(rec->widget, hwnd);
    if (!rec->timers->Start(id, ms))
        return false;
    rec->timerIntervals[id] = ms;
    return true;
}

bool KillTimer(HWND hwnd, UINT_PTR id) {
    WindowRecord* rec = Find(hwnd);
    if (!rec || !rec->timers || !rec->timers->Stop(id))
        return false;
    rec->timerIntervals.erase(id);
    return true;
}

HWND MouseWindow() {
    return g_mouseWindow;
}
void SetMouseWindow(HWND hwnd) {
    g_mouseWindow = hwnd;
}

} // namespace WindowSystem
