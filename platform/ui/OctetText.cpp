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

// The code point of the well-formed sequence of `length` octets at `at`.
char32_t CodePointAt(std::string_view s, std::size_t at, std::size_t length) {
    const auto lead = static_cast<unsigned char>(s[at]);
    if (length == 1)
        return lead;
    char32_t cp = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i)
        cp = (cp << 6) | (static_cast<unsigned char>(s[at + i]) & 0x3F);
    return cp;
}

bool IsControl(char32_t cp) {
    return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F);
}

std::string Utf8Of(char32_t cp) {
    std::string out;
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
    return out;
}

// "‹00›" for each octet: which bytes they are stays visible.
std::string MarkOf(std::string_view octets) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string mark;
    for (char c : octets) {
        const auto b = static_cast<unsigned char>(c);
        mark += "\xE2\x80\xB9";
        mark += kHex[b >> 4];
        mark += kHex[b & 0x0F];
        mark += "\xE2\x80\xBA";
    }
    return mark;
}

ShownPiece PieceOf(std::string_view octets, char32_t cp) {
    if (IsControl(cp))
        return {MarkOf(octets), std::string(octets), true};
    return {Utf8Of(cp), std::string(octets), false};
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

std::vector<ShownPiece> ShownPieces(std::string_view octets) {
    std::vector<ShownPiece> pieces;
    if (IsUtf8(octets)) {
        for (std::size_t at = 0; at < octets.size();) {
            const std::size_t length = SequenceLength(octets, at);
            pieces.push_back(PieceOf(octets.substr(at, length), CodePointAt(octets, at, length)));
            at += length;
        }
        return pieces;
    }
    for (std::size_t at = 0; at < octets.size(); ++at)
        pieces.push_back(PieceOf(octets.substr(at, 1), static_cast<unsigned char>(octets[at])));
    return pieces;
}

std::string ShowableText(std::string_view octets) {
    std::string text;
    for (const ShownPiece& piece : ShownPieces(octets))
        text += piece.shown;
    return text;
}
