#include "platform/qt/QtSurface.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <chrono>
#include <cstdlib>
#include <utility>

#include "platform/qt/Canvas.h"
#include "platform/qt/SaverWindow.h"
#include "platform/qt/SettingsDialog.h"

namespace kiv {
namespace {

constexpr float kTwipsPerPixel = 15;

QSize PrimaryScreenPixels() {
    return QGuiApplication::primaryScreen()->size();
}

}  // namespace

QtSurface::QtSurface(std::string commandLine)
    : commandLine_(std::move(commandLine)), canvas_(std::make_unique<Canvas>()) {}

QtSurface::~QtSurface() = default;

void QtSurface::attach(SurfaceEvents& events) {
    events_ = &events;
}

void QtSurface::load(FormId form) {
    if (form == FormId::frmKiv) {
        canvas_->resize(PrimaryScreenPixels());
        saver_ = std::make_unique<SaverWindow>(*events_, *canvas_);
    } else {
        dialog_ = std::make_unique<SettingsDialog>(*events_);
    }
    events_->Load(form);
}

void QtSurface::unload(FormId form) {
    std::int16_t cancel = 0;
    events_->Unload(form, cancel);
    if (cancel != 0) return;
    if (form == FormId::frmKiv)
        saver_.reset();
    else
        dialog_.reset();
}

void QtSurface::show(FormId form) {
    if (form == FormId::frmKiv) {
        saver_->showOverScreen();
    } else {
        dialog_->show();
        dialog_->raise();
        dialog_->activateWindow();
    }
}

void QtSurface::hide(FormId form) {
    if (form == FormId::frmKiv)
        saver_->hide();
    else
        dialog_->hide();
}

void QtSurface::refresh(FormId form) {
    if (form == FormId::frmKiv) {
        canvas_->takeDirty();
        saver_->repaint();
    } else {
        dialog_->repaint();
    }
}

// Only the saver window is drawn on.
void QtSurface::clear(FormId form) {
    if (form == FormId::frmKiv) canvas_->clear();
}

void QtSurface::setForeColor(std::int32_t colour) {
    canvas_->setForeColor(colour);
}

void QtSurface::setFontSize(float points) {
    canvas_->setFontSize(points);
}

void QtSurface::line(float x1, float y1, float x2, float y2) {
    canvas_->line(QPointF(x1, y1), QPointF(x2, y2));
}

void QtSurface::line(float x1, float y1, float x2, float y2, std::int32_t colour) {
    canvas_->line(QPointF(x1, y1), QPointF(x2, y2), Canvas::ToQColor(colour));
}

void QtSurface::circle(float x, float y, float radius, std::int32_t colour) {
    canvas_->circle(QPointF(x, y), radius, Canvas::ToQColor(colour));
}

void QtSurface::print(const std::string& text, std::int32_t number) {
    canvas_->print(text, number);
}

ScreenTwips QtSurface::screenSize() {
    const QSize pixels = PrimaryScreenPixels();
    return {pixels.width() * kTwipsPerPixel, pixels.height() * kTwipsPerPixel};
}

// With nothing new drawn this costs only the event dispatch.
void QtSurface::yield() {
    if (saver_) saver_->present(canvas_->takeDirty());
    QCoreApplication::processEvents();
}

void QtSurface::randomize() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    random_.seed(static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
}

float QtSurface::rnd() {
    return random_.next();
}

void QtSurface::messageBox(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(),
                    QString::fromStdString(text), QMessageBox::Ok);
    box.show();
    box.activateWindow();
    box.exec();
}

void QtSurface::endProcess() {
    std::_Exit(0);
}

bool QtSurface::previousInstance() {
    return instance_.anotherRuns();
}

std::string QtSurface::commandLine() {
    return commandLine_;
}

}  // namespace kiv
