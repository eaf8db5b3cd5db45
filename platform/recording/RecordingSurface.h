#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/recording/InputEvent.h"
#include "platform/recording/RecordedOp.h"
#include "shell/FullPeriodRandom.h"
#include "shell/Surface.h"
#include "shell/User32StandIn.h"

namespace kiv {

// Thrown by endProcess, so that a recorded run returns to its caller instead of exiting.
struct ProcessEnded {};

struct RecordingConfig {
    float screenWidthTwips = 1024 * 15;
    float screenHeightTwips = 768 * 15;
    std::uint32_t seed = 1;    // the "clock" that randomize seeds from
    std::vector<float> draws;  // taken first, then the seeded generator
    bool previousInstance = false;
    std::string commandLine = "/s";
    bool keepOps = true;  // off for benchmarks: yields and draws are still counted
};

// A headless platform that runs the real shell and engine, records every operation, takes
// random draws from a script and delivers scripted input inside chosen yields.
class RecordingSurface final : public Surface {
  public:
    explicit RecordingSurface(RecordingConfig config = {});

    // Delivers `event` inside yield number `yieldNumber`, counted from 1 over the whole run.
    void deliverAtYield(std::int64_t yieldNumber, InputEvent event);
    // Delivers `event` now, as the platform's own event loop would between handlers.
    void deliverNow(const InputEvent& event);

    User32& user32() { return user32_; }
    const User32StandIn& user32State() const { return user32_.state; }
    const std::vector<RecordedOp>& ops() const { return ops_; }
    std::vector<std::string> traceLines() const;
    std::int64_t yieldCount() const { return yieldCount_; }
    std::int64_t drawCount() const { return drawCount_; }
    bool processEnded() const { return processEnded_; }
    void setScreenSize(float widthTwips, float heightTwips);

    void attach(SurfaceEvents& events) override { events_ = &events; }
    void load(FormId form) override;
    void unload(FormId form) override;
    void show(FormId form) override { record({.kind = RecordedOp::Kind::Show, .form = form}); }
    void hide(FormId form) override { record({.kind = RecordedOp::Kind::Hide, .form = form}); }
    void refresh(FormId form) override;
    void clear(FormId form) override { record({.kind = RecordedOp::Kind::Clear, .form = form}); }
    void setForeColor(std::int32_t colour) override;
    void setFontSize(float points) override;
    void line(float x1, float y1, float x2, float y2) override;
    void line(float x1, float y1, float x2, float y2, std::int32_t colour) override;
    void circle(float x, float y, float radius, std::int32_t colour) override;
    void print(const std::string& text, std::int32_t number) override;
    ScreenTwips screenSize() override { return screen_; }
    void yield() override;
    void randomize() override { generator_.seed(config_.seed); }
    float rnd() override;
    void messageBox(const std::string& text) override;
    [[noreturn]] void endProcess() override;
    bool previousInstance() override { return config_.previousInstance; }
    std::string commandLine() override { return config_.commandLine; }

  private:
    // The stand-in, with each call recorded in the same stream as the drawing.
    struct RecordingUser32 final : User32 {
        explicit RecordingUser32(RecordingSurface& owner) : owner(owner) {}
        int ShowCursor(int bShow) override;
        int SystemParametersInfoA(std::uint32_t uiAction, std::uint32_t uiParam, void* pvParam,
                                  std::uint32_t fWinIni) override;
        RecordingSurface& owner;
        User32StandIn state;
    };

    void record(RecordedOp op);
    void dispatch(const InputEvent& event);
    SurfaceEvents& events();

    RecordingConfig config_;
    ScreenTwips screen_;
    FullPeriodRandom generator_;
    RecordingUser32 user32_;
    SurfaceEvents* events_ = nullptr;
    std::vector<RecordedOp> ops_;
    std::multimap<std::int64_t, InputEvent> scheduled_;
    std::int64_t yieldCount_ = 0;
    std::int64_t drawCount_ = 0;
    bool processEnded_ = false;
};

}  // namespace kiv
