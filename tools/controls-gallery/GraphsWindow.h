#pragma once
// The graphs gallery: a line-curve window and a bar-graph window fed with five minutes of
// synthetic samples of three counters, one of them passing 2^32, with the three counters chosen
// in the legends.

#include "module/graphs/windows/CBarGraphWnd.h"
#include "module/graphs/windows/CLineCurveWnd.h"
#include "platform/ui/CWnd.h"

class CGraphsGalleryWnd : public CWnd {
public:
    static constexpr int kWidth = 720;
    static constexpr int kHeight = 630;
    enum : UINT { kLineId = 100, kBarId = 101, kTimerId = 1 };

    bool CreateGallery();
    // Adds a sample every five seconds from now on.
    void StartLive();
    CLineCurveWnd& Line() { return m_line; }
    CBarGraphWnd& Bars() { return m_bars; }

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void Feed(const CSampleRecord& sample);
    void ChooseCounters(CGraphFrameWnd& graph);

    CLineCurveWnd m_line;
    CBarGraphWnd m_bars;
    int m_next = 0;
};
