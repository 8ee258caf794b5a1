#pragma once
// What a legend item shows of its counter's name when the name is wider than the item: the
// name with its common counter words shortened ("Good B Rx"), and, where that is still too
// wide, a cut marked with an ellipsis, placed so that the text still names one counter only.
// "Good Bytes Received" and "Good Bytes Transmitted" cut at the same width both read "Good
// Bytes"; shortened, or cut with the end kept, they can be told apart.

#include <functional>
#include <string>
#include <vector>

// `name` with the words counter names share written short: Received "Rx", Transmitted "Tx",
// Frames "Frm", Bytes "B", Broadcast "Bcast", Multicast "Mcast", lengths "len", "between"
// left out.
std::string ShortCounterName(const std::string& name);
// The text for names[index] within `width`, `measure` giving a text's width. The whole name
// when it fits; else its short form (ShortCounterName) when that fits and no other name has
// the same; otherwise, of the short forms, the longest "start…end" that fits and that no other
// also starts and ends with, the kept end as short as it can be and beginning a word where it
// can; failing that, the longest start that fits, with the ellipsis.
std::string LegendText(const std::vector<std::string>& names, std::size_t index, int width,
                       const std::function<int(const std::string&)>& measure);
