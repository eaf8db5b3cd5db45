#pragma once

#include <string>
#include <vector>

#include "platform/recording/RecordedRun.h"
#include "platform/recording/RecordingSurface.h"
#include "shell/Program.h"

namespace kiv::testing {

inline constexpr float kTwips1024 = 1024 * 15;

// The real shell and engine on the recording backend.
struct RecordedProgram {
    explicit RecordedProgram(RecordingConfig config = {})
        : surface(std::move(config)), program(surface, surface.user32()) {}

    // Main, as the platform's start-up would call it; true if the process ended.
    bool runMain() {
        return RunUntilEnd([&] { program.Main(); });
    }
    // One saver run, quitting by a click inside yield `quitAtYield`.
    bool runSaver(std::int64_t quitAtYield) {
        surface.deliverAtYield(quitAtYield, InputEvent::click());
        return RunUntilEnd([&] { surface.load(FormId::frmKiv); });
    }
    std::vector<std::string> lines() const { return surface.traceLines(); }

    RecordingSurface surface;
    Program program;
};

inline RecordingConfig ConfigWith(std::string commandLine, bool previousInstance = false) {
    RecordingConfig config;
    config.commandLine = std::move(commandLine);
    config.previousInstance = previousInstance;
    return config;
}

// A scene of N points at the given pixel positions on a 1024 x 1024 screen, where every
// k / 1024 draw lands on an exact pixel coordinate.
inline RecordingConfig ConfigWithPoints(const std::vector<std::pair<double, double>>& points,
                                        std::vector<float> colourAndTitle = {0, 0, 0, 0, 0}) {
    RecordingConfig config;
    config.screenWidthTwips = kTwips1024;
    config.screenHeightTwips = kTwips1024;
    config.draws = std::move(colourAndTitle);
    config.draws.push_back(static_cast<float>((points.size() - 4) / 46.0 + 1e-6));
    for (const auto& [x, y] : points) {
        config.draws.push_back(static_cast<float>(x / 1024));
        config.draws.push_back(static_cast<float>(y / 1024));
    }
    return config;
}

}  // namespace kiv::testing
