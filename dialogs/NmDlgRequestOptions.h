#pragma once
// How long a dialog's requests wait for their reply, and how often they are sent again before
// the dialog hears of a time-out. Each dialog keeps its own options; a new dialog starts with
// the library's current ones, which a host sets once (from its command line, for example), and
// a dialog opened from another one starts with that one's.

#include "dialogs/NmDialogApi.h"

struct NmDlgRequestOptions {
    // Milliseconds a request waits for its reply; 0 takes the engine's time-out (500 ms unless
    // the host changed it).
    int timeoutMs = 0;
    // How often a request is sent again (with the same request id) after a time-out.
    int retries = 0;
};

// The options dialogs created from now on start with.
NMDIALOG_API void nmdlgSetRequestOptions(const NmDlgRequestOptions& options);
NMDIALOG_API NmDlgRequestOptions nmdlgRequestOptions();

// While it lives, dialogs are created with `options`; the library's options come back after.
class NmDlgRequestOptionsScope {
public:
    explicit NmDlgRequestOptionsScope(const NmDlgRequestOptions& options);
    ~NmDlgRequestOptionsScope();
    NmDlgRequestOptionsScope(const NmDlgRequestOptionsScope&) = delete;
    NmDlgRequestOptionsScope& operator=(const NmDlgRequestOptionsScope&) = delete;

private:
    NmDlgRequestOptions m_saved;
};
