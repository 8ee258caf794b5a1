#pragma once
// The bar-graph dialog: a port's counters as bars of their current, average and peak rates.

#include "module/graphs/CGraphDlg.h"
#include "module/graphs/windows/CBarGraphWnd.h"

class CBarGraphDlg : public CGraphDlg {
public:
    CBarGraphDlg(CWnd* mainWnd, CTableDlgData* record) : CGraphDlg(mainWnd, record) {}
    // The factory's function for the bar-graph slots.
    static CWnd* CreateFor(CWnd* mainWnd, CDlgData* record) {
        return CGraphDlg::CreateFor<CBarGraphDlg, CTableDlgData>(mainWnd, record);
    }

    CGraphFrameWnd& Graph() override { return m_bars; }
    CBarGraphWnd& Bars() { return m_bars; }

protected:
    std::uint32_t& SequenceCounter() override;

private:
    CBarGraphWnd m_bars;
};
