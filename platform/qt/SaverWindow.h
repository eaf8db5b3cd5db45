#pragma once

#include <QWidget>

#include "platform/qt/Canvas.h"
#include "shell/Surface.h"

namespace kiv {

// frmKiv: a borderless black window over the whole primary screen that shows the canvas and
// passes every click, key and mouse movement to the form's handlers.
class SaverWindow final : public QWidget {
  public:
    SaverWindow(SurfaceEvents& events, const Canvas& canvas);

    // Visible and painted once the window system has mapped it; input stays queued meanwhile.
    void showOverScreen();
    // Puts the canvas's changes on screen now.
    void present(const QRect& dirty);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void waitUntilExposed();

    SurfaceEvents& events_;
    const Canvas& canvas_;
};

}  // namespace kiv
