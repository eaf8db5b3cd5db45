// kiv-trace: runs one saver run on the recording backend, clicks inside a chosen yield and
// prints every operation the program asked of its platform, one per line.

#include <cstdio>
#include <string>
#include <vector>

#include "platform/recording/RecordedRun.h"
#include "shell/Program.h"
#include "tools/TraceOptions.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const auto options = kiv::ParseTraceOptions(args, error);
    if (!options) {
        std::fprintf(stderr, "kiv-trace: %s\n", error.c_str());
        return 2;
    }

    kiv::RecordingSurface surface(options->config);
    kiv::Program program(surface, surface.user32());
    surface.deliverAtYield(options->quitAtYield, kiv::InputEvent::click());
    kiv::RunUntilEnd([&] { surface.load(kiv::FormId::frmKiv); });

    for (const kiv::RecordedOp& op : surface.ops()) {
        const std::string line = kiv::TraceLine(op);
        std::fwrite(line.data(), 1, line.size(), stdout);
        std::fputc('\n', stdout);
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
