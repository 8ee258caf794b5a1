#include "module/graphs/windows/CurveCsv.h"

#include "platform/core/TextFormat.h"

namespace {
// A field with a comma, quote or line break is quoted, its quotes doubled.
std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string out = "\"";
    for (char c : text)
        out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}
} // namespace

std::string CurveCsvText(const CCurvePoints& points, const std::vector<int>& counters,
                         const std::vector<std::string>& names) {
    std::string out = "Sequence,Time";
    for (int c : counters)
        out += "," + CsvField(c >= 0 && size_t(c) < names.size() ? names[size_t(c)]
                                                                 : FormatText("Counter %d", c + 1));
    out += "\r\n";
    for (size_t i = 0; i < points.Size(); ++i) {
        const CCurvePoint& p = points.At(i);
        out += FormatText("%u,", p.seq) + FormatLocalTime(p.time, "%Y-%m-%d %H:%M:%S");
        // An interval without a measured rate leaves its field empty, as the curve's gap.
        for (int c : counters)
            out += IsDrawn(p, c) ? FormatText(",%u", p.rates[size_t(c)]) : std::string(",");
        out += "\r\n";
    }
    return out;
}
