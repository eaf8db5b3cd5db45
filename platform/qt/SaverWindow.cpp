#include "platform/qt/SaverWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "platform/qt/InputCodes.h"

namespace kiv {
namespace {

// A window system that never maps the window must not hang the saver.
constexpr int kExposeWaitMs = 2000;

}  // namespace

SaverWindow::SaverWindow(SurfaceEvents& events, const Canvas& canvas)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      events_(events),
      canvas_(canvas) {
    setWindowTitle("Kiv");
    setAttribute(Qt::WA_OpaquePaintEvent);  // the canvas covers every pixel, black when clear
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setGeometry(QGuiApplication::primaryScreen()->geometry());
}

void SaverWindow::showOverScreen() {
    showFullScreen();
    raise();
    activateWindow();
    waitUntilExposed();
    // A screen saver takes all input; without a window manager this is also what gives it
    // the keyboard.
    grabKeyboard();
    grabMouse();
}

void SaverWindow::waitUntilExposed() {
    QTimer wakeUp;  // ends the wait should the expose never come
    wakeUp.setSingleShot(true);
    wakeUp.start(kExposeWaitMs);
    while (!windowHandle()->isExposed() && wakeUp.isActive())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                        QEventLoop::WaitForMoreEvents);
}

void SaverWindow::present(const QRect& dirty) {
    if (!dirty.isEmpty()) repaint(dirty);
}

void SaverWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    painter.drawImage(area, canvas_.image(), area);
}

void SaverWindow::mousePressEvent(QMouseEvent*) {
    events_.Click(ObjectId::frmKiv);
}

void SaverWindow::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    events_.MouseMove(FormId::frmKiv, ButtonState(event->buttons()), ShiftState(event->modifiers()),
                      static_cast<float>(at.x()), static_cast<float>(at.y()));
}

void SaverWindow::keyPressEvent(QKeyEvent* event) {
    events_.KeyDown(FormId::frmKiv, KeyCode(event->key()), ShiftState(event->modifiers()));
}

void SaverWindow::closeEvent(QCloseEvent* event) {
    std::int16_t cancel = 0;
    events_.Unload(FormId::frmKiv, cancel);
    if (cancel != 0) event->ignore();
}

}  // namespace kiv
