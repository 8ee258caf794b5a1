#include "controls/FlatKeyCtl/CFBCtrl.h"
#include "controls/KoCombo/CCBCtrl.h"
#include "controls/KoDlgMsg/CDlgMsgControl.h"
#include "controls/KoMenu/CKoMCtrl.h"
#include "controls/KoSample/CSampMsgControl.h"
#include "controls/KoSpin/CUDCtrl.h"
#include "controls/LogListCtl/CLMsgControl.h"
#include "platform/ui/ScriptedPrompt.h"
#include "tests/platform/ui/UiTestSupport.h"
#include "tools/controls-gallery/GalleryWindow.h"

#include <gtest/gtest.h>
#include <string>

namespace {

class GalleryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CGalleryWnd::RegisterControls());
        ASSERT_TRUE(gallery.CreateGallery());
        gallery.ShowWindow(SW_SHOW);
        PumpMessages();
    }
    template <class T> T* Item(UINT id) { return dynamic_cast<T*>(gallery.GetDlgItem(int(id))); }
    void Click(CWnd* wnd, int x, int y) {
        LeftDown(wnd, x, y);
        LeftUp(wnd, x, y);
        PumpMessages();
    }
    std::string LastLogLine() {
        auto* log = Item<CLMsgControl>(CGalleryWnd::kLogId);
        return log->GetLine(log->GetLineCount() - 1);
    }
    std::string Sample(UINT id) { return Item<CSampMsgControl>(id)->GetValue(); }
    std::string Status() { return Item<CDlgMsgControl>(CGalleryWnd::kStatusId)->GetText(); }

    ScriptedPrompt prompt;
    CGalleryWnd gallery;
};

TEST_F(GalleryTest, UpDownClicksStepTheIntervalSample) {
    EXPECT_EQ(Sample(CGalleryWnd::kIntervalSampleId), "5");
    auto* spin = Item<CUDCtrl>(CGalleryWnd::kIntervalSpinId);
    Click(spin, 5, 3);
    EXPECT_EQ(Sample(CGalleryWnd::kIntervalSampleId), "6");
    EXPECT_EQ(LastLogLine(), "Up clicked: interval 6 s");
    Click(spin, 5, 12);
    Click(spin, 5, 12);
    EXPECT_EQ(Sample(CGalleryWnd::kIntervalSampleId), "4");
    EXPECT_EQ(LastLogLine(), "Down clicked: interval 4 s");
    EXPECT_TRUE(spin->IsUpRaised());
    EXPECT_TRUE(spin->IsDownRaised());
}

TEST_F(GalleryTest, ComboChoiceShowsInTheSampleAndApplyReadsTheForm) {
    prompt.menuChoices = {4096 + 3};
    Click(Item<CCBCtrl>(CGalleryWnd::kSpeedId), 10, 8);
    EXPECT_EQ(Sample(CGalleryWnd::kSpeedSampleId), "Auto");
    EXPECT_EQ(LastLogLine(), "Speed chosen: Auto");
    auto* apply = Item<CFBCtrl>(CGalleryWnd::kApplyId);
    Click(apply, 10, 10);
    EXPECT_EQ(LastLogLine(), "Apply clicked");
    EXPECT_EQ(Status().rfind("Applied: Auto, community \"public\", port lock on", 0), 0u);
    EXPECT_TRUE(apply->IsRaised());

    Click(Item<CFBCtrl>(CGalleryWnd::kResetId), 10, 10);
    EXPECT_EQ(Status(), "Form reset");
    EXPECT_EQ(Item<CCBCtrl>(CGalleryWnd::kSpeedId)->GetSelect(), 0);
    EXPECT_EQ(Sample(CGalleryWnd::kSpeedSampleId), "10 Mbps"); // through COMBO_SELECT_MSG
}

TEST_F(GalleryTest, ButtonMenuCommandsReachTheLog) {
    prompt.menuChoices = {40002};
    Click(Item<CKoMCtrl>(CGalleryWnd::kMenuId), 20, 15);
    ASSERT_EQ(prompt.menus.size(), 1u);
    EXPECT_EQ(LastLogLine(), "Menu: Port Settings");
    EXPECT_EQ(Status(), "Port Settings");
}

} // namespace
