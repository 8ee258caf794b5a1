#include "module/graphs/windows/ExportHeading.h"

#include "platform/core/TextFormat.h"

std::string ExportHeading(const std::string& caption, std::int64_t savedAt) {
    const std::string saved = "saved " + FormatLocalTime(savedAt, "%Y-%m-%d %H:%M:%S");
    return caption.empty() ? saved : caption + " - " + saved;
}
