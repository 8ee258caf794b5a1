#include "module/graphs/windows/AxisLabels.h"
#include "module/graphs/windows/CBarGraphWnd.h"
#include "module/graphs/windows/CLineCurveWnd.h"
#include "module/graphs/windows/ValueZoom.h"
#include "module/res/graphs/GraphBitmaps.h"
#include "platform/ui/ScriptedPrompt.h"
#include "tests/platform/ui/UiTestSupport.h"

#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

CSampleRecord Sample(std::uint32_t time, std::uint32_t base) {
    CSampleRecord s;
    s.m_nCount = 3;
    s.m_dwSeq = time;
    s.m_values = {base, base * 2, base * 3};
    s.m_time = time;
    return s;
}

int CountIn(CWnd* wnd, COLORREF colour) {
    wnd->UpdateWindow();
    const QImage& image = wnd->GetSurface();
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            QRgb c = image.pixel(x, y);
            n += RGB(qRed(c), qGreen(c), qBlue(c)) == colour;
        }
    return n;
}

void Click(CWnd* wnd, int x, int y) {
    LeftDown(wnd, x, y);
    LeftUp(wnd, x, y);
    PumpMessages();
}

// A 640 × 360 line curve of three counters, fed with a rising rate every 10 seconds.
class LineCurveTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(line.Create(CRect(0, 0, 640, 360), &frame, 500, {"In", "Out", "Errors"}));
        line.SetScale(600, 2000);
        for (std::uint32_t t = 0; t <= 600; t += 10)
            line.AddSample(Sample(1000 + t, t * t));
        PumpMessages();
    }
    CLegendItem* Item(int i) { return line.GetLegendItem(i); }
    void Pick(int item, UINT choice) {
        prompt.menuChoices = {choice};
        Click(Item(item), 20, 8);
    }

    ScriptedPrompt prompt;
    TestFrame frame{700, 400};
    CLineCurveWnd line;
};

} // namespace

TEST_F(LineCurveTest, DraggingTheProbeMovesItWithinThePlotAndChangesTheStrip) {
    const CRect plot = line.Layout().plot;
    CRect handle = line.ProbeHandle();
    std::vector<std::string> before = line.StripTexts();
    LeftDown(&line, handle.left + 6, handle.top + 3);
    EXPECT_TRUE(line.IsDragging());
    DragTo(&line, 300, 14);
    EXPECT_EQ(line.ProbeHandle().left, 294);
    EXPECT_EQ(line.CurvePlot().GetProbeOffset(), 300 - plot.left);
    EXPECT_EQ(Pixel(&line.CurvePlot(), 300 - plot.left, 100), kBlack); // the probe line
    EXPECT_NE(line.StripTexts(), before);
    // Over the plot the moves come from the plot window, shifted by 35.
    DragTo(&line, 200, 150);
    EXPECT_EQ(line.CurvePlot().GetProbeOffset(), 200 - 5 - plot.left);
    DragTo(&line, 5, 14); // no further left than the plot
    EXPECT_EQ(line.CurvePlot().GetProbeOffset(), 0);
    LeftUp(&line, 5, 14);
    EXPECT_FALSE(line.IsDragging());
    EXPECT_EQ(line.ProbedPoint(), &line.Points().At(0));
}

