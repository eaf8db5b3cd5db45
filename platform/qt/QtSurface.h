#pragma once

#include <memory>
#include <string>

#include "platform/qt/SingleInstance.h"
#include "shell/FullPeriodRandom.h"
#include "shell/Surface.h"

namespace kiv {

class Canvas;
class SaverWindow;
class SettingsDialog;

// The drawing surface on Qt Widgets. Needs a QApplication; the events handed to attach()
// must outlive it.
class QtSurface final : public Surface {
  public:
    explicit QtSurface(std::string commandLine);
    ~QtSurface() override;

    void attach(SurfaceEvents& events) override;

    void load(FormId form) override;
    void unload(FormId form) override;
    void show(FormId form) override;
    void hide(FormId form) override;
    void refresh(FormId form) override;
    void clear(FormId form) override;

    void setForeColor(std::int32_t colour) override;
    void setFontSize(float points) override;
    void line(float x1, float y1, float x2, float y2) override;
    void line(float x1, float y1, float x2, float y2, std::int32_t colour) override;
    void circle(float x, float y, float radius, std::int32_t colour) override;
    void print(const std::string& text, std::int32_t number) override;
    ScreenTwips screenSize() override;

    void yield() override;
    void randomize() override;
    float rnd() override;
    void messageBox(const std::string& text) override;
    [[noreturn]] void endProcess() override;
    bool previousInstance() override;
    std::string commandLine() override;

  private:
    std::string commandLine_;
    SurfaceEvents* events_ = nullptr;
    std::unique_ptr<Canvas> canvas_;
    std::unique_ptr<SaverWindow> saver_;
    std::unique_ptr<SettingsDialog> dialog_;
    FullPeriodRandom random_;
    SingleInstance instance_;
};

}  // namespace kiv
