#include "platform/ui/Prompt.h"
#include "platform/ui/OctetText.h"

#include "platform/ui/CMenu.h"
#include "platform/ui/Mnemonic.h"
#include "platform/ui/WindowSystem.h"

#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDialog>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>

namespace {

QWidget* ownerWidget(HWND owner) {
    WindowRecord* rec = WindowSystem::Find(owner);
    return rec ? rec->widget.data() : nullptr;
}

// Every item shows a mnemonic the operator can type, chosen among the menu's own items.
void fillMenu(QMenu* target, HMENU menu) {
    const std::vector<MenuItem> items = CMenu::Items(menu);
    std::vector<std::string> captions;
    for (const MenuItem& item : items)
        captions.push_back((item.flags & MF_SEPARATOR) ? std::string() : item.text);
    const std::vector<MnemonicMark> marks = AssignMnemonics(captions);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const MenuItem& item = items[i];
        if (item.flags & MF_SEPARATOR) {
            target->addSeparator();
            continue;
        }
        QString text = TextFromOctets(WithMnemonicMark(item.text, marks[i].index));
        if (item.flags & MF_POPUP) {
            QMenu* sub = target->addMenu(text);
            sub->setEnabled(!(item.flags & (MF_GRAYED | MF_DISABLED)));
            fillMenu(sub, item.popup);
            continue;
        }
        QAction* action = target->addAction(text);
        action->setData(item.id);
        action->setEnabled(!(item.flags & (MF_GRAYED | MF_DISABLED)));
        action->setCheckable((item.flags & MF_CHECKED) != 0);
        action->setChecked((item.flags & MF_CHECKED) != 0);
    }
}

// The keys a menu bar's menu adds to a popup: Left leaves the bar's own menu for the
// neighbouring one; Right on an item that opens no submenu does so from any depth of
// submenus. In a submenu Left closes just that submenu, as usual.
class BarMenuKeys : public QObject {
public:
    BarMenuKeys(QMenu* menu, bool fromKeyboard) : m_menu(menu), m_fromKeyboard(fromKeyboard) {
        menu->installEventFilter(this);
        for (QMenu* sub : menu->findChildren<QMenu*>())
            sub->installEventFilter(this);
    }
    int Step() const { return m_step; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched == m_menu && m_fromKeyboard) {
            // Highlighted as Down would, once the menu is up: setActiveAction() would also open
            // a first item's submenu before the menu itself took the keyboard, and the keys
            // would then go to a menu whose submenu no key can enter.
            QCoreApplication::postEvent(
                m_menu, new QKeyEvent(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier));
            return false;
        }
        auto* menu = qobject_cast<QMenu*>(watched);
        if (event->type() != QEvent::KeyPress || !menu)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        QAction* active = menu->activeAction();
        const bool opensSubmenu = active && active->menu() && active->isEnabled();
        if ((key == Qt::Key_Left && menu == m_menu) || (key == Qt::Key_Right && !opensSubmenu)) {
            m_step = key == Qt::Key_Left ? -1 : 1;
            for (QMenu* open = menu; open && open != m_menu;
                 open = qobject_cast<QMenu*>(open->parent()))
                open->close();
            m_menu->close();
            return true;
        }
        return false;
    }

private:
    QMenu* m_menu;
    bool m_fromKeyboard;
    int m_step = 0;
};

class QtPrompt : public IPrompt {
public:
    int MessageBox(HWND owner, const std::string& text, const std::string& caption,
                   UINT type) override {
        QMessageBox box(ownerWidget(owner));
        box.setWindowTitle(TextFromOctets(caption));
        box.setText(TextFromOctets(text));
        switch (type & 0x0F) {
        case MB_OKCANCEL:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
        case MB_YESNO:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        case MB_YESNOCANCEL:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
        default:
            box.setStandardButtons(QMessageBox::Ok);
        }
        switch (box.exec()) {
        case QMessageBox::Yes:
            return IDYES;
        case QMessageBox::No:
            return IDNO;
        case QMessageBox::Cancel:
            return IDCANCEL;
        default:
            return IDOK;
        }
    }

    UINT TrackPopupMenu(HMENU menu, POINT p, HWND owner) override {
        QMenu popup(ownerWidget(owner));
        fillMenu(&popup, menu);
        QAction* chosen = popup.exec(QPoint(p.x, p.y));
        return chosen ? chosen->data().toUInt() : 0;
    }

    UINT TrackBarMenu(HMENU menu, POINT p, HWND owner, bool fromKeyboard, int* step) override {
        QMenu popup(ownerWidget(owner));
        fillMenu(&popup, menu);
        BarMenuKeys keys(&popup, fromKeyboard);
        QAction* chosen = popup.exec(QPoint(p.x, p.y));
        *step = chosen ? 0 : keys.Step();
        return chosen ? chosen->data().toUInt() : 0;
    }

    bool ChooseColor(HWND owner, COLORREF initial, COLORREF* chosen) override {
        QColor c = QColorDialog::getColor(
            QColor(GetRValue(initial), GetGValue(initial), GetBValue(initial)), ownerWidget(owner));
        if (!c.isValid())
            return false;
        *chosen = RGB(c.red(), c.green(), c.blue());
        return true;
    }

    bool GetSaveFileName(HWND owner, const std::string& title, const std::string& suggestedName,
                         const std::string& filter, std::string* path) override {
        QString chosen = QFileDialog::getSaveFileName(
            ownerWidget(owner), QString::fromStdString(title),
            QString::fromStdString(suggestedName), QString::fromStdString(filter));
        if (chosen.isEmpty())
            return false;
        *path = chosen.toStdString();
        return true;
    }
};

QtPrompt g_qtPrompt;
IPrompt* g_prompt = &g_qtPrompt;

} // namespace

bool DismissPrompts() {
    bool found = false;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible())
            continue;
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            box->done(QMessageBox::Cancel); // "No" and "OK" would be answers; this is none
            found = true;
        } else if (auto* dialog = qobject_cast<QDialog*>(w)) {
            dialog->reject();
            found = true;
        } else if (auto* menu = qobject_cast<QMenu*>(w)) {
            menu->close();
            found = true;
        }
    }
    return found;
}

IPrompt* SetPrompt(IPrompt* prompt) {
    IPrompt* old = g_prompt;
    g_prompt = prompt ? prompt : &g_qtPrompt;
    return old;
}

IPrompt& CurrentPrompt() {
    return *g_prompt;
}

int AfxMessageBox(const char* text, UINT type, UINT) {
    std::string caption = QCoreApplication::instance()
                              ? QCoreApplication::applicationName().toStdString()
                              : std::string();
    return g_prompt->MessageBox(0, text ? text : "", caption, type);
}

int MessageBox(HWND owner, const char* text, const char* caption, UINT type) {
    return g_prompt->MessageBox(owner, text ? text : "", caption ? caption : "", type);
}

CColorDialog::CColorDialog(COLORREF initial, DWORD, CWnd* parent)
    : m_color(initial), m_owner(parent ? parent->m_hWnd : 0) {}

INT_PTR CColorDialog::DoModal() {
    COLORREF chosen = m_color;
    if (!g_prompt->ChooseColor(m_owner, m_color, &chosen))
        return IDCANCEL;
    m_color = chosen;
    return IDOK;
}
