#pragma once

#include <cstdint>

#include "shell/Surface.h"

namespace kiv {

// A user action the recording backend hands to the program's handlers.
struct InputEvent {
    enum class Kind { Click, KeyDown, MouseMove, Close };

    Kind kind = Kind::Click;
    ObjectId object = ObjectId::frmKiv;  // Click
    FormId form = FormId::frmKiv;        // KeyDown, MouseMove, Close
    std::int16_t keyCode = 0, shift = 0, button = 0;
    float x = 0, y = 0;

    static InputEvent click(ObjectId object = ObjectId::frmKiv) {
        return {.kind = Kind::Click, .object = object};
    }
    static InputEvent keyDown(std::int16_t keyCode, std::int16_t shift = 0) {
        return {.kind = Kind::KeyDown, .keyCode = keyCode, .shift = shift};
    }
    static InputEvent mouseMove(float x, float y) {
        return {.kind = Kind::MouseMove, .x = x, .y = y};
    }
    static InputEvent close(FormId form) { return {.kind = Kind::Close, .form = form}; }
};

}  // namespace kiv
