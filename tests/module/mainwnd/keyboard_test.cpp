// The module without a mouse and through a screen reader: the menu bar, the panel, Set
// Configuration and a statistics table, by keys only, and the accessibility tree they show.

#include "controls/KoMenu/CKoMCtrl.h"
#include "controls/KoTextEdit/CTextEditControl.h"
#include "module/config/CSetConfigDlg.h"
#include "module/config/ConfigPages.h"
#include "module/mainwnd/MainMenu.h"
#include "module/monitor/CStatTableDlg.h"
#include "module/panel/CPanelWnd.h"
#include "platform/ui/WindowSystem.h"
#include "tests/module/support/ModuleFixture.h"
#include "tests/platform/ui/UiTestSupport.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <functional>

namespace {

class KeyboardTest : public ModuleFixture {
protected:
    void SetUp() override {
        StartModule(0x336A);
        main->GetWidget()->activateWindow();
        ASSERT_TRUE(WaitFor([&] { return main->GetPanel()->ModuleTypes() == 0x336A; }));
    }
    void Key(QWidget* target, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(target, key, mods);
        PumpMessages();
    }
    QWidget* Focused() const { return QApplication::focusWidget(); }
};

// Every node of the tree under `root`, depth first.
void Walk(QAccessibleInterface* root, const std::function<void(QAccessibleInterface*)>& visit) {
    if (!root)
        return;
    visit(root);
    for (int i = 0; i < root->childCount(); ++i)
        Walk(root->child(i), visit);
}

// The window class behind a node, so a failure says which control it is.
std::string ClassOf(QAccessibleInterface* node) {
    auto* widget = qobject_cast<QWidget*>(node->object());
    if (!widget)
        return node->parent() ? "a part of " + ClassOf(node->parent()) : "a part";
    WindowRecord* rec = WindowSystem::Find(WindowSystem::FromWidget(widget));
    return rec ? rec->className : widget->metaObject()->className();
}

// Roles that only hold other nodes and need no name of their own.
bool IsContainer(QAccessible::Role role) {
    return role == QAccessible::Dialog || role == QAccessible::Window ||
           role == QAccessible::Pane || role == QAccessible::ScrollBar ||
           role == QAccessible::PageTabList;
}

// Fails for every control without a role of its own or without a name; returns the names.
std::vector<std::string> NamedControls(CWnd* window) {
    std::vector<std::string> names;
    Walk(QAccessible::queryAccessibleInterface(window->GetWidget()),
         [&](QAccessibleInterface* node) {
             QAccessible::Role role = node->role();
             std::string name = node->text(QAccessible::Name).toStdString();
             EXPECT_NE(role, QAccessible::Client) << "a filler: " << ClassOf(node);
             if (IsContainer(role) || node->state().invisible)
                 return;
             if ((role == QAccessible::Cell || role == QAccessible::StaticText) && name.empty())
                 return; // an empty cell is read by its place; an empty label says nothing
             EXPECT_FALSE(name.empty())
                 << ClassOf(node) << " (role " << int(role) << ") has no name";
             names.push_back(name);
         });
    return names;
}

bool Has(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

TEST_F(KeyboardTest, MenusAndPanelOpenAPortsStatisticsWithoutAMouse) {
    CKoMCtrl* bar = main->GetButtonMenu();
    // The window opens with the keyboard on the button menu.
    EXPECT_EQ(Focused(), bar->GetWidget());
    // F10 opens the first menu, Right the next one, where Escape (a dismissal) ends it.
    prompt.menuSteps = {1};
    Key(bar->GetWidget(), Qt::Key_F10);
    ASSERT_EQ(prompt.menus.size(), 2u);
    EXPECT_EQ(prompt.menus[0].menu, main->GetMenuPopup(0));
    EXPECT_EQ(prompt.menus[1].menu, main->GetMenuPopup(1));

    // Tab reaches the panel; the arrows go through the ports in panel order, Space selects.
    Key(bar->GetWidget(), Qt::Key_Tab);
    CPanelWnd* panel = main->GetPanel();
    ASSERT_EQ(Focused(), panel->GetWidget());
    EXPECT_EQ(panel->GetCursorPort(), 0);
    for (int i = 0; i < 7; ++i)
        Key(panel->GetWidget(), Qt::Key_Right);
    Key(panel->GetWidget(), Qt::Key_Left);
    EXPECT_EQ(panel->GetCursorPort(), 6);
    EXPECT_EQ(panel->GetSelectedPort(), -1); // moving is not choosing
    Key(panel->GetWidget(), Qt::Key_Space);
    EXPECT_EQ(panel->GetSelectedPort(), 6);
    EXPECT_TRUE(CMenu::IsEnabledCommand(main->GetMenuPopup(1), MenuCmd::kTablePackets));

    // Alt+M opens "Monitor" from the panel; its Table / Port Packets opens port 7's table.
    prompt.menuChoices = {MenuCmd::kTablePackets};
    Key(panel->GetWidget(), Qt::Key_M, Qt::AltModifier);
    EXPECT_EQ(prompt.menus.back().menu, main->GetMenuPopup(1));
    EXPECT_NE(main->GetChildDialog(SlotBase::kPortPackets + 7), nullptr);

    // Space again clears the choice, so "Set Configuration..." opens the device's dialog.
    panel->GetWidget()->setFocus();
    Key(panel->GetWidget(), Qt::Key_Space);
    EXPECT_EQ(panel->GetSelectedPort(), -1);
    EXPECT_FALSE(CMenu::IsEnabledCommand(main->GetMenuPopup(1), MenuCmd::kTablePackets));
    Key(panel->GetWidget(), Qt::Key_Return);
    EXPECT_EQ(panel->GetSelectedPort(), 6) << "Return always selects";
}

TEST_F(KeyboardTest, SetConfigurationTakesAltLettersEnterAndCtrlTabNeverTypingThem) {
    auto* dlg = dynamic_cast<CSetConfigDlg*>(OpenSlot(Slot::kSetConfiguration));
    ASSERT_NE(dlg, nullptr);
    dlg->GetWidget()->activateWindow();
    CConfigPage* general = dlg->Page(0);
    ASSERT_TRUE(WaitFor([&] { return general->IsLoaded(); }));
    auto* location =
        dynamic_cast<CTextEditControl*>(general->GetDlgItem(CGeneralPage::kLocationId));
    ASSERT_NE(location, nullptr);
    location->SetFocus();
    QWidget* field = Focused();
    const SwitchConfig& onSwitch = agent->Engine().Switch().Config();
    auto shown = [&] {
        char text[256] = {};
        location->GetText(text, sizeof text);
        return std::string(text);
    };

    // Alt+A is "Apply": it writes what was typed, and neither it nor an unmarked Alt+Q types.
    location->SetText("");
    QTest::keyClicks(field, "Rack 4 nc");
    Key(field, Qt::Key_A, Qt::AltModifier);
    Key(field, Qt::Key_Q, Qt::AltModifier);
    EXPECT_EQ(shown(), "Rack 4 nc");
    ASSERT_TRUE(WaitFor([&] { return onSwitch.location == "Rack 4 nc"; }));
    ASSERT_TRUE(WaitForReplies());
    // Return in the field applies too.
    QTest::keyClicks(field, "e");
    Key(field, Qt::Key_Return);
    EXPECT_TRUE(WaitFor([&] { return onSwitch.location == "Rack 4 nce"; }));
    ASSERT_TRUE(WaitForReplies());

    Key(field, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(dlg->ShownPage(), 1);
    Key(Focused(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(dlg->ShownPage(), 0);
}

TEST_F(KeyboardTest, EveryControlOfTheMainWindowConfigurationAndATableIsNamed) {
    std::vector<std::string> names = NamedControls(main.get());
    for (const char* entry : {"Configuration", "Monitor", "Reset", "Help", "Port 1", "Port 7"})
        EXPECT_TRUE(Has(names, entry)) << entry;
    QAccessibleInterface* panel =
        QAccessible::queryAccessibleInterface(main->GetPanel()->GetWidget());
    bool portSeven = false;
    Walk(panel, [&](QAccessibleInterface* node) {
        if (node->text(QAccessible::Name) == "Port 7") {
            portSeven = true;
            EXPECT_EQ(node->role(), QAccessible::Button);
            EXPECT_FALSE(node->text(QAccessible::Value).isEmpty()); // its link state
        }
    });
    EXPECT_TRUE(portSeven);

    CWnd* config = OpenSlot(Slot::kSetConfiguration);
    ASSERT_NE(config, nullptr);
    names = NamedControls(config);
    for (const char* control : {"Refresh", "Apply", "Contact", "Name", "Location"})
        EXPECT_TRUE(Has(names, control)) << control;
    std::vector<std::string> pages;
    QAccessibleInterface* dialog = QAccessible::queryAccessibleInterface(config->GetWidget());
    for (int i = 0; i < dialog->childCount(); ++i)
        if (dialog->child(i)->role() == QAccessible::Pane)
            pages.push_back(dialog->child(i)->text(QAccessible::Name).toStdString());
    EXPECT_EQ(pages, (std::vector<std::string>{"General", "Console", "Advanced", "Traps"}));

    auto* table = dynamic_cast<CStatTableDlg*>(OpenSlot(SlotBase::kPortPackets + 7));
    ASSERT_NE(table, nullptr);
    ASSERT_TRUE(WaitForReplies());
    names = NamedControls(table);
    QAccessibleInterface* grid = nullptr;
    QAccessibleInterface* spin = nullptr;
    Walk(QAccessible::queryAccessibleInterface(table->GetWidget()), [&](QAccessibleInterface* n) {
        if (n->role() == QAccessible::Table)
            grid = n;
        if (n->role() == QAccessible::SpinBox)
            spin = n;
    });
    ASSERT_NE(grid, nullptr);
    QAccessibleTableInterface* cells = grid->tableInterface();
    ASSERT_NE(cells, nullptr);
    EXPECT_GE(cells->rowCount(), 14); // one row a counter
    ASSERT_NE(cells->cellAt(0, 0), nullptr);
    EXPECT_FALSE(cells->cellAt(0, 0)->text(QAccessible::Name).isEmpty());
    ASSERT_NE(spin, nullptr);
    EXPECT_FALSE(spin->text(QAccessible::Value).isEmpty()); // the poll interval it changes
    // The desktop's screen-reader bridge carries no value text: the description says it.
    EXPECT_EQ(spin->text(QAccessible::Description), spin->text(QAccessible::Value));
}
