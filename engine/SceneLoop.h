#pragma once

#include "engine/SceneContext.h"

namespace kiv {

inline constexpr std::int32_t PauseYields = 1'276'600;

// Scatters a new point field and prints the title; draws 6 + 2N random numbers, never yields.
void StartScene(SceneContext& context);

// Plays scenes until QuitFlag is seen True after a yield or after an end-of-scene clear.
void RunSceneLoop(SceneContext& context);

}  // namespace kiv
