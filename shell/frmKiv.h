#pragma once

#include <cstdint>

#include "shell/Surface.h"
#include "shell/User32.h"
#include "shell/mdlKiv.h"

namespace kiv {

// The full-screen saver window. Its Load handler is the whole saver run.
class frmKiv {
  public:
    frmKiv(Surface& surface, User32& user32, mdlKiv& module)
        : surface_(surface), user32_(user32), module_(module) {}

    void Form_Load();
    void Form_Click();
    void Form_KeyDown(std::int16_t keyCode, std::int16_t shift);
    void Form_MouseMove(std::int16_t button, std::int16_t shift, float x, float y);
    void Form_Unload(std::int16_t& cancel);

    float ScreenWidthPx = 0;
    std::int16_t FirstMouseX = 0;
    std::int16_t FirstMouseY = 0;

  private:
    void teardown();

    Surface& surface_;
    User32& user32_;
    mdlKiv& module_;
};

// A pixel coordinate as a 16-bit integer: nearest, halves to even, clamped to the range.
std::int16_t ToInteger(float pixels);

}  // namespace kiv
