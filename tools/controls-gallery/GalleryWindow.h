#pragma once
// The gallery: one top-level window with every custom control, sample data and the controls'
// messages wired up the way the module's dialogs use them. Button-menu commands, flat-button
// and up/down clicks and combo choices are written to the log list; combo choices and up/down
// clicks update the sample boxes; Apply reads the form into the status line, Reset clears it.

#include "controls/KoMenu/CKoMenuObj.h"
#include "platform/ui/CWnd.h"

#include <memory>
#include <string>

class CTableControl;
class CKoMCtrl;
class CFBCtrl;
class CCBCtrl;
class CTextEditControl;
class CCheckBCtrl;
class CUDCtrl;
class CMsgControl;
class CLMsgControl;
class CSampMsgControl;
class CDlgMsgControl;

class CGalleryWnd : public CWnd {
public:
    static constexpr int kWidth = 640;
    static constexpr int kHeight = 366;

    // Control ids, as a dialog template would give them.
    enum : UINT {
        kMenuId = 1000,
        kBannerId,
        kTableId,
        kLogId,
        kSpeedId,
        kCommunityId,
        kPortLockId,
        kSpeedSampleId,
        kIntervalSampleId,
        kIntervalSpinId,
        kApplyId,
        kResetId,
        kStatusId,
    };

    // Registers the eleven window classes; true when all are registered.
    static bool RegisterControls();

    CGalleryWnd();
    ~CGalleryWnd() override;

    // Creates the window and all controls, filled with the sample data.
    bool CreateGallery();

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    // False when a control could not be made.
    bool CreateControls();
    void FillControls();
    void PaintLabels(CDC& dc);

    // GalleryWindowEvents.cpp
    void OnMenuCommand(UINT id);
    void OnButtonClick(UINT id);
    void OnUpDown(int half);
    void OnSpeedChosen();
    void Apply();
    void Reset();
    void Log(const std::string& line);

    CKoMenuObj m_menuEntries[3];
    std::unique_ptr<CFont> m_labelFont;
    static constexpr int kStartInterval = 5;
    int m_interval = kStartInterval;

    // Children; each deletes itself with its window.
    CKoMCtrl* m_menu = nullptr;
    CMsgControl* m_banner = nullptr;
    CTableControl* m_table = nullptr;
    CLMsgControl* m_log = nullptr;
    CCBCtrl* m_speed = nullptr;
    CTextEditControl* m_community = nullptr;
    CCheckBCtrl* m_portLock = nullptr;
    CSampMsgControl* m_speedSample = nullptr;
    CSampMsgControl* m_intervalSample = nullptr;
    CUDCtrl* m_intervalSpin = nullptr;
    CFBCtrl* m_apply = nullptr;
    CFBCtrl* m_reset = nullptr;
    CDlgMsgControl* m_status = nullptr;
};
