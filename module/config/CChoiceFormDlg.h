#pragma once
// The settings form with choice lists (template 139): "Trap Settings" (slot 7) and the port
// settings (slots 80 to 107). Each list offers its row's enumeration.

#include "module/config/CSettingsForm.h"

class CChoiceFormDlg : public CSettingsForm {
public:
    static constexpr UINT kTemplateId = 139;
    static constexpr FormControlIds kIds{
        FormKind::ChoiceLists, "ComboBoxCtrlClass", 1043, 1032, 11, 1054, 1055};

    CChoiceFormDlg(CWnd* mainWnd, CFormDlgData* record);
    // The factory's function for slots 7 and 80 to 107.
    static CWnd* CreateFor(CWnd* mainWnd, CDlgData* record);

protected:
    std::unique_ptr<CObjectInput> MakeInput(int input, int row) override;
    std::size_t LongestInputText() const override;
};
