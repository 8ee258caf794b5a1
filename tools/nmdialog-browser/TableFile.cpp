#include "tools/nmdialog-browser/TableFile.h"

#include "snmp/SnmpValueType.h"
#include "tools/taurel-snmp/ClientArgs.h"

#include <charconv>
#include <cstring>

namespace {

// Splits a line into blank-separated words; a double-quoted part keeps its blanks.
bool SplitWords(const std::string& line, std::vector<std::string>& words, std::string& why) {
    std::string word;
    bool inWord = false, quoted = false;
    for (char c : line) {
        if (quoted) {
            if (c == '"')
                quoted = false;
            else
                word += c;
        } else if (c == '"') {
            quoted = inWord = true;
        } else if (c == ' ' || c == '\t' || c == '\r') {
            if (inWord)
                words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (quoted) {
        why = "a quote is not closed";
        return false;
    }
    if (inWord)
        words.push_back(word);
    return true;
}

// "integer, string, …": the words TypeOf takes.
std::string TypeWords() {
    std::string words;
    for (const SnmpValueType& type : SnmpValueTypes()) {
        if (type.fileName) {
            words += (words.empty() ? "" : ", ") + std::string(type.fileName);
        }
    }
    return words;
}

bool TypeOf(const std::string& name, std::uint8_t& type) {
    const SnmpValueType* row = SnmpValueTypeOfFileName(name);
    if (row) {
        type = row->tag;
    }
    return row != nullptr;
}

bool AccessOf(const std::string& text, std::uint16_t& access, std::string& why) {
    access = 0;
    std::size_t start = 0;
    bool first = true;
    while (start <= text.size()) {
        std::size_t comma = text.find(',', start);
        std::string part =
            text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (first && part == "read-only")
            access |= SNMP_ACCESS_READONLY;
        else if (first && part == "read-write")
            access |= SNMP_ACCESS_READWRITE;
        else if (first && part == "write-only")
            access |= SNMP_ACCESS_WRITEONLY;
        else if (first) {
            why = "unknown access " + part + " (read-only, read-write or write-only)";
            return false;
        } else if (part == "index" && !(access & SNMP_ACCESS_KIND_MASK))
            access |= SNMP_ACCESS_INDEX;
        else if (part == "rowstatus" && !(access & SNMP_ACCESS_KIND_MASK))
            access |= SNMP_ACCESS_ROWSTATUS;
        else if (part == "hex")
            access |= SNMP_ACCESS_HEX;
        else {
            why = "unknown or repeated access flag " + part + " (index, rowstatus or hex)";
            return false;
        }
        first = false;
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return true;
}

bool EnumPairOf(const std::string& word, std::int32_t& value, std::string& text) {
    std::size_t eq = word.find('=');
    if (eq == std::string::npos || eq == 0 || eq + 1 == word.size())
        return false;
    const char* end = word.data() + eq;
    auto [ptr, error] = std::from_chars(word.data(), end, value);
    if (error != std::errc() || ptr != end)
        return false;
    text = word.substr(eq + 1);
    return true;
}

bool ParseLine(const std::vector<std::string>& words, LoadedTable& table, std::string& why) {
    if (words.size() < 4) {
        why = "expected OID TYPE ACCESS NAME";
        return false;
    }
    _NmOidTable row{};
    std::string oid;
    if (!NormalizeOid(words[0], oid) || oid.find('.') == std::string::npos) {
        why = "not a dotted decimal OID: " + words[0];
        return false;
    }
    if (oid.size() >= sizeof row.szOid) {
        why = "the OID is longer than 127 characters";
        return false;
    }
    if (!TypeOf(words[1], row.byType)) {
        why = "unknown type " + words[1] + " (" + TypeWords() + ")";
        return false;
    }
    if (!AccessOf(words[2], row.wAccess, why))
        return false;
    if (words[3].empty() || words[3].size() >= sizeof row.szName) {
        why = words[3].empty() ? "the name is empty" : "the name is longer than 127 characters";
        return false;
    }
    std::vector<_NmEnumPair> pairs;
    for (std::size_t i = 4; i < words.size(); ++i) {
        if (row.byType != SNMP_TYPE_INTEGER) {
            why = "named values need type integer: " + words[i];
            return false;
        }
        std::int32_t value = 0;
        std::string text;
        if (!EnumPairOf(words[i], value, text)) {
            why = "expected VALUE=TEXT with a 32-bit VALUE: " + words[i];
            return false;
        }
        table.texts.push_back(text);
        pairs.push_back({value, table.texts.back().c_str()});
    }
    std::memcpy(row.szOid, oid.c_str(), oid.size() + 1);
    std::memcpy(row.szName, words[3].c_str(), words[3].size() + 1);
    if (!pairs.empty()) {
        pairs.push_back({0, nullptr});
        table.enums.push_back(std::move(pairs));
        row.pEnum = table.enums.back().data();
    }
    table.rows.push_back(row);
    return true;
}

} // namespace

bool ParseTableFile(std::istream& in, LoadedTable& table, std::string& error) {
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        const std::size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos || line[first] == '#')
            continue;
        std::vector<std::string> words;
        std::string why;
        if (!SplitWords(line, words, why) || !ParseLine(words, table, why)) {
            error = "line " + std::to_string(number) + ": " + why;
            return false;
        }
    }
    if (table.rows.empty()) {
        error = "the table file holds no objects";
        return false;
    }
    return true;
}
