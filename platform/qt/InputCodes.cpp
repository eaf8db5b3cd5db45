#include "platform/qt/InputCodes.h"

#include <utility>

namespace kiv {
namespace {

constexpr std::pair<int, std::int16_t> kSpecialKeys[] = {
    {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},      {Qt::Key_Return, 13}, {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16},    {Qt::Key_Control, 17}, {Qt::Key_Alt, 18},    {Qt::Key_Pause, 19},
    {Qt::Key_Escape, 27},   {Qt::Key_Space, 32},   {Qt::Key_PageUp, 33}, {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},      {Qt::Key_Home, 36},    {Qt::Key_Left, 37},   {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},    {Qt::Key_Down, 40},    {Qt::Key_Insert, 45}, {Qt::Key_Delete, 46},
};

}  // namespace

std::int16_t KeyCode(int qtKey) {
    // Digits and capital letters share their codes with the virtual keys.
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return static_cast<std::int16_t>(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return static_cast<std::int16_t>(112 + qtKey - Qt::Key_F1);
    for (const auto& [key, code] : kSpecialKeys)
        if (key == qtKey) return code;
    return 0;
}

std::int16_t ShiftState(Qt::KeyboardModifiers modifiers) {
    return static_cast<std::int16_t>((modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0) |
                                     (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0) |
                                     (modifiers.testFlag(Qt::AltModifier) ? 4 : 0));
}

std::int16_t ButtonState(Qt::MouseButtons buttons) {
    return static_cast<std::int16_t>((buttons.testFlag(Qt::LeftButton) ? 1 : 0) |
                                     (buttons.testFlag(Qt::RightButton) ? 2 : 0) |
                                     (buttons.testFlag(Qt::MiddleButton) ? 4 : 0));
}

}  // namespace kiv
