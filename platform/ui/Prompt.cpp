#include "platform/ui/Prompt.h"
#include "platform/ui/OctetText.h"

#include "platform/ui/CMenu.h"
#include "platform/ui/WindowSystem.h"

#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>

namespace {

QWidget* ownerWidget(HWND owner) {
    WindowRecord* rec = WindowSystem::Find(owner);
    return rec ? rec->widget.data() : nullptr;
}

void fillMenu(QMenu* target, HMENU menu) {
    for (const MenuItem& item : CMenu::Items(menu)) {
        if (item.flags & MF_SEPARATOR) {
            target->addSeparator();
            continue;
        }
        QString text = TextFromOctets(item.text);
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
