#include "platform/ui/CMenu.h"
#include "platform/ui/ScriptedPrompt.h"
#include "tests/platform/ui/UiTestSupport.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>

TEST(ScriptedPrompt, RecordsMessageBoxTextsAndAnswersInOrder) {
    ScriptedPrompt prompt;
    prompt.messageBoxAnswers = {IDNO};
    EXPECT_EQ(AfxMessageBox("There has no Dialog Data in m_DlgData[25]", MB_YESNO), IDNO);
    EXPECT_EQ(AfxMessageBox("second", MB_YESNO), IDYES); // queue empty: first button
    EXPECT_EQ(AfxMessageBox("third"), IDOK);
    ASSERT_EQ(prompt.messageBoxes.size(), 3u);
    EXPECT_EQ(prompt.messageBoxes[0].text, "There has no Dialog Data in m_DlgData[25]");
    EXPECT_EQ(prompt.messageBoxes[0].type, MB_YESNO);
    EXPECT_EQ(prompt.messageBoxes[2].text, "third");
}

TEST(ScriptedPrompt, RestoresThePreviousPromptWhenItGoes) {
    ScriptedPrompt outer;
    {
        ScriptedPrompt inner;
        AfxMessageBox("inner");
        EXPECT_EQ(inner.messageBoxes.size(), 1u);
    }
    AfxMessageBox("outer");
    ASSERT_EQ(outer.messageBoxes.size(), 1u);
    EXPECT_EQ(outer.messageBoxes[0].text, "outer");
}

TEST(PopupMenus, TheChosenCommandIsPostedToTheOwner) {
    ScriptedPrompt prompt;
    TestFrame owner;
    CMenu menu, sub;
    menu.CreatePopupMenu();
    sub.CreatePopupMenu();
    sub.AppendMenu(MF_STRING, 4146, "Port Packets");
    menu.AppendMenu(MF_STRING, 4097, "System Information");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_POPUP, sub.m_hMenu, "Network Statistics");

    prompt.menuChoices = {4146};
    EXPECT_TRUE(menu.TrackPopupMenu(TPM_LEFTALIGN, 30, 40, &owner));
    ASSERT_EQ(prompt.menus.size(), 1u);
    EXPECT_EQ(prompt.menus[0].itemTexts,
              (std::vector<std::string>{"System Information", "", "Network Statistics"}));
    EXPECT_EQ(prompt.menus[0].point.x, 30);
    EXPECT_EQ(prompt.menus[0].owner, owner.m_hWnd);
    EXPECT_TRUE(owner.Only(WM_COMMAND).empty()); // posted, not sent
    PumpMessages();
    ASSERT_EQ(owner.Only(WM_COMMAND).size(), 1u);
    EXPECT_EQ(LOWORD(owner.Only(WM_COMMAND)[0].wParam), 4146);
}

TEST(PopupMenus, GreyedItemsAndDismissalDeliverNothing) {
    ScriptedPrompt prompt;
    TestFrame owner;
    CMenu menu, sub;
    menu.CreatePopupMenu();
    sub.CreatePopupMenu();
    sub.AppendMenu(MF_STRING, 4129, "Port Errors");
    menu.AppendMenu(MF_POPUP, sub.m_hMenu, "Table");
    EXPECT_EQ(menu.EnableMenuItem(4129, MF_BYCOMMAND | MF_GRAYED), UINT(MF_ENABLED));
    EXPECT_EQ(menu.GetMenuState(4129, MF_BYCOMMAND) & MF_GRAYED, MF_GRAYED);

    prompt.menuChoices = {4129, 0};
    menu.TrackPopupMenu(0, 0, 0, &owner);
    menu.TrackPopupMenu(0, 0, 0, &owner);
    PumpMessages();
    EXPECT_TRUE(owner.Only(WM_COMMAND).empty());

    menu.EnableMenuItem(4129, MF_BYCOMMAND | MF_ENABLED);
    prompt.menuChoices = {4129};
    EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 0, 0, &owner), 4129);
    PumpMessages();
    EXPECT_TRUE(owner.Only(WM_COMMAND).empty()); // returned, not posted
}

