#pragma once
// What the tests of the table-like dialogs share: opening a slot's dialog and waiting for its
// first answer, a dialog over a copy of a slot's record that talks to another address, and
// reading the grid, the log and the counter box.

#include "controls/GridCtl/CTableControl.h"
#include "controls/KoSample/CSampMsgControl.h"
#include "controls/LogListCtl/CLMsgControl.h"
#include "module/dialogbase/CSwitchInfoDlg.h"
#include "tests/module/support/ModuleFixture.h"
#include "tests/platform/ui/UiTestSupport.h"

#include <QTest>
#include <QWidget>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

class SwitchDialogTest : public ModuleFixture {
protected:
    template <typename Dlg> Dlg* Open(int slot) {
        auto* dlg = dynamic_cast<Dlg*>(OpenSlot(slot));
        EXPECT_NE(dlg, nullptr) << "slot " << slot;
        if (dlg) {
            EXPECT_TRUE(WaitFor([dlg] { return !dlg->IsWaiting(); }));
        }
        PumpMessages();
        return dlg;
    }
    // A dialog of the slot's kind over a copy of its record that talks to `address`.
    template <typename Dlg, typename Record> Dlg* OpenAt(int slot, const std::string& address) {
        records.push_back(std::make_unique<Record>(*dynamic_cast<Record*>(main->GetRecord(slot))));
        Record* record = static_cast<Record*>(records.back().get());
        std::snprintf(record->m_szHeaderValue[2], 80, "%s", address.c_str());
        opened.push_back(Dlg::CreateFor(main.get(), record));
        return dynamic_cast<Dlg*>(opened.back());
    }
    void TearDown() override {
        for (CWnd* dlg : opened)
            if (CWnd* live = CWnd::FromHandle(dlg ? dlg->m_hWnd : 0))
                live->SendMessage(WM_CLOSE);
        PumpMessages();
        ModuleFixture::TearDown();
    }
    static std::string Cell(CSwitchInfoDlg* dlg, int column, int row) {
        _DATAOBJ cell{};
        return dlg->GetGrid()->GetItem(column, row, cell) ? cell.text : "<none>";
    }
    static int Attribute(CSwitchInfoDlg* dlg, int column, int row) {
        _DATAOBJ cell{};
        return dlg->GetGrid()->GetItem(column, row, cell) ? cell.attribute : -1;
    }
    static std::vector<std::string> Log(CSwitchInfoDlg* dlg) {
        std::vector<std::string> lines;
        for (int i = 0; i < dlg->GetLog()->GetLineCount(); ++i)
            lines.push_back(dlg->GetLog()->GetLine(i));
        return lines;
    }
    static std::string LastLog(CSwitchInfoDlg* dlg) {
        auto lines = Log(dlg);
        return lines.empty() ? "" : lines.back();
    }
    static std::string Counter(CSwitchInfoDlg* dlg) { return dlg->GetCounter()->GetValue(); }
    void SelectRow(CSwitchInfoDlg* dlg, int row) {
        LeftDown(dlg->GetGrid(), 60, 18 + 16 * row + 8);
        LeftUp(dlg->GetGrid(), 60, 18 + 16 * row + 8);
        PumpMessages();
    }
    void RightClickGrid(CSwitchInfoDlg* dlg) {
        QTest::mouseClick(dlg->GetGrid()->GetWidget(), Qt::RightButton, {}, QPoint(60, 30));
        PumpMessages();
    }
    void Click(CWnd* dlg, UINT id) {
        ClickControl(dlg, id);
        WaitForReplies();
    }
    CSize Size(CWnd* wnd) {
        CRect r;
        wnd->GetWindowRect(&r);
        return CSize(r.Width(), r.Height());
    }
    CRect RectIn(CWnd* dlg, UINT id) {
        CRect r;
        dlg->GetDlgItem(int(id))->GetWindowRect(&r);
        dlg->ScreenToClient(&r);
        return r;
    }

    std::vector<std::unique_ptr<CDlgData>> records;
    std::vector<CWnd*> opened;
};
