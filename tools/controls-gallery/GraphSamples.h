#pragma once
// Synthetic samples of three port counters for showing the graph windows without a switch:
// octets in and out that swell and ebb, and a packet counter that passes 2^32 part way.

#include "module/graphs/windows/CSampleRecord.h"

#include <string>
#include <vector>

namespace GraphSamples {

std::vector<std::string> CounterNames();
// Seconds between two samples of the run.
constexpr int kInterval = 5;
// Sample k (from 0) of the run, taken at `time`.
CSampleRecord Sample(int k, std::uint32_t time);
// `count` samples every kInterval seconds, the last one at `end`.
std::vector<CSampleRecord> History(int count, std::uint32_t end);

} // namespace GraphSamples