TEST_F(LineCurveTest, ACounterIsDrawnInItsItemsColourAndMovesToASecondItem) {
    prompt.colourChoices = {kRed};
    Pick(0, ID_LEGEND_LINE_COLOR);
    EXPECT_EQ(Item(0)->GetBkColor(), kRed);
    EXPECT_EQ(CountIn(&line.CurvePlot(), kRed), 0); // no counter yet: no curve
    Pick(0, 2);
    EXPECT_EQ(Item(0)->GetChoice(), 2u);
    EXPECT_GT(CountIn(&line.CurvePlot(), kRed), 100);
    EXPECT_EQ(line.StripTexts()[0], "2380"); // the probe at the newest point: 2·(600² − 590²)/10
    ASSERT_EQ(prompt.menus.size(), 2u);
    EXPECT_EQ(prompt.menus[1].itemTexts,
              (std::vector<std::string>{"Set Color", "No Selection", "In", "Out", "Errors"}));

    Pick(1, 2);
    EXPECT_EQ(Item(0)->GetChoice(), ID_LEGEND_NONE);
    EXPECT_EQ(Item(1)->GetChoice(), 2u);
    EXPECT_EQ(CountIn(&line.CurvePlot(), kRed), 0);
    ASSERT_EQ(line.CurvePlot().Curves().size(), 1u);
    EXPECT_EQ(line.CurvePlot().Curves()[0].colour, kLegendColours[1])
        << "each item starts in its own colour: curves were all black";
    Pick(1, ID_LEGEND_NONE);
    EXPECT_TRUE(line.CurvePlot().Curves().empty());
}

TEST_F(LineCurveTest, CancelledColourDialogsChangeNothing) {
    Pick(0, 1);
    CBitmapButton* colour = dynamic_cast<CBitmapButton*>(line.GetDlgItem(IDC_GRAPH_COLOR));
    ASSERT_NE(colour, nullptr);
    Click(colour, 8, 8); // the dialog is cancelled: no colour scripted
    Pick(0, ID_LEGEND_LINE_COLOR);
    Pick(0, ID_LEGEND_WORD_COLOR);
    EXPECT_EQ(prompt.colourRequests.size(), 3u);
    EXPECT_EQ(line.CurvePlot().GetBackground(), kWhite);
    EXPECT_EQ(Item(0)->GetBkColor(), kLegendColours[0]);
    EXPECT_EQ(Item(0)->GetTextColor(), kWhite);
    EXPECT_EQ(line.CurvePlot().Curves()[0].colour, kLegendColours[0]);

    prompt.colourChoices = {RGB(0, 0, 128)};
    Click(colour, 8, 8);
    EXPECT_EQ(Pixel(&line.CurvePlot(), 3, 3), RGB(0, 0, 128));
}

TEST_F(LineCurveTest, ButtonsZoomAndToggleGridAndProbe) {
    Click(line.GetDlgItem(IDC_GRAPH_WIDEN), 7, 5);
    EXPECT_DOUBLE_EQ(line.GetValueRange(), 2800);
    Click(line.GetDlgItem(IDC_GRAPH_NARROW), 7, 5);
    Click(line.GetDlgItem(IDC_GRAPH_NARROW), 7, 5);
    EXPECT_DOUBLE_EQ(line.GetValueRange(), 1600);
    int quarter = line.Layout().plot.Height() / 4;
    EXPECT_EQ(Pixel(&line.CurvePlot(), 10, quarter), kBlack);
    Click(line.GetDlgItem(IDC_GRAPH_GRID), 8, 8);
    EXPECT_EQ(Pixel(&line.CurvePlot(), 10, quarter), kWhite);
    Click(line.GetDlgItem(IDC_GRAPH_PROBE), 8, 8);
    EXPECT_FALSE(line.CurvePlot().GetProbe());
    CRect handle = line.ProbeHandle();
    LeftDown(&line, handle.left + 6, handle.top + 3);
    EXPECT_FALSE(line.IsDragging()); // no probe, no drag
}

TEST_F(LineCurveTest, SamplesOfAnotherCountOrTheSameSecondAreIgnored) {
    size_t points = line.Points().Size();
    CSampleRecord other = Sample(5000, 1);
    other.m_nCount = 2;
    other.m_values.pop_back();
    EXPECT_FALSE(line.AddSample(other));
    EXPECT_TRUE(line.AddSample(Sample(1600, 1)));
    EXPECT_EQ(line.Points().Size(), points);
}

