#include "dialogs/CNmDlgList.h"

#include "dialogs/CNmDlgListSet.h"
#include "dialogs/NmDlgResources.h"

CNmDlgList::CNmDlgList(CWnd* parent, const std::string& key, const std::string&, const std::string&,
                       const std::string&, int, const _NmOidTable*, const std::string&)
    : CNmDlgLayout(IDD_NMDLG_GENERAL, parent, key, true) {}

BOOL CNmDlgList::OnInitDialog() {
    m_numberBox.SubclassWindow(::GetDlgItem(m_hWnd, int(IDC_NMDLG_NUMBER)));
    m_spin.SubclassWindow(::GetDlgItem(m_hWnd, int(IDC_NMDLG_SPIN)));
    m_spin.SetBuddy(&m_numberBox);
    return CNmDlgLayout::OnInitDialog();
}

void CNmDlgList::InitButtons() {
    SetButton(0, kRefresh);
    SetButton(1, kSet);
    SetButton(4, kClose);
}

CNmDlgListSet::CNmDlgListSet(CWnd* parent, const std::string& key, const std::string&,
                             const std::string&, const std::string&, int, const _NmOidTable*,
                             const std::string&)
    : CNmDlgLayout(IDD_NMDLG_SET, parent, key, false) {}

void CNmDlgListSet::InitButtons() {
    SetButton(0, kRefresh);
    SetButton(1, kApply);
    SetButton(4, kClose);
}
