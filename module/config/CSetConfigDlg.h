#pragma once
// Set Configuration (template 131, slot 1): the switch's scalar settings on four tab pages,
// General, Console, Advanced and Traps, built from the page table (ConfigPages). "Refresh" reads
// every page again, "Apply" writes every page and has the main window refresh the slot. When a
// set elsewhere wrote objects the pages show (PANEL_REFRESH_WRITTEN), every page reads again and
// keeps what its operator typed.

#include "module/config/CConfigPage.h"
#include "module/dialogbase/CModelessDialog.h"
#include "platform/ui/CTabCtrl.h"

#include <array>
#include <memory>

class CDlgData;

class CSetConfigDlg : public CModelessDialog {
public:
    static constexpr UINT kTemplateId = 131;
    static constexpr UINT kTabId = 1001, kRefreshId = 1003, kApplyId = 1004;
    static constexpr int kPages = kConfigPageCount;

    CSetConfigDlg(CWnd* mainWnd, CDlgData* record);
    ~CSetConfigDlg() override;
    // The factory's function for slot 1.
    static CWnd* CreateFor(CWnd* mainWnd, CDlgData* record);

    BOOL OnInitDialog() override;
    void OnCancel() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    CConfigPage* Page(int index) const { return m_pages[std::size_t(index)].get(); }
    int ShownPage() const { return m_nShown; }
    CTabCtrl& Tabs() { return m_tabs; }

private:
    void CreatePages();
    void ShowPage(int index);
    void OnClick(UINT id);
    // Writes the pages that were read; the others say so and keep the switch's values.
    void Apply();
    void RaiseButtons();
    void OnPaint();

    CWnd* m_pMainWnd;
    int m_nKind;
    CTabCtrl m_tabs;
    std::unique_ptr<CFont> m_tabFont;
    std::array<std::unique_ptr<CConfigPage>, kPages> m_pages;
    int m_nShown = 0;
    std::unique_ptr<CBrush> m_frameBrushes[3];
    COLORREF m_background;
};
