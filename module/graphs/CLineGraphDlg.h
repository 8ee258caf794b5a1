#pragma once
// The line-curve dialog: a port's counters as curves of their rates over time.

#include "module/graphs/CGraphDlg.h"
#include "module/graphs/windows/CLineCurveWnd.h"

class CLineGraphDlg : public CGraphDlg {
public:
    CLineGraphDlg(CWnd* mainWnd, CTableDlgData* record) : CGraphDlg(mainWnd, record) {}
    // The factory's function for the line-curve slots.
    static CWnd* CreateFor(CWnd* mainWnd, CDlgData* record) {
        return CGraphDlg::CreateFor<CLineGraphDlg, CTableDlgData>(mainWnd, record);
    }

    CGraphFrameWnd& Graph() override { return m_curve; }
    CLineCurveWnd& Curve() { return m_curve; }

protected:
    std::uint32_t& SequenceCounter() override;

private:
    CLineCurveWnd m_curve;
};
