#pragma once
// The cells of one line that `taurel --print` writes, split at its tabs.

#include <string>
#include <vector>

inline std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> cells(1);
    for (char c : line) {
        if (c == '\t')
            cells.emplace_back();
        else
            cells.back() += c;
    }
    return cells; // an empty last cell ("Peak At" of a counter that never moved) stays
}
