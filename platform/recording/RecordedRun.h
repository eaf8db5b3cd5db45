#pragma once

#include <functional>

#include "platform/recording/RecordingSurface.h"

namespace kiv {

// Runs `entry` (Main, a form load, a scripted click) and reports whether the program ended
// the process on the way, as the real platform would have done by exiting.
inline bool RunUntilEnd(const std::function<void()>& entry) {
    try {
        entry();
    } catch (const ProcessEnded&) {
        return true;
    }
    return false;
}

}  // namespace kiv
