#include "dialogs/NmDlgRequestOptions.h"

namespace {
NmDlgRequestOptions& current() {
    static NmDlgRequestOptions options;
    return options;
}
} // namespace

void nmdlgSetRequestOptions(const NmDlgRequestOptions& options) {
    current() = options;
}

NmDlgRequestOptions nmdlgRequestOptions() {
    return current();
}

NmDlgRequestOptionsScope::NmDlgRequestOptionsScope(const NmDlgRequestOptions& options)
    : m_saved(current()) {
    current() = options;
}

NmDlgRequestOptionsScope::~NmDlgRequestOptionsScope() {
    current() = m_saved;
}
