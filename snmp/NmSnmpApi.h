#pragma once
// Marks the classes and functions NmSnmp exports to the program and to NmDialog.

#if defined(_WIN32)
#if defined(NMSNMP_BUILD)
#define NMSNMP_API __declspec(dllexport)
#else
#define NMSNMP_API __declspec(dllimport)
#endif
#else
#define NMSNMP_API __attribute__((visibility("default")))
#endif
