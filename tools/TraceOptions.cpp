#include "tools/TraceOptions.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace kiv {
namespace {

template <typename Number>
std::optional<Number> ParseWhole(const std::string& text, Number lowest, Number highest) {
    Number value{};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

template <typename Number>
bool Assign(std::optional<Number> parsed, Number& target) {
    if (parsed) target = *parsed;
    return parsed.has_value();
}

// A draw must be a Single in [0, 1): larger ones would scatter more points than the arrays hold.
std::optional<float> ParseDraw(const std::string& text) {
    float value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !(value >= 0.0f && value < 1.0f))
        return std::nullopt;
    return value;
}

bool ReadDraws(const std::string& path, std::vector<float>& draws, std::string& error) {
    std::ifstream file(path);
    if (!file) {
        error = "cannot read draws file " + path;
        return false;
    }
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto draw = ParseDraw(line);
        if (!draw) {
            error = path + ":" + std::to_string(number) + ": not a number in [0, 1): " + line;
            return false;
        }
        draws.push_back(*draw);
    }
    if (file.bad()) {
        error = "cannot read draws file " + path;
        return false;
    }
    return true;
}

}  // namespace

std::optional<TraceOptions> ParseTraceOptions(const std::vector<std::string>& args,
                                              std::string& error) {
    TraceOptions options;
    std::int32_t widthPx = 1024, heightPx = 768;
    std::string drawsPath;
    for (std::size_t i = 0; i < args.size(); i += 2) {
        const std::string& name = args[i];
        if (i + 1 >= args.size()) {
            error = "option " + name + " needs a value";
            return std::nullopt;
        }
        const std::string& value = args[i + 1];
        constexpr auto kMaxPixels = 100000;
        bool ok = true;
        if (name == "--width") {
            ok = Assign(ParseWhole<std::int32_t>(value, 1, kMaxPixels), widthPx);
        } else if (name == "--height") {
            ok = Assign(ParseWhole<std::int32_t>(value, 1, kMaxPixels), heightPx);
        } else if (name == "--seed") {
            ok = Assign(ParseWhole<std::uint32_t>(value, 0, UINT32_MAX), options.config.seed);
        } else if (name == "--draws") {
            drawsPath = value;
        } else if (name == "--quit-at-yield") {
            ok = Assign(ParseWhole<std::int64_t>(value, 1, INT64_MAX), options.quitAtYield);
        } else {
            error = "unknown option " + name;
            return std::nullopt;
        }
        if (!ok) {
            error = "malformed value for " + name + ": " + value;
            return std::nullopt;
        }
    }
    if (options.quitAtYield == 0) {
        error = "missing --quit-at-yield K";
        return std::nullopt;
    }
    if (!drawsPath.empty() && !ReadDraws(drawsPath, options.config.draws, error))
        return std::nullopt;
    options.config.screenWidthTwips = static_cast<float>(widthPx) * 15;
    options.config.screenHeightTwips = static_cast<float>(heightPx) * 15;
    return options;
}

}  // namespace kiv
