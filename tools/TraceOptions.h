#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/recording/RecordingSurface.h"

namespace kiv {

struct TraceOptions {
    RecordingConfig config;
    std::int64_t quitAtYield = 0;
};

// Parses kiv-trace's arguments (argv without the program name) and reads the draws file.
// On failure returns nothing and sets `error` to a one-line message.
std::optional<TraceOptions> ParseTraceOptions(const std::vector<std::string>& args,
                                              std::string& error);

}  // namespace kiv
