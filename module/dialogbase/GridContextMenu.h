#pragma once
// The right-click menu of a dialog's grid: "Copy" puts the whole table on the clipboard as
// tab-separated text, "Save As CSV..." asks for a file and writes the table there. Both start
// with the caption row.

#include "controls/GridCtl/GridTypes.h"
#include "module/dialogbase/TableExport.h"
#include "platform/ui/WinTypes.h"

#include <string>
#include <vector>

class CTableControl;
class CWnd;

namespace GridMenuCmd {
constexpr UINT kCopy = 0x7101;
constexpr UINT kSaveAsCsv = 0x7102;
} // namespace GridMenuCmd

// The grid's captions and every stored cell, row by row.
TableText ReadGridText(CTableControl& grid, const std::vector<_CAPTIONDATA>& captions);

// WM_CONTEXTMENU of `owner`: when the click came from `grid`, shows the menu at the screen
// point and carries out the choice; `fileName` is the name the file dialog suggests. False
// when the click came from elsewhere.
bool OfferGridMenu(CWnd* owner, CTableControl* grid, const std::vector<_CAPTIONDATA>& captions,
                   HWND source, POINT screen, const std::string& fileName);
