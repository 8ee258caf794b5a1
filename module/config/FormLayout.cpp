#include "module/config/FormLayout.h"

#include <algorithm>

namespace {

constexpr int kLeft = 15;
constexpr int kTop = 20;
constexpr int kRowHeight = 20;
// Labels are static text drawn from their top: this brings them level with the inputs' text.
constexpr int kLabelDrop = 3;
constexpr int kButtonWidth = 70;
constexpr int kButtonHeight = 25;
constexpr int kButtonsBelowStatus = 45;
constexpr int kWindowExtraWidth = 45;
constexpr int kWindowExtraHeight = 70;
// The frame and caption of a framed window: the client area is this much smaller.
constexpr int kFrameWidth = 2 * 4;
constexpr int kFrameHeight = 2 * 4 + 18;

int RowStep(FormKind kind) {
    return kind == FormKind::ChoiceLists ? 30 : 40;
}

int InputGap(FormKind kind) {
    return kind == FormKind::ChoiceLists ? 30 : 60;
}

} // namespace

int FormColumnWidth(std::size_t chars) {
    return std::max(kFormMinColumnWidth, kFormPixelsPerChar * int(chars));
}

FormLayout LayOutForm(FormKind kind, int rows, std::size_t longestName, std::size_t longestInput) {
    FormLayout layout;
    const int labelWidth = FormColumnWidth(longestName);
    const int inputX = labelWidth + InputGap(kind);
    const int inputWidth = FormColumnWidth(longestInput);
    const int inputRight = inputX + inputWidth;
    for (int k = 0; k < rows; ++k) {
        int y = kTop + RowStep(kind) * k;
        layout.labels.emplace_back(kLeft, y + kLabelDrop, kLeft + labelWidth, y + kRowHeight);
        layout.inputs.emplace_back(inputX, y, inputRight, y + kRowHeight);
    }
    const int statusY = kTop + RowStep(kind) * std::max(rows, 0);
    layout.status = CRect(kLeft, statusY, inputRight, statusY + kRowHeight);

    const int buttonsY = statusY + kButtonsBelowStatus;
    layout.client = CSize(inputRight + kWindowExtraWidth - kFrameWidth,
                          buttonsY + kWindowExtraHeight - kFrameHeight);
    const int quarter = layout.client.cx / 4;
    for (int b = 0; b < 2; ++b) {
        int centre = quarter * (1 + 2 * b);
        int x = centre - kButtonWidth / 2;
        layout.buttons[b] = CRect(x, buttonsY, x + kButtonWidth, buttonsY + kButtonHeight);
    }
    return layout;
}