TEST_F(LineCurveTest, RightClickSavesThePictureAndThePoints) {
    Pick(0, 3);
    line.SetExportCaption("Port 4 Statistic Line Graph, Sw at 10.0.0.1");
    std::string png = testing::TempDir() + "graph_test.png";
    std::string csv = testing::TempDir() + "graph_test.csv";
    QWidget* plot = line.CurvePlot().GetWidget();
    prompt.menuChoices = {ID_GRAPH_SAVE_PNG, ID_GRAPH_SAVE_CSV, ID_GRAPH_SAVE_CSV};
    prompt.saveFileChoices = {png, csv, std::nullopt};
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(plot, Qt::RightButton, {}, QPoint(50, 50));
    ASSERT_EQ(prompt.menus.size(), 4u);
    EXPECT_EQ(prompt.menus[1].itemTexts,
              (std::vector<std::string>{"Fit to data", "Save As PNG...", "Save As CSV..."}));
    QImage saved(QString::fromStdString(png));
    EXPECT_EQ(saved.width(), 640);
    EXPECT_GT(saved.height(), 360) << "a strip that says what the picture shows, above it";
    EXPECT_EQ(saved.text("Title").toStdString(), "Port 4 Statistic Line Graph, Sw at 10.0.0.1");
    EXPECT_FALSE(saved.text("Creation Time").isEmpty());
    int dark = 0; // the heading's text in the strip
    for (int x = 0; x < 320; ++x)
        for (int y = 0; y < saved.height() - 360; ++y)
            dark += qGray(saved.pixel(x, y)) < 128;
    EXPECT_GT(dark, 50);
    QFile file(QString::fromStdString(csv));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QList<QByteArray> rows = file.readAll().split('\n');
    EXPECT_EQ(rows[0], "Sequence,Time,Errors\r");
    EXPECT_EQ(rows.size(), 62); // header, 60 points, and the empty rest after the last line
    EXPECT_TRUE(rows[60].endsWith(",3570\r")) << rows[60].toStdString(); // 3·(600² − 590²)/10
    EXPECT_EQ(prompt.messageBoxes.size(), 0u);
}

TEST_F(LineCurveTest, FitToDataTakesTheNarrowestZoomStepHoldingTheShownCurves) {
    QWidget* plot = line.CurvePlot().GetWidget();
    Pick(0, 1); // "In" rises to 1190 a second at the newest point
    prompt.menuChoices = {ID_GRAPH_FIT};
    QTest::mouseClick(plot, Qt::RightButton, {}, QPoint(50, 50));
    // 2000 → 1600 → 1200 along "Virticla Down"; one more step (800) would cut the curve.
    EXPECT_DOUBLE_EQ(line.GetValueRange(), 1200);
    Pick(1, 3); // "Errors" reaches 3570: 1200 widens to 1600, 2000, 2800 and 3600
    prompt.menuChoices = {ID_GRAPH_FIT};
    QTest::mouseClick(plot, Qt::RightButton, {}, QPoint(50, 50));
    EXPECT_DOUBLE_EQ(line.GetValueRange(), 3600);
    EXPECT_DOUBLE_EQ(FitValueRange(3600, 0), 4) << "nothing shown: the ladder's foot";
}

