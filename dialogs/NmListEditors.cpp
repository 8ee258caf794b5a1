#include "dialogs/NmListEditors.h"

#include "platform/ui/ControlStyles.h"

bool NmCellEditEnd::End(bool keep, const std::string& text) {
    if (m_ended)
        return false;
    m_ended = true;
    NMLVDISPINFO info;
    info.hdr.hwndFrom = m_list;
    info.hdr.idFrom = 0;
    info.hdr.code = LVN_ENDLABELEDIT;
    info.item.mask = LVIF_TEXT;
    info.item.iItem = m_row;
    info.item.iSubItem = m_col;
    info.item.pszText = keep ? text.c_str() : nullptr;
    // The list's own notification comes back to the list, as the framework reflects it.
    ::SendMessage(m_list, WM_NOTIFY, 0, LPARAM(&info));
    return true;
}

namespace {
// Return keeps, Escape cancels, losing the focus keeps; true when the editor is to close.
bool endingKey(UINT msg, WPARAM wParam, bool& keep) {
    if (msg == WM_KEYDOWN && (wParam == VK_RETURN || wParam == VK_ESCAPE)) {
        keep = wParam == VK_RETURN;
        return true;
    }
    if (msg == WM_KILLFOCUS) {
        keep = true;
        return true;
    }
    return false;
}
} // namespace

LRESULT CNmListEdit::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    bool keep = false;
    if (endingKey(msg, wParam, keep)) {
        if (m_end.End(keep, GetWindowText()))
            DestroyWindow(); // deletes this
        return 0;
    }
    return CEdit::WindowProc(msg, wParam, lParam);
}

LRESULT CNmListCombo::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    bool keep = false;
    if (endingKey(msg, wParam, keep)) {
        int sel = GetCurSel();
        if (m_end.End(keep, sel >= 0 ? GetLBText(sel) : GetWindowText()))
            DestroyWindow(); // deletes this
        return 0;
    }
    return CComboBox::WindowProc(msg, wParam, lParam);
}
