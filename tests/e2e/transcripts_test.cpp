// Whole sessions replayed against their recorded output, byte for byte but for the speed figure.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "e2e/engine_pipe.h"

namespace {

namespace fs = std::filesystem;

const fs::path TRANSCRIPTS = fs::path(ORLEM_SHARED_DATA) / "transcripts";

std::string Read_File(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}


// Where two texts part, as a line number and both lines, to keep a failure readable.
std::string First_Difference(const std::string& actual, const std::string& expected) {
    std::istringstream a(actual), e(expected);
    std::string line_a, line_e;
    for (int line = 1;; ++line) {
        const bool more_a = static_cast<bool>(std::getline(a, line_a));
        const bool more_e = static_cast<bool>(std::getline(e, line_e));
        if (!more_a && !more_e) return "same lines, different line ends";
        if (!more_a || !more_e || line_a != line_e)
            return "line " + std::to_string(line) + "\n  expected: " + (more_e ? line_e : "<end>") +
                   "\n  actual:   " + (more_a ? line_a : "<end>");
    }
}

std::vector<std::string> Transcript_Names() {
    std::vector<std::string> names;
    if (fs::is_directory(TRANSCRIPTS))
        for (const fs::directory_entry& entry : fs::directory_iterator(TRANSCRIPTS))
            if (entry.path().extension() == ".in") names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(Mask_Nps, MasksOnlyTheSpeedFigure) {
    EXPECT_EQ(Mask_Nps("info nodes 120 nps 5300 time 3\nnps 7\nnps x"), "info nodes 120 nps # time 3\nnps #\nnps #x");
}

TEST(Transcripts, DirectoryHoldsSessions) { EXPECT_FALSE(Transcript_Names().empty()) << TRANSCRIPTS; }

class Transcript : public testing::TestWithParam<std::string> {};

TEST_P(Transcript, OutputMatchesTheRecord) {
    const fs::path base = TRANSCRIPTS / GetParam();
    const std::string expected = Read_File(fs::path(base).replace_extension(".out"));
    ASSERT_FALSE(expected.empty());
    const Engine_Result r = Run_Engine(Read_File(fs::path(base).replace_extension(".in")), {.timeout_ms = 600000});
    EXPECT_FALSE(r.timed_out);
    EXPECT_EQ(r.exit_status, 0);
    EXPECT_EQ(r.errors, "");
    const std::string actual = Mask_Nps(r.output);
    EXPECT_TRUE(actual == Mask_Nps(expected)) << First_Difference(actual, Mask_Nps(expected));
}

INSTANTIATE_TEST_SUITE_P(Shared, Transcript, testing::ValuesIn(Transcript_Names()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

}  // namespace
