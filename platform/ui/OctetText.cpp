#include "platform/ui/OctetText.h"

namespace {

bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// The length of the UTF-8 sequence starting at `at`, or 0 when it is not well-formed. The
// second byte's range rules out overlong forms, surrogates and values beyond U+10FFFF.
std::size_t SequenceLength(std::string_view s, std::size_t at) {
    const auto lead = static_cast<unsigned char>(s[at]);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (at + length > s.size())
        return 0;
    const auto second = static_cast<unsigned char>(s[at + 1]);
    if (second < low || second > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (!IsContinuation(static_cast<unsigned char>(s[at + i])))
            return 0;
    return length;
}

} // namespace

bool IsUtf8(std::string_view octets) {
    for (std::size_t at = 0; at < octets.size();) {
        const std::size_t length = SequenceLength(octets, at);
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

QString TextFromOctets(std::string_view octets) {
    const auto size = qsizetype(octets.size());
    return IsUtf8(octets) ? QString::fromUtf8(octets.data(), size)
                          : QString::fromLatin1(octets.data(), size);
}

std::string OctetsFromText(const QString& text) {
    return text.toUtf8().toStdString();
}
