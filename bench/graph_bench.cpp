// One paint of an 800 × 400 line-curve window with 500 points and four curves, against
// QPainter drawing the same four 500-point polylines on an image of the same size. The window
// paints its frame, axes, labels and plot as well, so the ratio of the two says what the
// window layer and the graph code add around the curves. It ends with the ratio (ours / bare).

#include "bench/GuiBenchmarkMain.h"
#include "bench/MedianTime.h"
#include "module/graphs/windows/CLineCurveWnd.h"
#include "module/graphs/windows/GraphIds.h"
#include "module/graphs/windows/PlotGeometry.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int kCounters = 4;
constexpr COLORREF kColours[kCounters] = {RGB(255, 0, 0), RGB(0, 0, 255), RGB(0, 128, 0),
                                          RGB(128, 0, 128)};

// An 800 × 400 line curve holding 500 points of four counters, all four chosen.
struct Curve {
    Curve() {
        frame.Create(nullptr, "bench", WS_POPUP | WS_VISIBLE, CRect(0, 0, 820, 420), nullptr, 0);
        line.Create(CRect(0, 0, 800, 400), &frame, 100, {"a", "b", "c", "d"});
        line.SetScale(2500, 2000);
        std::uint32_t values[kCounters] = {};
        for (int k = 0; k <= 500; ++k) {
            CSampleRecord s;
            s.m_nCount = kCounters;
            s.m_dwSeq = std::uint32_t(k);
            s.m_time = std::uint32_t(100000 + 5 * k);
            for (int c = 0; c < kCounters; ++c) {
                values[c] += std::uint32_t(5 * (1000 + 900 * std::sin(k / (7.0 + c))));
                s.m_values.push_back(values[c]);
            }
            line.AddSample(s);
        }
        for (int c = 0; c < kCounters; ++c) {
            line.GetLegendItem(c)->SetBkColor(kColours[c]);
            line.SendMessage(LEGEND_PICKED, IDC_GRAPH_LEGEND + UINT(c), c + 1);
        }
        Paint();
    }
    void Paint() {
        line.RedrawWindow();
        line.CurvePlot().RedrawWindow();
    }

    CWnd frame;
    CLineCurveWnd line;
};

// The same four polylines drawn straight with QPainter.
struct Bare {
    explicit Bare(Curve& curve) : image(800, 400, QImage::Format_RGB32) {
        for (int c = 0; c < kCounters; ++c) {
            std::vector<QPoint> points;
            for (const auto& run :
                 CurveRuns(curve.line.Points(), c, curve.line.CurvePlot().GetScale()))
                for (const POINT& p : run)
                    points.emplace_back(p.x, p.y);
            lines.push_back(points);
        }
    }
    void Paint() {
        QPainter p(&image);
        for (int c = 0; c < kCounters; ++c) {
            p.setPen(
                QColor(GetRValue(kColours[c]), GetGValue(kColours[c]), GetBValue(kColours[c])));
            p.drawPolyline(lines[size_t(c)].data(), int(lines[size_t(c)].size()));
        }
    }
    QImage image;
    std::vector<std::vector<QPoint>> lines;
};

void BM_CurveWindowPaint(benchmark::State& state) {
    Curve curve;
    for (auto _ : state)
        curve.Paint();
}
BENCHMARK(BM_CurveWindowPaint)->Unit(benchmark::kMicrosecond);

void BM_BarePolylines(benchmark::State& state) {
    Curve curve;
    Bare bare(curve);
    for (auto _ : state)
        bare.Paint();
}
BENCHMARK(BM_BarePolylines)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return RunGuiBenchmarks(argc, argv, [] {
        Curve curve;
        Bare bare(curve);
        double ours = MedianSeconds([&] { curve.Paint(); });

        double polylines = MedianSeconds([&] { bare.Paint(); });
        std::printf("paint median: curve window %.1f us, bare polylines %.1f us\n", ours * 1e6,
                    polylines * 1e6);
        std::printf("curve paint ratio: %.2f\n", ours / polylines);
    });
}
