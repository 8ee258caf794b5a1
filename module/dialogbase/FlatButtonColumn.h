#pragma once
// The column of up to seven flat buttons at the right of a table-like dialog (ids 1013 to
// 1019). Each takes the label of its button record; a button without label is hidden. The
// buttons move with the dialog's right edge and are raised together when the operator drags
// the held mouse over the dialog.

#include "module/slots/CDlgData.h"
#include "platform/ui/WinTypes.h"

class CFBCtrl;
class CWnd;
struct DialogTemplate;

class CFlatButtonColumn {
public:
    static constexpr int kButtons = CTableDlgData::kButtons;
    static constexpr UINT kFirstId = 1013;

    // Adds the seven buttons (45 × 17 dialog units at x `left`) at the given tops to a template.
    static void AddToTemplate(DialogTemplate& tpl, const int (&tops)[kButtons], int left = 252);
    // Takes the dialog's buttons by id and gives them the records' labels.
    void Init(CWnd* dialog, const CDlgButton (&records)[kButtons]);
    // The button index of a control id, or -1 when the id is not one of the column's.
    static int IndexOf(UINT id);
    CFBCtrl* Button(int index) const;
    void RaiseAll();
    // Moves every button to `left` in the dialog, keeping its top and size.
    void MoveLeftTo(CWnd* dialog, int left);

private:
    CFBCtrl* m_buttons[kButtons] = {};
};
