#pragma once
// The in-place editors of CNmListCtrl: an edit box and a drop-down list over one cell. Enter
// and losing the focus keep the text, Escape cancels; either way the list hears
// LVN_ENDLABELEDIT for the cell (with no text when cancelled) and the editor closes and
// deletes itself.

#include "platform/ui/CComboBox.h"
#include "platform/ui/CEdit.h"

// Ends an editor once: builds and sends the notification to the list.
class NmCellEditEnd {
public:
    NmCellEditEnd(HWND list, int row, int col) : m_list(list), m_row(row), m_col(col) {}
    // False when the editor had already ended.
    bool End(bool keep, const std::string& text);

private:
    HWND m_list;
    int m_row, m_col;
    bool m_ended = false;
};

class CNmListEdit : public CEdit {
public:
    CNmListEdit(HWND list, int row, int col) : m_end(list, row, col) {}
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

protected:
    void PostNcDestroy() override { delete this; }

private:
    NmCellEditEnd m_end;
};

class CNmListCombo : public CComboBox {
public:
    CNmListCombo(HWND list, int row, int col) : m_end(list, row, col) {}
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

protected:
    void PostNcDestroy() override { delete this; }

private:
    NmCellEditEnd m_end;
};
