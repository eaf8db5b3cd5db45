#pragma once

#include <QWidget>

#include "shell/Surface.h"

namespace kiv {

// frmKiv2, laid out from the shell's table of controls. A plain window rather than a QDialog:
// the form has no default or cancel button, so Return and Escape do nothing of their own.
class SettingsDialog final : public QWidget {
  public:
    explicit SettingsDialog(SurfaceEvents& events);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    SurfaceEvents& events_;
};

}  // namespace kiv
