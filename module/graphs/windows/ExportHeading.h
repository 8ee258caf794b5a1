#pragma once
// The line a saved graph picture carries across its top, so the file says what it shows: the
// window's caption (its port and switch) and when it was saved.

#include <cstdint>
#include <string>

// "CAPTION - saved YYYY-MM-DD HH:MM:SS" in local time; the time alone without a caption.
std::string ExportHeading(const std::string& caption, std::int64_t savedAt);
