#include "module/graphs/CGraphDlg.h"

#include "controls/BannerCtl/CMsgControl.h"
#include "controls/FlatKeyCtl/CFBCtrl.h"
#include "controls/common/FixedText.h"
#include "module/dialogbase/CObjectReader.h"
#include "module/dialogbase/DialogFrame.h"
#include "module/graphs/GraphCounterRows.h"
#include "module/graphs/GraphDlgIds.h"
#include "module/graphs/GraphDlgLayout.h"
#include "module/graphs/GraphSteps.h"
#include "module/graphs/SelectedCounter.h"
#include "module/graphs/windows/CGraphFrameWnd.h"
#include "module/graphs/windows/GraphIds.h"
#include "module/slots/PanelMessages.h"
#include "module/tables/PortLineRates.h"
#include "platform/core/Clock.h"
#include "platform/core/TextFormat.h"

#include <algorithm>

namespace {

DialogTemplate GraphTemplate() {
    DialogTemplate tpl;
    tpl.x = 30;
    tpl.y = 30;
    tpl.cx = 330;
    tpl.cy = 170;
    tpl.style = WS_CAPTION | WS_SYSMENU;
    return tpl; // every child is made by the dialog itself
}

const char* const kBannerLabels[CTableDlgData::kHeaderFields] = {"Name", "Open", "IP Address",
                                                                 "Target"};

} // namespace

void CGraphDlg::RegisterTemplate() {
    if (!FindDialogTemplate(kTemplateId))
        RegisterDialogTemplate(kTemplateId, GraphTemplate());
}

CGraphDlg::CGraphDlg(CWnd* mainWnd, CTableDlgData* record)
    : CModelessDialog(kTemplateId, mainWnd), m_pRecord(record), m_pMainWnd(mainWnd) {
    RegisterTemplate();
    m_pSpeed = std::make_unique<CObjectReader>(
        PortSpeedRow(), *record, [this](std::int64_t value) { TakePortSpeed(value); });
}

CGraphDlg::~CGraphDlg() = default;

CValueBox& CGraphDlg::Box(UINT id) {
    switch (id) {
    case IDC_GRAPH_RATE:
        return m_rate;
    case IDC_GRAPH_SPAN:
        return m_span;
    case IDC_GRAPH_AVERAGE:
        return m_average;
    case IDC_GRAPH_PEAK:
        return m_peak;
    default:
        return m_peakAt;
    }
}

bool CGraphDlg::Build() {
    m_objects.Fill(m_pRecord->m_pOidTable, m_pRecord->m_nRowCount, m_pRecord->InstanceSuffix());
    std::vector<std::string> names;
    for (const CStatObject& object : m_objects.ValueObjects())
        names.push_back(object.m_strName);
    CRect client;
    GetClientRect(&client);
    const GraphDlgLayout l = LayOutGraphDialog(client.Width(), client.Height());
    if (!Graph().Create(l.graph, this, IDC_GRAPH_WINDOW, names))
        return false;
    Graph().SetScale(kStartSpan, kStartValueRange);
    Graph().SetExportCaption(FormatText("%s, %s at %s", m_pRecord->m_strTitle.c_str(),
                                        m_pRecord->m_szHeaderValue[0],
                                        m_pRecord->m_szHeaderValue[2]));

    char labels[CTableDlgData::kHeaderFields][80] = {};
    char values[CTableDlgData::kHeaderFields][80] = {};
    for (int i = 0; i < CTableDlgData::kHeaderFields; ++i) {
        CopyFixedText(labels[i], kBannerLabels[i]);
        CopyFixedText(values[i], m_pRecord->m_szHeaderValue[i]);
    }
    CopyFixedText(values[1], CTimeText(Clock::now()).c_str());
    CMsgControl::Register();
    m_pBanner = new CMsgControl;
    if (!m_pBanner->Create(WS_CHILD | WS_VISIBLE, l.banner, this, IDC_GRAPH_BANNER)) {
        delete m_pBanner;
        m_pBanner = nullptr;
        return false;
    }
    m_pBanner->InitMsg(labels, values);

    if (!m_rate.Create(l.rate, this, IDC_GRAPH_RATE, "Rate:", PollIntervalText(m_nInterval),
                       true) ||
        !m_span.Create(l.span, this, IDC_GRAPH_SPAN, "Dur:", DurationText(m_nSpan), true) ||
        !m_picker.Create(l.picker, this, IDC_GRAPH_PICKER, names, false) ||
        !m_average.Create(l.average, this, IDC_GRAPH_AVERAGE, "Avg:", "", false) ||
        !m_peak.Create(l.peak, this, IDC_GRAPH_PEAK, "Peak:", "", false) ||
        !m_peakAt.Create(l.peakAt, this, IDC_GRAPH_PEAK_AT, "Pk at:", "", false))
        return false;

    CFBCtrl::Register();
    const struct {
        CFBCtrl** button;
        const CRect& rect;
        UINT id;
        const char* caption;
    } buttons[] = {{&m_pPause, l.pause, IDC_GRAPH_PAUSE, "Pause"},
                   {&m_pStart, l.start, IDC_GRAPH_START, "Start"},
                   {&m_pClose, l.close, IDC_GRAPH_CLOSE, "Close"}};
    for (const auto& b : buttons) {
        auto* button = new CFBCtrl;
        if (!button->Create(WS_CHILD | WS_VISIBLE, b.rect, this, b.id)) {
            delete button;
            return false;
        }
        button->InitFlatButton(b.caption);
        *b.button = button;
    }
    m_pStart->EnableWindow(FALSE);
    return true;
}

