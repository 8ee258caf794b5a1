#include "platform/ui/DialogManager.h"

#include "platform/ui/ControlStyles.h"
#include "platform/ui/WinMessages.h"
#include "platform/ui/WindowSystem.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QTabBar>
#include <algorithm>
#include <string>

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

// The controls of the dialog in template order, descending into its pages: the usable ones,
// or all of them.
void collectControls(HWND parent, const QWidget* top, bool onlyUsable, std::vector<HWND>& out) {
    for (HWND child : WindowSystem::Children(parent)) {
        WindowRecord* rec = WindowSystem::Find(child);
        if (onlyUsable && !usable(rec, top))
            continue;
        if (isDialog(rec))
            collectControls(child, top, onlyUsable, out);
        else
            out.push_back(child);
    }
}

std::vector<HWND> controlsOf(HWND dialog, bool onlyUsable = true) {
    std::vector<HWND> all;
    if (WindowRecord* rec = WindowSystem::Find(dialog); rec && rec->widget)
        collectControls(dialog, rec->widget, onlyUsable, all);
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

// The usable control of the dialog with that id, or 0.
HWND usableControl(HWND dialog, UINT id) {
    for (HWND h : controlsOf(dialog))
        if (WindowSystem::Find(h)->id == id)
            return h;
    return 0;
}

// The default button of the form holding `control`: the nearest dialog around it that names
// one (DM_GETDEFID), else a BS_DEFPUSHBUTTON "BUTTON". Without either there is none: Enter
// then presses nothing, and a dialog is never ended by an IDOK it does not offer.
HWND defaultButton(HWND dialog, HWND control) {
    for (WindowRecord* rec = WindowSystem::Find(control); rec;
         rec = WindowSystem::Find(rec->parent)) {
        if (isDialog(rec)) {
            LRESULT def = WindowSystem::Dispatch(rec->hwnd, DM_GETDEFID, 0, 0);
            if (HIWORD(def) == DC_HASDEFID)
                return usableControl(dialog, LOWORD(def));
        }
        if (rec->hwnd == dialog)
            break;
    }
    for (HWND h : controlsOf(dialog)) {
        WindowRecord* rec = WindowSystem::Find(h);
        if (rec->className == "BUTTON" && (rec->style & 0x0F) == 0x01)
            return h;
    }
    return 0;
}

// Every caption of the dialog with the control and the caption's number in it.
struct Caption {
    HWND control;
    int item;
    std::string text;
};

// Buttons and menus come first, so they keep their initials before labels take letters; all
// controls count, shown or not, so switching pages never moves a mark.
std::vector<Caption> captionsOf(HWND dialog) {
    std::vector<Caption> pressable, labels;
    for (HWND h : controlsOf(dialog, false)) {
        std::vector<std::string> own;
        if (WindowSystem::Dispatch(h, WM_GETCAPTIONS, 0, LPARAM(&own))) {
            for (std::size_t i = 0; i < own.size(); ++i)
                pressable.push_back({h, int(i), own[i]});
            continue;
        }
        LRESULT code = dialogCode(h, 0);
        if (!(code & (DLGC_BUTTON | DLGC_STATIC)))
            continue; // an edit's or a list's text is its content, not a caption
        std::string text =
            WindowSystem::Find(h)->widget->property("taurelText").toString().toStdString();
        if (text.empty())
            continue;
        ((code & DLGC_STATIC) ? labels : pressable).push_back({h, 0, text});
    }
    pressable.insert(pressable.end(), labels.begin(), labels.end());
    return pressable;
}

std::vector<MnemonicMark> marksOf(const std::vector<Caption>& captions) {
    std::vector<std::string> texts;
    for (const Caption& c : captions)
        texts.push_back(c.text);
    return AssignMnemonics(texts);
}

void pressMnemonic(HWND dialog, char letter) {
    std::vector<Caption> captions = captionsOf(dialog);
    std::vector<MnemonicMark> marks = marksOf(captions);
    std::vector<HWND> controls = controlsOf(dialog);
    for (std::size_t i = 0; i < captions.size(); ++i) {
        if (marks[i].letter != letter)
            continue;
        const Caption& c = captions[i];
        auto at = std::find(controls.begin(), controls.end(), c.control);
        if (at == controls.end())
            return; // its control is hidden or disabled: nothing happens
        LRESULT code = dialogCode(c.control, 0);
        if (code & DLGC_MENUBAR) {
            WindowSystem::Dispatch(c.control, WM_CAPTIONKEY, WPARAM(c.item), 0);
        } else if (code & DLGC_STATIC) {
            // A label names the control after it.
            for (auto next = at + 1; next != controls.end(); ++next)
                if (WindowSystem::Find(*next)->style & WS_TABSTOP) {
                    focus(*next);
                    break;
                }
        } else if (code & DLGC_BUTTON) {
            press(c.control);
        } else {
            focus(c.control);
        }
        return;
    }
}

// Ctrl+Tab: the next (or previous) page of the dialog's first tab control, as a click on its
// tab would choose it.
bool turnPage(HWND dialog, bool backwards) {
    for (HWND h : controlsOf(dialog)) {
        WindowRecord* rec = WindowSystem::Find(h);
        auto* bar = rec->widget->findChild<QTabBar*>();
        if (!bar || bar->count() < 2)
            continue;
        int n = bar->count();
        bar->setCurrentIndex((bar->currentIndex() + (backwards ? n - 1 : 1)) % n);
        // The focus stays where the operator can see it: on the tabs when its control went away
        // with the old page.
        QWidget* focused = QApplication::focusWidget();
        if (!focused || !focused->isVisible())
            bar->setFocus(Qt::TabFocusReason);
        return true;
    }
    return false;
}

HWND menuBarOf(HWND dialog) {
    for (HWND h : controlsOf(dialog))
        if (dialogCode(h, VK_F10) & DLGC_MENUBAR)
            return h;
    return 0;
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
    if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) &&
        (mods & ~Qt::ShiftModifier) == Qt::ControlModifier)
        return turnPage(dialog, key == Qt::Key_Backtab || (mods & Qt::ShiftModifier));
    if ((mods & Qt::AltModifier) && !(mods & (Qt::ControlModifier | Qt::MetaModifier))) {
        // Taken here whether or not a caption marks it, so no field ever types the letter.
        if (char letter = keyLetter(key)) {
            pressMnemonic(dialog, letter);
            return true;
        }
        return !e->text().isEmpty() && e->text().at(0).isPrint();
    }
    if (key == Qt::Key_F10 && mods == Qt::NoModifier) {
        HWND bar = menuBarOf(dialog);
        if (!bar)
            return false;
        WindowSystem::Dispatch(bar, WM_CAPTIONKEY, 0, 0);
        return true;
    }
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
        HWND target = (code & DLGC_BUTTON) ? control : defaultButton(dialog, control);
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

MnemonicMark MarkOf(HWND control, int caption) {
    HWND dialog = dialogOf(control);
    if (!dialog)
        return {};
    std::vector<Caption> captions = captionsOf(dialog);
    std::vector<MnemonicMark> marks = marksOf(captions);
    for (std::size_t i = 0; i < captions.size(); ++i)
        if (captions[i].control == control && captions[i].item == caption)
            return marks[i];
    return {};
}

} // namespace DialogManager
