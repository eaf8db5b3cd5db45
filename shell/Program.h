#pragma once

#include "shell/Surface.h"
#include "shell/User32.h"
#include "shell/frmKiv.h"
#include "shell/frmKiv2.h"
#include "shell/mdlKiv.h"

namespace kiv {

// The module and the two forms, wired to one surface: routes the platform's events to the
// handlers of the form they belong to.
class Program final : public SurfaceEvents {
  public:
    Program(Surface& surface, User32& user32);

    void Main() { module_.Main(); }

    const mdlKiv& module() const { return module_; }
    const frmKiv& saverWindow() const { return saver_; }

    void Load(FormId form) override;
    void Click(ObjectId object) override;
    void KeyDown(FormId form, std::int16_t keyCode, std::int16_t shift) override;
    void MouseMove(FormId form, std::int16_t button, std::int16_t shift, float x, float y) override;
    void Unload(FormId form, std::int16_t& cancel) override;

  private:
    mdlKiv module_;
    frmKiv saver_;
    frmKiv2 dialog_;
};

}  // namespace kiv
