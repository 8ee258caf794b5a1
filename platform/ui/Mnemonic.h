#pragma once
// Mnemonics of captions. A caption may mark its letter with '&' ("&Refresh" marks R; "&&" is a
// plain ampersand). Captions that mark none still get a letter, chosen once for all captions of
// a window so that no two share one; the caption's text stays as it is, only its drawing
// underlines the letter.

#include <string>
#include <string_view>
#include <vector>

// The letter a caption marks with '&', upper case; 0 when the caption marks none.
char MnemonicOf(std::string_view caption);

struct MnemonicMark {
    char letter = 0; // upper case; 0: the caption has none
    int index = -1;  // where the letter is in the caption as shown (marks removed), or -1
};

// One mark per caption, in order. Letters the captions mark themselves are theirs; the others
// take, in caption order, the first free initial of one of their words, else the first free
// letter or digit, else none. Letters compare without case.
std::vector<MnemonicMark> AssignMnemonics(const std::vector<std::string>& captions);

// The caption in the '&' form that menus and DrawText underline: `index` (a position in the
// caption as shown) is marked and other ampersands are doubled. A caption that marks its own
// letter comes back unchanged; index -1 only doubles the ampersands.
std::string WithMnemonicMark(const std::string& caption, int index);
