#pragma once
// A grid's contents as text for the operator to take elsewhere: tab-separated for the
// clipboard (spreadsheets paste it as cells) and CSV for files. The caption row comes first.

#include <string>
#include <vector>

struct TableText {
    std::vector<std::string> captions;
    std::vector<std::vector<std::string>> rows;
};

// One line per row, cells separated by tabs, lines ended by "\n". Tabs and line breaks inside
// a cell become spaces so the cell stays one cell.
std::string TableToTabSeparated(const TableText& table);
// RFC 4180: lines end with CRLF; a field holding a comma, a double quote, CR or LF is enclosed
// in double quotes, with each double quote doubled.
std::string TableToCsv(const TableText& table);
std::string CsvField(const std::string& text);
