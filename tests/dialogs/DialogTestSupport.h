#pragma once
// Shared by the dialog tests: a get dialog over the system group built on CNmDlgList (the way
// the library's object dialogs use the layout), layouts that expose their protected parts,
// and screenshots of whole windows when TAUREL_SCREENSHOTS names a folder.

#include "dialogs/CNmDlgList.h"
#include "dialogs/CNmDlgListSet.h"
#include "tests/platform/ui/UiTestSupport.h"

#include <string>

extern const _NmOidTable kSystemRows[6];

// Reads the objects with a get on Refresh and shows each value in column 1.
class TestGetDialog : public CNmDlgList {
public:
    TestGetDialog(CWnd* parent, const std::string& key, const std::string& address,
                  int rowCount = 6, const _NmOidTable* table = kSystemRows);
    BOOL OnInitDialog() override;
    void Refresh() override;
    void OnSnmpSendReply(UINT code, LPARAM msg) override;
    int replies = 0;
};

// A bare layout with its status lines reachable.
class BareList : public CNmDlgList {
public:
    explicit BareList(const std::string& key, CWnd* parent = nullptr)
        : CNmDlgList(parent, key, "", "", "", 0, nullptr, "") {
        Create();
    }
    using CNmDlgLayout::DisplayStatus;
    void OnSnmpSendReply(UINT code, LPARAM msg) override {
        if (code)
            DisplayStatus(std::uint16_t(code));
        CNmDlgLayout::OnSnmpSendReply(code, msg);
    }
    CSize lastResize{-1, -1};
    void Resize(CSize change) override { lastResize = change; }
};

// Saves the window with its children as DIR/name.png when TAUREL_SCREENSHOTS=DIR is set.
void SaveScreenshot(CWnd* wnd, const std::string& name);
// Pumps events until `done` holds or about `ms` milliseconds have gone by.
bool PumpUntil(const std::function<bool()>& done, int ms = 3000);
