#pragma once
// The four pages of Set Configuration as data, in tab order: General (contact, name, location),
// Console (use of the serial port and its rate), Advanced (address-table ageing and learning)
// and Traps (authentication-failure trap). Input i of a page shows row i of its run of rows in
// the configuration table; the dialog and its pages are built from this table alone.

#include "platform/ui/WinTypes.h"

#include <array>

// The control ids of each page.
struct CGeneralPage {
    static constexpr UINT kTemplateId = 132;
    static constexpr UINT kContactId = 1003, kNameId = 1004, kLocationId = 1005, kStatusId = 1006;
};
struct CConsolePage {
    static constexpr UINT kTemplateId = 133;
    static constexpr UINT kUseId = 1001, kRateId = 1002, kStatusId = 1006;
};
struct CAdvancedPage {
    static constexpr UINT kTemplateId = 143;
    static constexpr UINT kExpiresId = 1015, kLearningId = 1016, kStatusId = 1013;
};
struct CTrapsPage {
    static constexpr UINT kTemplateId = 158;
    static constexpr UINT kAuthTrapId = 1020, kStatusId = 1025;
};

enum class PageInputKind { TextField, ChoiceList };

// One labelled input, placed in dialog units: label at x 8, input at `inputX`.
struct PageInput {
    UINT id;
    PageInputKind kind;
    UINT labelId;
    const char* label;
    int y;
    int labelCx;
    int inputX;
    int inputCx;
    // A choice list's own entry texts, entry i standing for enumeration entry i (null-ended);
    // null: the enumeration's texts.
    const char* const* choices = nullptr;
};

struct ConfigPage {
    const char* tab;  // the tab's text, spaces as shown
    const char* name; // how the page is named on a status line
    UINT templateId;
    UINT statusId;
    int firstRow; // of the configuration table
    int rowCount;
    std::array<PageInput, 3> inputs; // the first rowCount are used
};

constexpr int kConfigPageCount = 4;
const std::array<ConfigPage, kConfigPageCount>& ConfigPageTable();
