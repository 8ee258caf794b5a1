#pragma once
// The names `--open` takes besides slot numbers: one per dialog of the device, and one per kind
// of port dialog followed by ":" and the port number ("packet-table:4" is slot 173). The table
// covers exactly the slots that open a window, so it also says which numbers are good.

#include <optional>
#include <string>
#include <vector>

// The slot a name or a number names, when it opens a window.
std::optional<int> SlotFromName(const std::string& text);
// The name of a slot that opens a window ("trap-receivers", "packet-table:4"); empty otherwise.
std::string SlotName(int slot);

struct SlotNameLine {
    std::string name;   // "trap-receivers", "packet-table:P"
    std::string number; // "5", "169+P"
};
// Every name with its slot, in slot order, for the help text.
std::vector<SlotNameLine> SlotNameLines();
