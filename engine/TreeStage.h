#pragma once

#include "engine/SceneContext.h"

namespace kiv {

// Rings the last point in white and grows its shortest-path tree over the edge list, one tree
// edge per growth step, in the foreground colour. Sorts the edge list by length in place.
StageEnd RunTreeStage(SceneContext& context);

}  // namespace kiv
