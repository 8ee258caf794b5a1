#pragma once
// Where a keyboard cursor goes among a row of places (a menu bar's buttons, a panel's ports).

#include <functional>

// From place `from` of `count`, `step` places on (negative: back), passing over the places
// `usable` refuses; past either end it wraps round when `wrap`, otherwise it stays at the last
// usable place in that direction. A cursor on no place (from -1) starts before the first place
// going on and after the last going back. -1 when no place is usable.
int StepCursor(int count, int from, int step, bool wrap, const std::function<bool(int)>& usable);
