// The gallery window's construction: the controls' places, their sample contents and the
// labels painted beside the form controls.

#include "tools/controls-gallery/GalleryWindow.h"

#include "controls/BannerCtl/CMsgControl.h"
#include "controls/FlatKeyCtl/CFBCtrl.h"
#include "controls/GridCtl/CTableControl.h"
#include "controls/KoCheck/CCheckBCtrl.h"
#include "controls/KoCombo/CCBCtrl.h"
#include "controls/KoDlgMsg/CDlgMsgControl.h"
#include "controls/KoMenu/CKoMCtrl.h"
#include "controls/KoSample/CSampMsgControl.h"
#include "controls/KoSpin/CUDCtrl.h"
#include "controls/KoTextEdit/CTextEditControl.h"
#include "controls/LogListCtl/CLMsgControl.h"
#include "platform/ui/WindowDC.h"
#include "tools/controls-gallery/GallerySamples.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr int kFormLeft = 452;  // labels of the form controls
constexpr int kFieldLeft = 530; // the form controls themselves

// Makes a control object and its window; the window owns the object from then on. A failed
// creation is not undone here: the window layer may already have ended the object with it.
template <class T> T* Place(CWnd* parent, const CRect& rect, UINT id) {
    auto* control = new T;
    return control->Create(kChild, rect, parent, id) ? control : nullptr;
}

struct Label {
    int x, y;
    const char* text;
};
constexpr Label kLabels[] = {
    {kFormLeft, 89, "Speed"},
    {kFormLeft, 115, "Community"},
    {kFormLeft, 141, "Port lock"},
};

} // namespace

bool CGalleryWnd::RegisterControls() {
    int all = CTableControl::Register() & CKoMCtrl::Register() & CFBCtrl::Register() &
              CCBCtrl::Register() & CTextEditControl::Register() & CCheckBCtrl::Register() &
              CUDCtrl::Register() & CMsgControl::Register() & CLMsgControl::Register() &
              CSampMsgControl::Register() & CDlgMsgControl::Register();
    return all == 1;
}

CGalleryWnd::CGalleryWnd() = default;

CGalleryWnd::~CGalleryWnd() = default;

bool CGalleryWnd::CreateGallery() {
    if (!Create(nullptr, "Taurel controls", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                CRect(100, 100, 100 + kWidth, 100 + kHeight), nullptr, 0))
        return false;
    m_labelFont = std::make_unique<CFont>();
    m_labelFont->CreateFont(-11, "Arial");
    if (!CreateControls())
        return false;
    FillControls();
    return true;
}

bool CGalleryWnd::CreateControls() {
    m_menu = Place<CKoMCtrl>(this, CRect(0, 0, kWidth, 32), kMenuId);
    m_banner = Place<CMsgControl>(this, CRect(8, 38, kWidth - 8, 78), kBannerId);
    m_table = Place<CTableControl>(this, CRect(8, 84, 440, 262), kTableId);
    m_log = Place<CLMsgControl>(this, CRect(8, 268, 440, 334), kLogId);

    m_speed = Place<CCBCtrl>(this, CRect(kFieldLeft, 86, kWidth - 8, 104), kSpeedId);
    m_community =
        Place<CTextEditControl>(this, CRect(kFieldLeft, 111, kWidth - 8, 131), kCommunityId);
    m_portLock =
        Place<CCheckBCtrl>(this, CRect(kFieldLeft, 139, kFieldLeft + 13, 152), kPortLockId);
    m_speedSample = Place<CSampMsgControl>(this, CRect(kFormLeft, 164, 512, 198), kSpeedSampleId);
    m_intervalSample =
        Place<CSampMsgControl>(this, CRect(kFieldLeft, 164, 590, 198), kIntervalSampleId);
    m_intervalSpin = Place<CUDCtrl>(this, CRect(596, 168, 611, 185), kIntervalSpinId);
    m_apply = Place<CFBCtrl>(this, CRect(kFormLeft, 212, 536, 236), kApplyId);
    m_reset = Place<CFBCtrl>(this, CRect(548, 212, kWidth - 8, 236), kResetId);
    m_status = Place<CDlgMsgControl>(this, CRect(8, 342, kWidth - 8, 358), kStatusId);
    const CWnd* all[] = {
        m_menu,        m_banner,         m_table,        m_log,   m_speed, m_community, m_portLock,
        m_speedSample, m_intervalSample, m_intervalSpin, m_apply, m_reset, m_status};
    return std::all_of(std::begin(all), std::end(all), [](const CWnd* c) { return c; });
}

void CGalleryWnd::FillControls() {
    using namespace GallerySamples;
    for (int i = 0; i < 3; ++i) {
        std::strncpy(m_menuEntries[i].caption, kMenuCaptions[i],
                     sizeof m_menuEntries[i].caption - 1);
        m_menuEntries[i].menu.CreatePopupMenu();
    }
    for (int i = 0; i < kMenuCommandCount; ++i)
        m_menuEntries[kMenuCommands[i].button].menu.AppendMenu(MF_STRING, kMenuCommands[i].id,
                                                               kMenuCommands[i].text);
    m_menu->InitKoMenu(3, m_menuEntries);

    char labels[4][80], values[4][80];
    std::memcpy(labels, kBannerLabels, sizeof labels);
    std::memcpy(values, kBannerValues, sizeof values);
    m_banner->InitMsg(labels, values);

    _CAPTIONDATA columns[3];
    std::memcpy(columns, kColumns, sizeof columns);
    m_table->InitTable(3, columns, 1);
    for (int r = 0; r < kRowCount; ++r) {
        _DATAOBJ cell{};
        std::strncpy(cell.text, kRows[r].object, sizeof cell.text - 1);
        _DATAOBJ port{};
        std::strncpy(port.text, kRows[r].port, sizeof port.text - 1);
        m_table->AppendItemString(&port);
        m_table->SetItemString(r, 1, &cell);
        _DATAOBJ value{};
        std::strncpy(value.text, kRows[r].value, sizeof value.text - 1);
        value.attribute = kRows[r].marked ? 1 : 0;
        m_table->SetItemString(r, 2, &value);
    }
    m_table->Invalidate();

    m_log->InitMsg();
    _zrkenumerate speeds[3];
    std::memcpy(speeds, kSpeeds, sizeof speeds);
    m_speed->InitComboBox(kSpeedCount, speeds);
    m_community->InitTextEditMsg();
    m_community->LimitText(31);
    m_community->SetText("public");
    m_portLock->InitCheckBox();
    m_portLock->SetCheck(1);
    char speedCaption[] = "Speed";
    m_speedSample->InitSampMsg(0, speedCaption);
    m_speedSample->SetText(kSpeeds[0].text);
    char intervalCaption[] = "Interval";
    m_intervalSample->InitSampMsg(0, intervalCaption);
    m_intervalSample->SetText(std::to_string(m_interval).c_str());
    m_intervalSpin->InitUpDown();
    m_apply->InitFlatButton("Apply");
    m_reset->InitFlatButton("Reset");
    m_status->InitDlgMsg();
    m_status->SetText("Ready");
    Log("Gallery started: 11 controls");
}

void CGalleryWnd::PaintLabels(CDC& dc) {
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
    CFont* old = dc.SelectObject(m_labelFont.get());
    int mode = dc.SetBkMode(TRANSPARENT);
    for (const Label& label : kLabels)
        dc.TextOut(label.x, label.y, label.text);
    dc.SetBkMode(mode);
    dc.SelectObject(old);
}
