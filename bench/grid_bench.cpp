// Filling a table control with 10,000 rows of 16 columns, and repainting it. A repaint draws
// only what can show, so its cost must not depend on the number of rows: the program ends
// with the ratio of the repaint time at 10,000 rows to that at 100 rows.

#include "bench/GuiBenchmarkMain.h"
#include "bench/MedianTime.h"
#include "controls/GridCtl/CTableControl.h"

#include <QApplication>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr int kColumns = 16;

// A 400 × 300 grid on its own top-level window.
struct Table {
    Table() {
        CTableControl::Register();
        frame.Create(nullptr, "bench", WS_POPUP | WS_VISIBLE, CRect(0, 0, 420, 320), nullptr, 0);
        grid = new CTableControl;
        grid->Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 300), &frame, 1000);
        std::vector<_CAPTIONDATA> captions(kColumns);
        for (int c = 0; c < kColumns; ++c) {
            captions[size_t(c)].width = 60;
            std::snprintf(captions[size_t(c)].caption, sizeof captions[0].caption, "Col %d", c);
        }
        grid->InitTable(kColumns, captions.data(), 1);
    }
    void Fill(int rows) {
        grid->ResetTbl();
        _DATAOBJ cell{};
        for (int r = 0; r < rows; ++r) {
            std::snprintf(cell.text, sizeof cell.text, "Row %d", r);
            grid->AppendItemString(&cell);
            for (int c = 1; c < kColumns; ++c) {
                std::snprintf(cell.text, sizeof cell.text, "%d", r * kColumns + c);
                cell.attribute = c % 3 == 0;
                grid->SetItemString(r, c, &cell);
            }
        }
    }
    void Repaint() { grid->RedrawWindow(); }

    CWnd frame;
    CTableControl* grid = nullptr;
};

void BM_AppendRows(benchmark::State& state) {
    Table table;
    for (auto _ : state)
        table.Fill(int(state.range(0)));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_AppendRows)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_Repaint(benchmark::State& state) {
    Table table;
    table.Fill(int(state.range(0)));
    for (auto _ : state)
        table.Repaint();
}
BENCHMARK(BM_Repaint)->Arg(100)->Arg(10000)->Unit(benchmark::kMicrosecond);

// Median time of one full repaint with `rows` rows.
double MedianRepaintSeconds(int rows) {
    Table table;
    table.Fill(rows);
    return MedianSeconds([&] { table.Repaint(); });
}

} // namespace

int main(int argc, char** argv) {
    return RunGuiBenchmarks(argc, argv, [] {
        double small = MedianRepaintSeconds(100);
        double large = MedianRepaintSeconds(10000);
        std::printf("repaint median: 100 rows %.1f us, 10000 rows %.1f us\n", small * 1e6,
                    large * 1e6);
        std::printf("repaint ratio 10000/100: %.2f\n", large / small);
    });
}
