// Saves written by an earlier release keep loading: each kept save is
// continued through the real program and must play on exactly as it did
// when it was kept, and saving it again must write the same record.
// TRANSCRIPT_UPDATE=1 rewrites the expected output (read it before committing).
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <zlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "gameHarness.h"
#include "programRunner.h"

namespace fs = std::filesystem;

namespace {

const fs::path KEPT = fs::path(SOURCE_DIR) / "tests/data/saves-v0.1.1";

// The lines typed, from the title menu on; lines starting with # are notes.
std::string typedLines(const std::string& name)
{
    std::ifstream in(KEPT / (name + ".in"));
    std::string input;
    for (std::string line; std::getline(in, line);)
        if (line.empty() || line[0] != '#') input += line + "\n";
    return input;
}

// A play folder holding one kept save in saves/, as the game left it, and
// written at a fixed time (noon, 1 January 2025, UTC) for the list of saves.
struct SaveFolder : TempDir {
    explicit SaveFolder(const std::string& name)
    {
        fs::create_directory("saves");
        const std::string path = "saves/" + name + ".dat.gz";
        fs::copy_file(KEPT / (name + ".dat.gz"), path);
        const timespec written[2] = {{1735732800, 0}, {1735732800, 0}};
        utimensat(AT_FDCWD, path.c_str(), written, 0);
        setenv("TZ", "UTC", 1);
    }
};

std::string unpacked(const fs::path& path)
{
    gzFile file = gzopen(path.c_str(), "rb");
    std::string record;
    char block[4096];
    for (int count; file && (count = gzread(file, block, sizeof block)) > 0;)
        record.append(block, static_cast<std::size_t>(count));
    if (file) gzclose(file);
    return record;
}

class OldSave : public testing::TestWithParam<const char*> {};

TEST_P(OldSave, PlaysOnAsWhenItWasKept)
{
    const std::string name = GetParam();
    SaveFolder folder(name);
    ProgramRun run = runProgram({"--no-audio"}, typedLines(name));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const fs::path expected = KEPT / (name + ".out");
    const char* update = std::getenv("TRANSCRIPT_UPDATE");
    if (update && *update) std::ofstream(expected, std::ios::binary) << run.out;
    EXPECT_EQ(run.out, slurp(expected.string()));
}

TEST_P(OldSave, SavedAgainIsTheSameRecord)
{
    const std::string name = GetParam();
    SaveFolder folder(name);
    ProgramRun run = runProgram({"--no-audio"}, "2\n" + name + "\nsave\ncopy\nquit\n");
    EXPECT_EQ(run.status, 0);
    const std::string kept = unpacked(KEPT / (name + ".dat.gz"));
    EXPECT_EQ(kept.size(), 98520U);
    EXPECT_TRUE(unpacked("saves/copy.dat.gz") == kept);
}

INSTANTIATE_TEST_SUITE_P(Kept, OldSave, testing::Values("fresh", "late", "fallen"));

} // namespace
