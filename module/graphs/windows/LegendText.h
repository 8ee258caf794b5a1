#pragma once
// What a legend item shows of its counter's name when the name is wider than the item: a cut
// marked with an ellipsis, placed so that the text still names one counter only. "Good Bytes
// Received" and "Good Bytes Transmitted" cut at the same width both read "Good Bytes"; cut with
// the end kept ("Good By…Received") they can be told apart.

#include <functional>
#include <string>
#include <vector>

// The text for names[index] within `width`, `measure` giving a text's width. The whole name
// when it fits; otherwise the longest "start…end" that fits and that no other name also
// starts and ends with, the kept end as short as it can be and beginning a word where it can;
// failing that, the longest start that fits, with the ellipsis.
std::string LegendText(const std::vector<std::string>& names, std::size_t index, int width,
                       const std::function<int(const std::string&)>& measure);