TEST(PopupMenus, CheckMarksAndDestructionOfSubmenus) {
    CMenu menu;
    auto* sub = new CMenu;
    menu.CreatePopupMenu();
    sub->CreatePopupMenu();
    sub->AppendMenu(MF_STRING, 5000, "Half");
    menu.AppendMenu(MF_POPUP, sub->m_hMenu, "Duplex");
    HMENU subHandle = sub->m_hMenu;
    EXPECT_EQ(menu.CheckMenuItem(5000, MF_CHECKED), UINT(MF_UNCHECKED));
    EXPECT_EQ(sub->GetMenuState(5000, MF_BYCOMMAND) & MF_CHECKED, MF_CHECKED);
    EXPECT_EQ(menu.CheckMenuItem(9999, MF_CHECKED), 0xFFFFFFFFu);
    menu.DestroyMenu();
    EXPECT_TRUE(CMenu::Items(subHandle).empty());
    delete sub; // its handle died with the parent menu; destroying it again is harmless
}

TEST(ColourDialog, ReturnsTheScriptedColourOrCancels) {
    ScriptedPrompt prompt;
    prompt.colourChoices = {RGB(1, 2, 3), std::nullopt};
    CColorDialog chosen(RGB(9, 9, 9));
    EXPECT_EQ(chosen.DoModal(), IDOK);
    EXPECT_EQ(chosen.GetColor(), RGB(1, 2, 3));
    CColorDialog cancelled(RGB(9, 9, 9));
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
    EXPECT_EQ(cancelled.GetColor(), RGB(9, 9, 9));
    EXPECT_EQ(prompt.colourRequests, (std::vector<COLORREF>{RGB(9, 9, 9), RGB(9, 9, 9)}));
}

// The desktop's own popups, driven by keys as the operator types them into whichever popup has
// the keyboard: a menu bar's menu opened from the keyboard highlights its first item without
// opening that item's submenu, so Right and Return walk down two levels of submenus.
TEST(PopupMenus, AKeyboardOpenedBarMenuWalksIntoNestedSubmenusByKey) {
    TestFrame owner;
    CMenu menu, statistics, table;
    menu.CreatePopupMenu();
    statistics.CreatePopupMenu();
    table.CreatePopupMenu();
    table.AppendMenu(MF_STRING, 4146, "Port Packets");
    table.AppendMenu(MF_STRING, 4129, "Port Errors");
    statistics.AppendMenu(MF_POPUP, table.m_hMenu, "Table");
    menu.AppendMenu(MF_POPUP, statistics.m_hMenu, "Network Statistics");
    menu.AppendMenu(MF_STRING, 4200, "Reset");

    // Each step waits for the popup that should have the keyboard, then types into it.
    using Steps = std::vector<std::pair<const char*, Qt::Key>>;
    auto walk = [&menu, &owner](const Steps& steps, bool* submenuOpenedByItself) {
        std::size_t done = 0;
        QTimer driver;
        QObject::connect(&driver, &QTimer::timeout, [&] {
            auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (done >= steps.size() || !popup || !popup->activeAction() ||
                popup->activeAction()->text().remove('&') != steps[done].first)
                return;
            if (done == 0 && popup->activeAction()->menu())
                *submenuOpenedByItself = popup->activeAction()->menu()->isVisible();
            QTest::keyClick(popup, steps[done++].second);
        });
        driver.start(10);
        QTimer::singleShot(5000, [] { DismissPrompts(); }); // a failing walk ends, never hangs
        int step = 7;
        menu.TrackBarPopup(20, 20, &owner, true, &step);
        EXPECT_EQ(done, steps.size());
        return step;
    };

    bool submenuOpenedByItself = true;
    EXPECT_EQ(walk({{"Network Statistics", Qt::Key_Right},
                    {"Table", Qt::Key_Return},
                    {"Port Packets", Qt::Key_Down},
                    {"Port Errors", Qt::Key_Return}},
                   &submenuOpenedByItself),
              0);
    EXPECT_FALSE(submenuOpenedByItself);
    PumpMessages();
    ASSERT_EQ(owner.Only(WM_COMMAND).size(), 1u);
    EXPECT_EQ(LOWORD(owner.Only(WM_COMMAND)[0].wParam), 4129);

    // Right on an item without a submenu goes on to the next menu from any depth; Left in a
    // submenu only closes it, and in the bar's own menu goes to the previous one.
    EXPECT_EQ(walk({{"Network Statistics", Qt::Key_Right},
                    {"Table", Qt::Key_Right},
                    {"Port Packets", Qt::Key_Right}},
                   &submenuOpenedByItself),
              1);
    EXPECT_EQ(walk({{"Network Statistics", Qt::Key_Right},
                    {"Table", Qt::Key_Left},
                    {"Network Statistics", Qt::Key_Left}},
                   &submenuOpenedByItself),
              -1);
    PumpMessages();
    EXPECT_EQ(owner.Only(WM_COMMAND).size(), 1u) << "stepping away chooses nothing";
}
