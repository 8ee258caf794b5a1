#pragma once
// Where a settings form puts its labels, inputs, status line and buttons, in pixels. Rows run
// down from y 20 (choice lists every 30 pixels, text fields every 40); the label column starts
// at x 15 and is at least 120 pixels wide (7 per character of the longest name); the inputs
// follow 30 (choice lists) or 60 (text fields) pixels after it, at least 120 pixels wide (7 per
// character of their longest text); the status line spans both columns one row lower, and the
// two 70 × 25 buttons lie 45 pixels below it, centred in the left and the right half.

#include "platform/ui/WinTypes.h"

#include <cstddef>
#include <vector>

enum class FormKind { ChoiceLists, TextFields };

struct FormLayout {
    std::vector<CRect> labels; // one per input row
    std::vector<CRect> inputs;
    CRect status;
    CRect buttons[2];
    // The client area; the framed window around it is (right of the inputs + 45) wide and
    // (top of the buttons + 70) high.
    CSize client;
};

constexpr int kFormMinColumnWidth = 120;
constexpr int kFormPixelsPerChar = 7;

// The width of a column holding texts of up to `chars` characters.
int FormColumnWidth(std::size_t chars);
FormLayout LayOutForm(FormKind kind, int rows, std::size_t longestName, std::size_t longestInput);
