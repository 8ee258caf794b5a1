#pragma once
// What a window tells a screen reader about itself (WM_GETOBJECT): its role, name, value and
// states, and the parts it draws without windows of their own (a menu bar's buttons, a grid's
// cells, a panel's ports). The window layer turns it into the desktop's accessibility tree.

#include "platform/ui/WinTypes.h"

#include <string>
#include <vector>

enum class AccRole {
    None, // the layer's default for the window
    Pane,
    Button,
    MenuBar,
    MenuButton, // a button that opens a menu
    Table,
    Cell,
    ComboBox,
    SpinBox,
    CheckBox,
    Label,
    Grouping, // a frame around other controls
    StatusBar,
    Indicator, // an LED
    Graphic,
    List,
    ListItem,
};

struct AccItem {
    AccRole role = AccRole::None;
    std::string name;
    std::string description;
    std::string value;
    CRect rect; // in the window's client coordinates (the window's own item: its client area)
    bool focusable = false;
    bool focused = false;
    bool selectable = false;
    bool selected = false;
    bool checkable = false;
    bool checked = false;
    bool pressed = false;
    bool unavailable = false;
    bool hasPopup = false;
};

struct AccessibleInfo {
    AccItem self;
    // The window's parts, after its child windows in the tree.
    std::vector<AccItem> items;
    // A table: `items` are its cells row by row, `columnHeaders` name the columns.
    int rows = 0;
    int columns = 0;
    std::vector<std::string> columnHeaders;
};

// What changed, for CWnd::NotifyAccessible.
enum class AccEvent { Focus, NameChanged, ValueChanged, StateChanged, SelectionChanged };