TEST(BarGraph, ChosenCountersShowRateAverageAndPeakBars) {
    ScriptedPrompt prompt;
    TestFrame frame{700, 400};
    CBarGraphWnd bars;
    ASSERT_TRUE(bars.Create(CRect(0, 0, 600, 300), &frame, 501, {"In", "Out", "Errors"}));
    bars.SetScale(-1, 1000);
    bars.AddSample(Sample(100, 0));
    bars.AddSample(Sample(110, 1000)); // rates 100, 200 and 300
    EXPECT_EQ(CountIn(&bars.BarPlot(), RGB(0, 0, 255)), 0);
    PumpMessages(); // shown and painted: from here on only what is invalidated is painted
    EXPECT_EQ(CountIn(&bars, CBarPlot::kBarColours[0]), 0);
    bars.SendMessage(LEGEND_PICKED, IDC_GRAPH_LEGEND, 2); // as the item's menu posts it
    EXPECT_GT(CountIn(&bars, CBarPlot::kBarColours[0]), 5) << "the group's \"val\" label at once";
    bars.SendMessage(LEGEND_PICKED, IDC_GRAPH_LEGEND, ID_LEGEND_NONE);
    prompt.menuChoices = {2};
    Click(bars.GetLegendItem(0), 10, 8);
    ASSERT_TRUE(bars.BarPlot().Group(0));
    EXPECT_EQ((*bars.BarPlot().Group(0))[0], 200u);
    int quarterWidth = bars.Layout().plot.Width() / 4 / 10 * 3 - 1;
    int barHeight = 200 * bars.Layout().plot.Height() / 1000;
    EXPECT_NEAR(CountIn(&bars.BarPlot(), RGB(0, 0, 255)), quarterWidth * barHeight,
                quarterWidth * 2);
    EXPECT_EQ(prompt.menus[0].itemTexts,
              (std::vector<std::string>{"No Selection", "In", "Out", "Errors"}));

    prompt.menuChoices = {2};
    Click(bars.GetLegendItem(1), 10, 8);
    EXPECT_EQ(bars.GetLegendItem(0)->GetChoice(), ID_LEGEND_NONE);
    EXPECT_FALSE(bars.BarPlot().Group(0));
    EXPECT_TRUE(bars.BarPlot().Group(1));
    EXPECT_EQ(bars.GetDlgItem(IDC_GRAPH_PROBE), nullptr);
}

TEST(BarGraph, AResetShowsNoRateBarAndItsLabelSaysSo) {
    ScriptedPrompt prompt;
    TestFrame frame{700, 400};
    CBarGraphWnd bars;
    ASSERT_TRUE(bars.Create(CRect(0, 0, 600, 300), &frame, 501, {"In", "Out", "Errors"}));
    bars.AddSample(Sample(100, 100000));
    bars.AddSample(Sample(110, 101000)); // 100, 200 and 300 a second
    bars.SendMessage(LEGEND_PICKED, IDC_GRAPH_LEGEND, 1);
    ASSERT_TRUE(bars.BarPlot().Group(0));
    EXPECT_EQ((*bars.BarPlot().Group(0))[0], 100u);
    bars.AddSample(Sample(120, 10)); // the switch was reset
    EXPECT_EQ(*bars.BarPlot().Group(0), (std::array<std::uint32_t, 3>{0, 100, 100}))
        << "no rate, average and peak as they were";
    EXPECT_EQ(bars.Stats().GetRecord(0).m_step, CounterStep::Discontinuity);
}

TEST(AxisLabels, AFullNumberTooWideForTheMarginTakesItsShortForm) {
    const auto width = [](const std::string& text) { return int(text.size()) * 5; };
    EXPECT_EQ(FittingAxisLabel("2800", 2800, 32, width), "2800");
    EXPECT_EQ(FittingAxisLabel("28000000", 28000000, 32, width), "28.0M")
        << "drawn whole it lost its leading digits: \"3000000\"";
}

TEST(GraphBitmaps, EveryFaceHasItsSizeAndThePalettesColours) {
    RegisterGraphBitmaps();
    const QList<QRgb> palette = {
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
    for (UINT id : {182u, 183u, 188u, 189u, 190u, 191u, 192u, 193u, 194u, 195u}) {
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.LoadBitmap(id)) << id;
        EXPECT_EQ(bitmap.GetSize(), id >= 192 ? CSize(14, 10) : CSize(16, 16)) << id;
        const QImage& image = bitmap.Image();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ASSERT_TRUE(palette.contains(image.pixel(x, y) | 0xFF000000)) << id;
        if (id % 2) { // an up face differs from its down face
            CBitmap down;
            down.LoadBitmap(id - 1);
            EXPECT_NE(image, down.Image()) << id;
        }
    }
}
