#include "platform/ui/Mnemonic.h"

#include <cctype>

char MnemonicOf(std::string_view caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] == '&') {
            ++i; // an escaped ampersand marks nothing
            continue;
        }
        auto c = static_cast<unsigned char>(caption[i + 1]);
        return std::isalnum(c) ? char(std::toupper(c)) : 0;
    }
    return 0;
}
