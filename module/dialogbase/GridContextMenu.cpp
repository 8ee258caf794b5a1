#include "module/dialogbase/GridContextMenu.h"

#include "controls/GridCtl/CTableControl.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Prompt.h"

#include <fstream>

namespace {

bool WriteFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    return bool(out);
}

void SaveAsCsv(CWnd* owner, const TableText& table, const std::string& fileName) {
    std::string path;
    if (!CurrentPrompt().GetSaveFileName(owner->m_hWnd, "Save As CSV", fileName,
                                         "CSV files (*.csv)", &path) ||
        path.empty())
        return;
    if (!WriteFile(path, TableToCsv(table)))
        AfxMessageBox(("Cannot write " + path).c_str(), MB_OK | MB_ICONERROR);
}

} // namespace

TableText ReadGridText(CTableControl& grid, const std::vector<_CAPTIONDATA>& captions) {
    TableText table;
    const int columns = grid.GetColumnCount();
    for (int c = 0; c < columns; ++c)
        table.captions.push_back(c < int(captions.size()) ? captions[c].caption : "");
    for (int r = 0; r < grid.GetRowCount(); ++r) {
        std::vector<std::string> row;
        for (int c = 0; c < columns; ++c) {
            _DATAOBJ cell{};
            row.push_back(grid.GetItem(c, r, cell) ? cell.text : "");
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

bool OfferGridMenu(CWnd* owner, CTableControl* grid, const std::vector<_CAPTIONDATA>& captions,
                   HWND source, POINT screen, const std::string& fileName) {
    if (!grid || !grid->m_hWnd || source != grid->m_hWnd)
        return false;
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, GridMenuCmd::kCopy, "Copy");
    menu.AppendMenu(MF_STRING, GridMenuCmd::kSaveAsCsv, "Save As CSV...");
    const UINT chosen = menu.TrackPopupMenu(TPM_RETURNCMD, screen.x, screen.y, owner);
    if (chosen == GridMenuCmd::kCopy)
        SetClipboardText(TableToTabSeparated(ReadGridText(*grid, captions)));
    else if (chosen == GridMenuCmd::kSaveAsCsv)
        SaveAsCsv(owner, ReadGridText(*grid, captions), fileName);
    return true;
}
