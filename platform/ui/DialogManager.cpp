#include "platform/ui/DialogManager.h"

#include "platform/ui/ControlStyles.h"
#include "platform/ui/Mnemonic.h"
#include "platform/ui/WinMessages.h"
#include "platform/ui/WindowSystem.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <algorithm>

namespace {

bool isDialog(const WindowRecord* rec) {
    return rec && rec->className == "#32770";
}

// The top-level dialog a control belongs to, or 0.
HWND dialogOf(HWND hwnd) {
    WindowRecord* rec = WindowSystem::Find(hwnd);
    while (rec && (rec->style & WS_CHILD) && rec->parent)
        rec = WindowSystem::Find(rec->parent);
    return isDialog(rec) ? rec->hwnd : 0;
}

bool usable(const WindowRecord* rec, const QWidget* top) {
    return rec && rec->widget && rec->widget->isEnabled() && rec->widget->isVisibleTo(top);
}

// Every usable control of the dialog in template order, descending into its visible pages.
void collectControls(HWND parent, const QWidget* top, std::vector<HWND>& out) {
    for (HWND child : WindowSystem::Children(parent)) {
        WindowRecord* rec = WindowSystem::Find(child);
        if (!usable(rec, top))
            continue;
        if (isDialog(rec))
            collectControls(child, top, out);
        else
            out.push_back(child);
    }
}

std::vector<HWND> controlsOf(HWND dialog) {
    std::vector<HWND> all;
    if (WindowRecord* rec = WindowSystem::Find(dialog); rec && rec->widget)
        collectControls(dialog, rec->widget, all);
    return all;
}

LRESULT dialogCode(HWND control, WPARAM key) {
    return control ? WindowSystem::Dispatch(control, WM_GETDLGCODE, key, 0) : 0;
}

void focus(HWND control) {
    if (WindowRecord* rec = WindowSystem::Find(control); rec && rec->widget)
        rec->widget->setFocus(Qt::TabFocusReason);
}

void press(HWND control) {
    WindowSystem::Dispatch(control, BM_CLICK, 0, 0);
}

// The stop holding `control` (the control itself, or the control it is part of), or -1.
int stopIndex(const std::vector<HWND>& stops, HWND control) {
    for (WindowRecord* rec = WindowSystem::Find(control); rec;
         rec = WindowSystem::Find(rec->parent)) {
        auto it = std::find(stops.begin(), stops.end(), rec->hwnd);
        if (it != stops.end())
            return int(it - stops.begin());
        if (!(rec->style & WS_CHILD))
            break;
    }
    return -1;
}

void moveFocus(HWND dialog, HWND current, bool backwards) {
    std::vector<HWND> stops = DialogManager::TabStops(dialog);
    if (stops.empty())
        return;
    int n = int(stops.size()), at = stopIndex(stops, current);
    int next = at < 0 ? (backwards ? n - 1 : 0) : (at + (backwards ? n - 1 : 1)) % n;
    focus(stops[std::size_t(next)]);
}

// A default push button ("BUTTON" with BS_DEFPUSHBUTTON), else the control with id IDOK.
HWND defaultButton(HWND dialog) {
    HWND ok = 0;
    for (HWND h : controlsOf(dialog)) {
        WindowRecord* rec = WindowSystem::Find(h);
        if (rec->className == "BUTTON" && (rec->style & 0x0F) == 0x01)
            return h;
        if (rec->id == UINT(IDOK) && !ok)
            ok = h;
    }
    return ok;
}

bool pressMnemonic(HWND dialog, char letter) {
    std::vector<HWND> controls = controlsOf(dialog);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        WindowRecord* rec = WindowSystem::Find(controls[i]);
        QString text = rec->widget->property("taurelText").toString();
        if (MnemonicOf(text.toStdString()) != letter)
            continue;
        LRESULT code = dialogCode(controls[i], 0);
        if (code & DLGC_STATIC) {
            // A label names the control after it.
            for (std::size_t j = i + 1; j < controls.size(); ++j)
                if (WindowSystem::Find(controls[j])->style & WS_TABSTOP) {
                    focus(controls[j]);
                    break;
                }
        } else if (code & DLGC_BUTTON) {
            press(controls[i]);
        } else {
            focus(controls[i]);
        }
        return true;
    }
    return false;
}

char keyLetter(int key) {
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return char(key);
    return 0;
}

bool handleKey(QWidget* receiver, const QKeyEvent* e) {
    // Popups (a combo's list, a menu) keep their keys.
    if (receiver->window()->windowType() == Qt::Popup)
        return false;
    HWND control = WindowSystem::FromWidget(receiver);
    HWND dialog = dialogOf(control);
    WindowRecord* top = WindowSystem::Find(dialog);
    if (!top || !top->widget || top->widget != receiver->window())
        return false;
    const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
    const bool plain = !(mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    const int key = e->key();

    if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) && plain) {
        if (dialogCode(control, VK_TAB) & (DLGC_WANTTAB | DLGC_WANTALLKEYS))
            return false;
        moveFocus(dialog, control, key == Qt::Key_Backtab || (mods & Qt::ShiftModifier));
        return true;
    }
    if (mods == Qt::AltModifier)
        if (char letter = keyLetter(key))
            return pressMnemonic(dialog, letter);
    if (!plain)
        return false;
    if (key == Qt::Key_Escape) {
        if (dialogCode(control, VK_ESCAPE) & DLGC_WANTALLKEYS)
            return false;
        WindowSystem::Dispatch(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        LRESULT code = dialogCode(control, VK_RETURN);
        if (code & DLGC_WANTALLKEYS)
            return false;
        HWND target = (code & DLGC_BUTTON) ? control : defaultButton(dialog);
        if (!target)
            return false;
        press(target);
        return true;
    }
    return false;
}

class KeyFilter : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        return handleKey(static_cast<QWidget*>(watched), static_cast<QKeyEvent*>(event));
    }
};

} // namespace

namespace DialogManager {

void Install() {
    static QPointer<KeyFilter> filter;
    QCoreApplication* app = QCoreApplication::instance();
    if (filter || !app)
        return;
    filter = new KeyFilter;
    filter->setParent(app);
    app->installEventFilter(filter);
}

std::vector<HWND> TabStops(HWND dialog) {
    std::vector<HWND> stops;
    for (HWND h : controlsOf(dialog))
        if (WindowSystem::Find(h)->style & WS_TABSTOP)
            stops.push_back(h);
    return stops;
}

void FocusFirstTabStop(HWND dialog) {
    std::vector<HWND> stops = TabStops(dialog);
    if (!stops.empty())
        focus(stops.front());
}

} // namespace DialogManager