BOOL CGraphDlg::OnInitDialog() {
    SetWindowText(m_pRecord->m_strTitle.c_str());
    ChooseFirstCounters();
    Poll();
    m_pSpeed->Read();
    SetTimer(kGraphPollTimer, UINT(m_nInterval) * 1000);
    return TRUE;
}

void CGraphDlg::TakePortSpeed(std::int64_t value) {
    const std::uint64_t bits = PortSpeedBits(value);
    for (int i = 0; i < m_objects.ValueCount(); ++i) {
        const std::uint64_t rate = CounterLineRate(*m_objects.ValueRows(i), bits);
        m_stats.SetLineRate(i, rate);
        Graph().SetLineRate(i, rate);
    }
}

void CGraphDlg::LayOut() {
    CRect window;
    GetWindowRect(&window);
    const CSize size(window.Width(), window.Height());
    const CSize enlarged = GraphDlgEnlarged(size);
    if (!(enlarged == size))
        MoveWindow(window.left, window.top, enlarged.cx, enlarged.cy, FALSE);
    CRect client;
    GetClientRect(&client);
    const GraphDlgLayout l = LayOutGraphDialog(client.Width(), client.Height());
    const std::pair<CWnd*, const CRect*> places[] = {
        {&Graph(), &l.graph}, {m_pBanner, &l.banner}, {&m_rate, &l.rate},
        {&m_span, &l.span},   {&m_picker, &l.picker}, {&m_average, &l.average},
        {&m_peak, &l.peak},   {&m_peakAt, &l.peakAt}, {m_pPause, &l.pause},
        {m_pStart, &l.start}, {m_pClose, &l.close}};
    for (const auto& [wnd, rect] : places)
        if (wnd && wnd->m_hWnd)
            wnd->MoveWindow(rect);
    Invalidate(TRUE);
}

void CGraphDlg::Poll() {
    CStatRequest poll;
    poll.m_nKind = STAT_REQUEST_GET;
    poll.m_hOwner = m_hWnd;
    poll.m_strIpAddr = m_pRecord->m_szHeaderValue[2];
    poll.m_strReadCommunity = m_pRecord->m_strReadCommunity;
    poll.m_strWriteCommunity = m_pRecord->m_strWriteCommunity;
    poll.m_pObjects = &m_objects;
    m_poller.Poll(poll);
}

std::vector<std::vector<std::string>> CGraphDlg::CounterRows() const {
    std::vector<std::string> names;
    for (const CStatObject& object : m_objects.ValueObjects())
        names.push_back(object.m_strName);
    return GraphCounterRows(m_stats, names);
}

void CGraphDlg::ChooseFirstCounters() {
    for (int i = 0; i < kMaxLegendItems; ++i) {
        if (!Graph().GetLegendItem(i))
            break;
        Graph().SendMessage(LEGEND_PICKED, IDC_GRAPH_LEGEND + UINT(i), LPARAM(i + 1));
    }
    if (m_objects.ValueCount() > 0)
        SendMessage(LEGEND_PICKED, IDC_GRAPH_PICKER, 1);
    m_nFitSamples = kFitSamples;
}

