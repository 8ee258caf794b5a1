#include "platform/ui/Mnemonic.h"

#include "platform/ui/TextFit.h"

#include <array>
#include <cctype>

namespace {

bool isMarkable(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
}

char upper(char c) {
    return char(std::toupper(static_cast<unsigned char>(c)));
}

} // namespace

char MnemonicOf(std::string_view caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] == '&') {
            ++i; // an escaped ampersand marks nothing
            continue;
        }
        return isMarkable(caption[i + 1]) ? upper(caption[i + 1]) : 0;
    }
    return 0;
}

std::vector<MnemonicMark> AssignMnemonics(const std::vector<std::string>& captions) {
    std::vector<MnemonicMark> marks(captions.size());
    std::array<bool, 256> taken{};
    // The captions' own marks first: a later caption never takes a letter one of them chose.
    for (std::size_t i = 0; i < captions.size(); ++i) {
        if (char own = MnemonicOf(captions[i])) {
            marks[i] = {own, StripMnemonic(captions[i]).underlined};
            taken[static_cast<unsigned char>(own)] = true;
        }
    }
    auto claim = [&](MnemonicMark& mark, const std::string& shown, std::size_t at) {
        char letter = upper(shown[at]);
        if (!isMarkable(shown[at]) || taken[static_cast<unsigned char>(letter)])
            return false;
        taken[static_cast<unsigned char>(letter)] = true;
        mark = {letter, int(at)};
        return true;
    };
    for (std::size_t i = 0; i < captions.size(); ++i) {
        if (marks[i].letter)
            continue;
        const std::string shown = StripMnemonic(captions[i]).shown;
        bool done = false;
        for (std::size_t at = 0; at < shown.size() && !done; ++at)
            if (at == 0 || !isMarkable(shown[at - 1]))
                done = claim(marks[i], shown, at);
        for (std::size_t at = 0; at < shown.size() && !done; ++at)
            done = claim(marks[i], shown, at);
    }
    return marks;
}

std::string WithMnemonicMark(const std::string& caption, int index) {
    if (MnemonicOf(caption))
        return caption;
    const std::string shown = StripMnemonic(caption).shown;
    std::string out;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        if (int(i) == index)
            out += '&';
        out += shown[i];
        if (shown[i] == '&')
            out += '&';
    }
    return out;
}
