#include "module/graphs/CLineGraphDlg.h"

std::uint32_t& CLineGraphDlg::SequenceCounter() {
    // One count for every line-curve dialog of the program.
    static std::uint32_t sequence = 0;
    return sequence;
}
