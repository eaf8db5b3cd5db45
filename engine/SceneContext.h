#pragma once

#include "engine/SceneStorage.h"
#include "shell/Surface.h"
#include "shell/Truth.h"

namespace kiv {

// What every stage of a scene works with.
struct SceneContext {
    Surface& surface;
    const Truth& QuitFlag;  // set by the saver window's input handlers, inside yields
    float ScreenWidthPx;
    SceneStorage& storage;

    // The poll made at every yield point: input handlers run only inside the yield.
    bool yieldAndTestQuit() const {
        surface.yield();
        return QuitFlag == True;
    }
};

enum class StageEnd { Done, Quit };

}  // namespace kiv
