#pragma once
// The settings form with choice lists (template 139): "Trap Settings" (slot 7) and the port
// settings (slots 80 to 107). Each list offers its row's enumeration.

#include "module/config/CEnumChoice.h"
#include "module/config/CSettingsForm.h"

#include <vector>

class CChoiceFormDlg : public CSettingsForm {
public:
    static constexpr UINT kTemplateId = 139;
    static constexpr FormControlIds kIds{
        FormKind::ChoiceLists, "ComboBoxCtrlClass", 1043, 1032, 11, 1054, 1055};

    CChoiceFormDlg(CWnd* mainWnd, CFormDlgData* record);
    // The factory's function for slots 7 and 80 to 107.
    static CWnd* CreateFor(CWnd* mainWnd, CDlgData* record);

protected:
    void SetUpInput(int input, int row) override;
    std::string InputText(int input) override;
    void ShowValue(int input, int row, const std::string& text,
                   const CSnmpVarBind& binding) override;
    std::size_t LongestInputText() const override;
    void RaiseInputs() override;

private:
    std::vector<CEnumChoice> m_choices;
};