void CGraphDlg::FitValueRange() {
    if (m_nFitSamples == 0)
        return;
    --m_nFitSamples;
    // Widened to the measured rates of the shown counters until each has one: a counter too
    // fast to be believed before its pace is confirmed gives its first rate a sample later.
    bool allMeasured = true;
    std::uint32_t highest = 0;
    for (int i = 0; i < kMaxLegendItems; ++i) {
        CLegendItem* item = Graph().GetLegendItem(i);
        if (!item || item->GetCounter() == 0)
            continue;
        const CRateRecord record = m_stats.GetRecord(item->GetCounter() - 1);
        if (record.m_step == CounterStep::Rated)
            highest = std::max(highest, record.m_dwRate);
        else
            allMeasured = false;
    }
    Graph().SetScale(-1, WidenValueRangeToFit(Graph().GetValueRange(), highest));
    if (allMeasured && m_stats.GetIntervals() > 0)
        m_nFitSamples = 0;
}

void CGraphDlg::OnSampleReady() {
    if (m_objects.GetStatusCode() != 0) {
        Graph().SetStatusText(m_objects.GetStatusText());
        return;
    }
    // Timed by the replies' receipt, not by when this message came through the queue.
    const CSampleRecord sample =
        m_objects.MakeSample(SequenceCounter()++, std::uint32_t(Clock::now()));
    Graph().AddSample(sample);
    m_stats.AddSample(sample);
    Graph().SetStatusText(m_stats.Sampler().AnyUnmeasured() ? kCounterWrapWarning : "");
    if (m_stats.Sampler().AnyOverLine())
        m_pSpeed->Read(); // the port may have changed its speed since it was read
    FitValueRange();
    ShowSelectedCounter();
}

void CGraphDlg::ShowSelectedCounter() {
    const SelectedCounterTexts texts = SelectedCounterStats(m_stats, m_nSelected);
    m_average.SetValue(texts.average);
    m_peak.SetValue(texts.peak);
    m_peakAt.SetValue(texts.peakAt);
}

void CGraphDlg::OnValueBox(UINT id, bool up) {
    if (id == IDC_GRAPH_RATE) {
        const int interval = StepPollInterval(m_nInterval, up);
        if (interval == m_nInterval)
            return;
        m_nInterval = interval;
        // A paused dialog keeps its timer off; "Start" takes the new interval.
        if (m_bRunning)
            SetTimer(kGraphPollTimer, UINT(m_nInterval) * 1000);
        m_rate.SetValue(PollIntervalText(m_nInterval));
    } else if (id == IDC_GRAPH_SPAN) {
        m_nSpan = StepTimeSpan(m_nSpan, up);
        Graph().SetScale(m_nSpan, -1);
        m_span.SetValue(DurationText(m_nSpan));
    }
}

void CGraphDlg::SetRunning(bool running) {
    m_bRunning = running;
    if (running)
        SetTimer(kGraphPollTimer, UINT(m_nInterval) * 1000);
    else
        KillTimer(kGraphPollTimer);
    m_pPause->EnableWindow(running);
    m_pStart->EnableWindow(!running);
}

void CGraphDlg::OnButton(UINT id) {
    switch (id) {
    case IDC_GRAPH_PAUSE:
        SetRunning(false);
        m_pPause->RaiseButton();
        break;
    case IDC_GRAPH_START:
        SetRunning(true);
        m_pStart->RaiseButton();
        break;
    case IDC_GRAPH_CLOSE:
        DestroyWindow();
        break;
    default:
        break;
    }
}

LRESULT CGraphDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE:
        return Build() ? 0 : -1;
    case WM_SIZE:
        LayOut();
        return 0;
    case WM_PAINT:
        PaintDialogFrame(this);
        return 0;
    case WM_MOUSEMOVE:
        if (wParam & MK_LBUTTON)
            for (CFBCtrl* button : {m_pPause, m_pStart, m_pClose})
                if (button)
                    button->RaiseButton();
        return 0;
    case WM_TIMER:
        if (wParam == kGraphPollTimer)
            Poll();
        return 0;
    case WM_DESTROY:
        KillTimer(kGraphPollTimer);
        if (m_pMainWnd && m_pMainWnd->m_hWnd)
            m_pMainWnd->PostMessage(PANEL_CHILD_CLOSED, WPARAM(m_pRecord->m_nKind), 0);
        break;
    case GRAPH_SAMPLE_READY:
        OnSampleReady();
        return 0;
    case VALUE_BOX_UP:
    case VALUE_BOX_DOWN:
        OnValueBox(UINT(wParam), msg == VALUE_BOX_UP);
        return 0;
    case LEGEND_PICKED:
        if (wParam == IDC_GRAPH_PICKER && lParam != 0) {
            m_nSelected = int(lParam);
            m_picker.SetChoice(UINT(lParam));
            ShowSelectedCounter();
        }
        return 0;
    case CTRL_CLICK_MSG:
        OnButton(UINT(lParam));
        return 0;
    default:
        break;
    }
    return CDialog::WindowProc(msg, wParam, lParam);
}
