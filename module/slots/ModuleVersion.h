#pragma once
// The program's version, shown by --version and the About box.

constexpr const char* kModuleVersion = "1.0.0";
