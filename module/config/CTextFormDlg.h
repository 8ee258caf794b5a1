#pragma once
// The settings form with text fields (template 138): "IP Interface Settings" (slot 4) and the
// trap receiver form (slot 6). A new row's index field starts with a placeholder; the fields
// widen to the longest value the switch sent.

#include "module/config/CSettingsForm.h"

class CTextFormDlg : public CSettingsForm {
public:
    static constexpr UINT kTemplateId = 138;
    static constexpr FormControlIds kIds{
        FormKind::TextFields, "TextEditCtrlClass", 1125, 1023, 10, 1124, 1122};

    CTextFormDlg(CWnd* mainWnd, CFormDlgData* record);
    // The factory's function for slots 4 and 6.
    static CWnd* CreateFor(CWnd* mainWnd, CDlgData* record);

protected:
    std::unique_ptr<CObjectInput> MakeInput(int input, int row) override;
    std::size_t LongestInputText() const override { return m_longestValue; }
    void AfterValues() override;

private:
    std::size_t m_longestValue = 0;
};
