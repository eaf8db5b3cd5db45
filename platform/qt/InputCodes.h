#pragma once

#include <Qt>
#include <cstdint>

namespace kiv {

// Input as the form handlers receive it: Windows virtual-key codes, and the shift and button
// masks 1 = Shift / left, 2 = Ctrl / right, 4 = Alt / middle.
std::int16_t KeyCode(int qtKey);
std::int16_t ShiftState(Qt::KeyboardModifiers modifiers);
std::int16_t ButtonState(Qt::MouseButtons buttons);

}  // namespace kiv
