#pragma once

#include "engine/SceneContext.h"

namespace kiv {

// Finds the pairs of points whose Voronoi cells share a stretch of boundary, draws a red
// segment for each and rebuilds the edge list. Yields once per pair, before any work on it.
StageEnd RunVoronoiStage(SceneContext& context);

}  // namespace kiv
