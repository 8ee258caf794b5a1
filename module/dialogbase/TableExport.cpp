#include "module/dialogbase/TableExport.h"

namespace {

std::string TabSafe(std::string text) {
    for (char& c : text)
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    return text;
}

template <typename Field>
std::string JoinLine(const std::vector<std::string>& cells, char separator, Field field) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i)
            line += separator;
        line += field(cells[i]);
    }
    return line;
}

template <typename Field>
std::string JoinTable(const TableText& table, char separator, const char* lineEnd, Field field) {
    std::string text = JoinLine(table.captions, separator, field) + lineEnd;
    for (const auto& row : table.rows)
        text += JoinLine(row, separator, field) + lineEnd;
    return text;
}

} // namespace

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string TableToTabSeparated(const TableText& table) {
    return JoinTable(table, '\t', "\n", TabSafe);
}

std::string TableToCsv(const TableText& table) {
    return JoinTable(table, ',', "\r\n", CsvField);
}
