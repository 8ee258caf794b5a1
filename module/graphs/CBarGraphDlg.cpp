#include "module/graphs/CBarGraphDlg.h"

std::uint32_t& CBarGraphDlg::SequenceCounter() {
    // One count for every bar-graph dialog of the program.
    static std::uint32_t sequence = 0;
    return sequence;
}
