#include "platform/core/TextFormat.h"

#include <cstdarg>
#include <cstdio>
#include <ctime>
#include <vector>

std::string FormatText(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text;
    if (n > 0) {
        std::vector<char> buffer(static_cast<std::size_t>(n) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, args);
        text.assign(buffer.data(), static_cast<std::size_t>(n));
    }
    va_end(args);
    return text;
}

static bool LocalTime(std::int64_t t, std::tm& out) {
    const std::time_t tt = static_cast<std::time_t>(t);
#if defined(_WIN32)
    return localtime_s(&out, &tt) == 0;
#else
    return localtime_r(&tt, &out) != nullptr;
#endif
}

std::string FormatLocalTime(std::int64_t t, const char* format) {
    std::tm tm{};
    if (!LocalTime(t, tm)) {
        return {};
    }
    char buffer[256];
    const std::size_t n = std::strftime(buffer, sizeof buffer, format, &tm);
    return std::string(buffer, n);
}

std::string CTimeText(std::int64_t t) {
    return FormatLocalTime(t, "%a %b %e %H:%M:%S %Y");
}
