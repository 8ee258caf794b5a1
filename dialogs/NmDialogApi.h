#pragma once
// Marks the classes and functions NmDialog exports to the device modules that use it.

#if defined(_WIN32)
#if defined(NMDIALOG_BUILD)
#define NMDIALOG_API __declspec(dllexport)
#else
#define NMDIALOG_API __declspec(dllimport)
#endif
#else
#define NMDIALOG_API __attribute__((visibility("default")))
#endif
