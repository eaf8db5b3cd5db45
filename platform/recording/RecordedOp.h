#pragma once

#include <cstdint>
#include <string>

#include "shell/Surface.h"

namespace kiv {

// One operation the program asked of its platform, in the order asked.
struct RecordedOp {
    enum class Kind {
        Load,
        Unload,
        Show,
        Hide,
        Refresh,
        Clear,
        End,
        Fore,
        Font,
        Line,
        LineC,
        Circle,
        Print,
        MessageBox,
        ShowCursor,
        Spi,
        Yield,
    };

    Kind kind;
    FormId form = FormId::frmKiv;          // Load, Unload, Show, Hide, Refresh, Clear
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // Line, LineC; Circle uses x1, y1
    float size = 0;                        // Font points, Circle radius
    std::int64_t value = 0;  // colour, printed number, ShowCursor's argument, Spi's action,
                             // or the number of consecutive yields
    std::int64_t param = 0;  // Spi's parameter, as a signed 32-bit value
    std::string text{};      // Print, MessageBox

    bool operator==(const RecordedOp&) const = default;
};

// The trace line of one operation, e.g. "line 1 2 3 4" or "yield 1276600".
std::string TraceLine(const RecordedOp& op);

}  // namespace kiv
