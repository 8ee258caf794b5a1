#pragma once
// How the get and get-next dialogs open a set dialog: one per target, raised when it is
// already open, so Apply never goes out from a forgotten window behind the operator's.

#include <string>

class CNmDlgLayout;
class CNmDlgSet;

// Raises the set dialog already open for `target` on `from`'s agent, or opens one over
// `from`'s objects at `instance`, with `from`'s request options, its title and Target header
// naming the target.
CNmDlgSet* OpenSetDialog(CNmDlgLayout& from, const std::string& target,
                         const std::string& instance);
