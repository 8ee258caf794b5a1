// One full paint of the front panel (chassis, four modules, 28 ports, their LEDs and the status
// LEDs) for the modules word 0x336A, against one plain blit of the 495 × 144 chassis bitmap in
// the same run. Ends with the ratio of the two median times.

#include "bench/GuiBenchmarkMain.h"
#include "bench/MedianTime.h"
#include "module/panel/CPanelWnd.h"
#include "module/res/PanelResources.h"
#include "snmp/CSnmpMsg.h"
#include "snmp/SnmpTypes.h"

#include <QApplication>
#include <QImage>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr std::uint16_t kWord = 0x336A;

// A panel showing every module of 0x336A with all its LEDs lit, as the switch's replies leave
// it. The engine is not started: the panel's own requests fail at once and change nothing here.
struct Panel {
    Panel() {
        frame.Create(nullptr, "bench", WS_POPUP | WS_VISIBLE, CRect(0, 0, 495, 194), nullptr, 0);
        panel =
            std::make_unique<CPanelWnd>(0, 50, 495, 144, &frame, "127.0.0.1", "tessla", "marbelo");
        auto* types = new CSnmpMsg(panel.get(), "127.0.0.1", "tessla", SNMP_PDU_RESPONSE);
        types->m_pPdu->AddOid("1.3.6.1.4.1.88888.11.9.1.1.1.9.1.2.1", std::uint32_t(kWord),
                              SNMP_TYPE_INTEGER);
        panel->OnModuleTypesReply(0, types);
        std::vector<std::uint8_t> leds(128, 0x0D);
        leds[0] = 0xFF;
        auto* status = new CSnmpMsg(panel.get(), "127.0.0.1", "tessla", SNMP_PDU_RESPONSE);
        status->m_pPdu->AddOid("1.3.6.1.4.1.88888.11.9.1.1.1.7.0", leds.data(), int(leds.size()),
                               SNMP_TYPE_OCTETS);
        panel->OnLedStatusReply(0, status);
        target.CreateCompatibleBitmap(495, 144);
        dc.CreateCompatibleDC(nullptr);
        dc.SelectObject(&target);
        chassis.LoadBitmap(PanelBitmap::kChassis);
        source.CreateCompatibleDC(nullptr);
        source.SelectObject(&chassis);
    }
    void Paint() { panel->Draw(dc); }
    void Blit() { dc.BitBlt(0, 0, 495, 144, &source, 0, 0, SRCCOPY); }
    // On a 2x screen the panel's surface holds the screen's pixels: every bitmap is doubled
    // whole pixels while it is drawn.
    void PaintAtDouble() {
        if (!doubleDc.GetTargetImage()) {
            doubleTarget.CreateCompatibleBitmap(495, 144);
            doubleTarget.Image() = QImage(990, 288, QImage::Format_RGB32);
            doubleTarget.Image().setDevicePixelRatio(2);
            doubleDc.CreateCompatibleDC(nullptr);
            doubleDc.SelectObject(&doubleTarget);
        }
        panel->Draw(doubleDc);
    }
    CBitmap doubleTarget;
    CDC doubleDc;

    CWnd frame;
    std::unique_ptr<CPanelWnd> panel;
    CBitmap target;
    CBitmap chassis;
    CDC dc;
    CDC source;
};

std::unique_ptr<Panel> g_panel;

// Made after the application object and gone before it.
Panel& ThePanel() {
    if (!g_panel)
        g_panel = std::make_unique<Panel>();
    return *g_panel;
}

void BM_PanelPaint(benchmark::State& state) {
    for (auto _ : state)
        ThePanel().Paint();
}
BENCHMARK(BM_PanelPaint)->Unit(benchmark::kMicrosecond);

void BM_ChassisBlit(benchmark::State& state) {
    for (auto _ : state)
        ThePanel().Blit();
}
BENCHMARK(BM_ChassisBlit)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return RunGuiBenchmarks(argc, argv, [] {
        double paint = MedianSeconds([] { ThePanel().Paint(); }, 50, 1000);
        double blit = MedianSeconds([] { ThePanel().Blit(); }, 50, 1000);
        std::printf("median: panel paint %.1f us, chassis blit %.1f us\n", paint * 1e6, blit * 1e6);
        double doubled = MedianSeconds([] { ThePanel().PaintAtDouble(); }, 50, 1000);
        std::printf("median: panel paint at 2x %.1f us\n", doubled * 1e6);
        std::printf("panel paint ratio: %.2f\n", paint / blit);
        std::printf("panel paint ratio at 2x: %.2f\n", doubled / blit);
        g_panel.reset();
    });
}
