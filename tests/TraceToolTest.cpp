// kiv-trace as a reviewer runs it: options, output format and errors.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;

struct ToolResult {
    int status;
    std::vector<std::string> out;
    std::vector<std::string> err;
};

std::vector<std::string> ReadLines(const fs::path& path) {
    std::ifstream file(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) lines.push_back(line);
    return lines;
}

class TraceTool : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ =
            fs::temp_directory_path() /
            ("kiv-trace-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path file(const std::string& name, const std::string& text) {
        std::ofstream(dir_ / name) << text;
        return dir_ / name;
    }

    ToolResult run(const std::string& arguments) {
        const fs::path out = dir_ / "stdout", err = dir_ / "stderr";
        const std::string command = std::string(KIV_TRACE_PATH) + " " + arguments + " >" +
                                    out.string() + " 2>" + err.string();
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadLines(out), ReadLines(err)};
    }

    fs::path dir_;
};

TEST_F(TraceTool, PrintsTheRunFromLoadToEnd) {
    const fs::path draws = file("draws",
                                "0\n0\n0\n0\n0\n0\n"
                                "0.09765625\n0.09765625\n0.390625\n0.126953125\n"
                                "0.244140625\n0.390625\n0.25390625\n0.205078125\n");
    const ToolResult r = run("--height 1024 --draws " + draws.string() + " --quit-at-yield 3");
    ASSERT_EQ(r.status, 0);
    EXPECT_TRUE(r.err.empty());
    EXPECT_THAT(r.out, ElementsAre("load frmKiv", "show", "spi 17 -1", "showcursor 0", "refresh",
                                   "fore 14605946", "font 12", "font 20", "line 0 40 0 40",
                                   "print N= 4", "font 12", "circle 100 100 3 65535",
                                   "circle 400 130 3 65535", "circle 250 400 3 65535",
                                   "circle 260 210 3 65535", "yield 1", "linec 100 100 400 130 255",
                                   "yield 1", "linec 100 100 250 400 255", "yield 1", "clear",
                                   "hide", "unload frmKiv", "spi 17 0", "showcursor -1", "end"));
}

TEST_F(TraceTool, SameSeedSameTrace) {
    const ToolResult a = run("--seed 42 --quit-at-yield 2000");
    const ToolResult b = run("--seed 42 --quit-at-yield 2000");
    const ToolResult c = run("--seed 43 --quit-at-yield 2000");
    ASSERT_EQ(a.status, 0);
    EXPECT_EQ(a.out, b.out);
    EXPECT_NE(a.out, c.out);
}

TEST_F(TraceTool, SinglesPrintWithNineSignificantDigits) {
    const fs::path draws = file("draws", "0\n0\n0\n0.3\n0.3\n0\n0.3\n0.3\n");
    const ToolResult r = run("--draws " + draws.string() + " --quit-at-yield 1");
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.out[8], "line 193.200012 85 193.200012 85");
    EXPECT_EQ(r.out[11], "circle 307.200012 230.400009 3 65535");
}

struct BadCall {
    const char* name;
    std::string arguments;
    friend void PrintTo(const BadCall& c, std::ostream* os) { *os << c.name; }
};

class TraceToolErrors : public TraceTool, public ::testing::WithParamInterface<BadCall> {};

TEST_P(TraceToolErrors, SayOneLineAndExitWithTwo) {
    const std::string args = GetParam().arguments;
    const fs::path notNumbers = file("bad", "0.5\nhalf\n");
    const fs::path outOfRange = file("big", "0.5\n1.5\n");
    std::string resolved = args;
    for (const auto& [key, path] : {std::pair{"@bad", notNumbers}, std::pair{"@big", outOfRange},
                                    std::pair{"@missing", dir_ / "nowhere"}}) {
        if (const auto at = resolved.find(key); at != std::string::npos)
            resolved.replace(at, std::string(key).size(), path.string());
    }
    const ToolResult r = run(resolved);
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.empty());
    ASSERT_EQ(r.err.size(), 1u);
    EXPECT_EQ(r.err[0].rfind("kiv-trace: ", 0), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Calls, TraceToolErrors,
    ::testing::Values(BadCall{"NoQuitAtYield", "--seed 1"}, BadCall{"NoArguments", ""},
                      BadCall{"ZeroQuitAtYield", "--quit-at-yield 0"},
                      BadCall{"ValueMissing", "--quit-at-yield"},
                      BadCall{"WidthNotANumber", "--width abc --quit-at-yield 5"},
                      BadCall{"WidthTrailingJunk", "--width 800x --quit-at-yield 5"},
                      BadCall{"NegativeHeight", "--height -1 --quit-at-yield 5"},
                      BadCall{"SeedTooLarge", "--seed 4294967296 --quit-at-yield 5"},
                      BadCall{"UnknownOption", "--fast --quit-at-yield 5"},
                      BadCall{"UnreadableDraws", "--draws @missing --quit-at-yield 5"},
                      BadCall{"DrawNotANumber", "--draws @bad --quit-at-yield 5"},
                      BadCall{"DrawOutsideUnitRange", "--draws @big --quit-at-yield 5"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
