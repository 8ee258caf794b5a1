#pragma once
// The program's manual as plain text for Help > Help: the usage text (--help, which the man
// page is made from) and the man page's own sections (examples, files, environment), read from
// the same file the man page takes them from, so the window and `man taurel` say the same.

#include <string>

// The text of the man page additions (help2man's include format: "[SECTION]" lines and a few
// roff requests) as plain lines: section names in capitals, examples indented, fonts and
// escapes dropped.
std::string ManualAdditionsText(const std::string& roff);
// The whole manual: the usage text, then the additions.
std::string ManualText();
