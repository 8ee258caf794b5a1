#pragma once
// printf-style formatting into std::string and local-time text, the way the program's messages
// ("Response received at %s", "Port %d") are written.

#include <cstdint>
#include <string>

#if defined(__GNUC__)
#define TAUREL_PRINTF(fmt, args) __attribute__((format(printf, fmt, args)))
#else
#define TAUREL_PRINTF(fmt, args)
#endif

std::string FormatText(const char* format, ...) TAUREL_PRINTF(1, 2);

// The C runtime's ctime() text of `t` without its trailing newline.
std::string CTimeText(std::int64_t t);
// strftime() of `t` in local time.
std::string FormatLocalTime(std::int64_t t, const char* format);
