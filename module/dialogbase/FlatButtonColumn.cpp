#include "module/dialogbase/FlatButtonColumn.h"

#include "controls/FlatKeyCtl/CFBCtrl.h"
#include "module/dialogbase/DialogFrame.h"
#include "platform/ui/DialogTemplate.h"

void CFlatButtonColumn::Init(CWnd* dialog, const CDlgButton (&records)[kButtons]) {
    for (int i = 0; i < kButtons; ++i) {
        m_buttons[i] = dynamic_cast<CFBCtrl*>(dialog->GetDlgItem(int(kFirstId) + i));
        if (!m_buttons[i])
            continue;
        m_buttons[i]->InitFlatButton(records[i].label);
        if (records[i].label[0] == '\0')
            m_buttons[i]->ShowWindow(SW_HIDE);
    }
}

int CFlatButtonColumn::IndexOf(UINT id) {
    return id >= kFirstId && id < kFirstId + kButtons ? int(id - kFirstId) : -1;
}

CFBCtrl* CFlatButtonColumn::Button(int index) const {
    return index >= 0 && index < kButtons ? m_buttons[index] : nullptr;
}

void CFlatButtonColumn::RaiseAll() {
    for (CFBCtrl* button : m_buttons)
        if (button)
            button->RaiseButton();
}

void CFlatButtonColumn::MoveLeftTo(CWnd* dialog, int left) {
    for (CFBCtrl* button : m_buttons)
        if (button) {
            CRect r = ChildRect(dialog, button);
            button->MoveWindow(left, r.top, r.Width(), r.Height());
        }
}

void CFlatButtonColumn::AddToTemplate(DialogTemplate& tpl, const int (&tops)[kButtons], int left) {
    for (int i = 0; i < kButtons; ++i)
        tpl.items.push_back({kFirstId + UINT(i), "FlatBtnCtrlClass", left, tops[i], 45, 17,
                             WS_VISIBLE | WS_TABSTOP, ""});
}
