#pragma once

#include <cstdint>
#include <string>

namespace kiv {

enum class FormId { frmKiv, frmKiv2 };

// Anything that can be clicked: the two forms and the dialog's buttons.
enum class ObjectId { frmKiv, frmKiv2, Command1, Command2, cmdPreview };

// Screen size in twips (15 to a pixel).
struct ScreenTwips {
    float width = 0;
    float height = 0;
};

// Colours are r + 256 * g + 65536 * b.
constexpr std::int32_t RGB(std::int32_t r, std::int32_t g, std::int32_t b) {
    return r + 256 * g + 65536 * b;
}

// The handlers a platform calls. Input events arrive only inside Surface::yield or while the
// platform's own event loop runs.
class SurfaceEvents {
  public:
    virtual void Load(FormId form) = 0;
    virtual void Click(ObjectId object) = 0;
    virtual void KeyDown(FormId form, std::int16_t keyCode, std::int16_t shift) = 0;
    virtual void MouseMove(FormId form, std::int16_t button, std::int16_t shift, float x,
                           float y) = 0;
    virtual void Unload(FormId form, std::int16_t& cancel) = 0;

  protected:
    ~SurfaceEvents() = default;
};

// Everything the program takes from its window platform, on one thread. Coordinates are
// pixels of the saver window, origin top-left, y downward; drawing always targets the saver
// window, the only one that is drawn on.
class Surface {
  public:
    virtual ~Surface() = default;

    virtual void attach(SurfaceEvents& events) = 0;

    // Windows
    virtual void load(FormId form) = 0;    // returns once the form's Load handler has run
    virtual void unload(FormId form) = 0;  // runs the Unload handler, then the form is gone
    virtual void show(FormId form) = 0;
    virtual void hide(FormId form) = 0;
    virtual void refresh(FormId form) = 0;
    virtual void clear(FormId form) = 0;

    // Drawing
    virtual void setForeColor(std::int32_t colour) = 0;
    virtual void setFontSize(float points) = 0;
    virtual void line(float x1, float y1, float x2, float y2) = 0;  // in the foreground colour
    virtual void line(float x1, float y1, float x2, float y2, std::int32_t colour) = 0;
    virtual void circle(float x, float y, float radius, std::int32_t colour) = 0;
    // Text then number (" 17 " for 17) from the drawing position, then a new line.
    virtual void print(const std::string& text, std::int32_t number) = 0;
    virtual ScreenTwips screenSize() = 0;

    // Run-time services
    virtual void yield() = 0;  // runs the handlers of all pending input events
    virtual void randomize() = 0;
    virtual float rnd() = 0;  // uniform in [0, 1)
    virtual void messageBox(const std::string& text) = 0;
    [[noreturn]] virtual void endProcess() = 0;
    virtual bool previousInstance() = 0;
    virtual std::string commandLine() = 0;
};

}  // namespace kiv
