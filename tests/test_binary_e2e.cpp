// The real program, end to end: options and exit codes, sound without a
// sound card, and typed play in a pseudo-terminal with the line editor.
// Scripted play through a pipe, saving and a second run that continues the
// save are played with the kept saves (test_old_saves.cpp).
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "gameHarness.h"
#include "programRunner.h"
#include "terminalDriver.h"

namespace fs = std::filesystem;

namespace {

// A play folder with the game's sounds beside it, as when started from the repository.
struct PlayFolder : TempDir {
    PlayFolder() { fs::create_directory_symlink(fs::path(SOURCE_DIR) / "sound", "sound"); }
};

TEST(Binary, OptionsAndExitCodes)
{
    PlayFolder dir;
    ProgramRun version = runProgram({"--version", "--bogus"}, "");
    EXPECT_EQ(version.out, "Lanternmoor 0.1.1\n");
    EXPECT_EQ(version.status, 0);

    ProgramRun help = runProgram({"--no-audio", "--help"}, "");
    EXPECT_EQ(help.out, std::string("Usage: ") + GAME_BINARY +
                            " [options]\n  --help\tShow this help message\n"
                            "  --version\tDisplay version information\n"
                            "  --no-audio\tDisable audio playback\n");
    EXPECT_EQ(help.status, 0);

    ProgramRun bad = runProgram({"--no-audio", "--loud"}, "");
    EXPECT_EQ(bad.out, "Unknown option: --loud\nUse '--help' to see valid options.\n");
    EXPECT_EQ(bad.status, 1);

    ProgramRun twice = runProgram({"--no-audio", "--no-audio"}, "3\n");
    EXPECT_EQ(twice.status, 0);
    EXPECT_TRUE(endsWith(twice.out, "3. Quit\n--> "));
}

// Quitting while sounds play is timed in the fault tests, into a sound
// driver that takes them all.
TEST(Binary, SoundOnAMachineWithoutASoundCardIsSilent)
{
    PlayFolder dir;
    std::string input = "1\nAsh\nm\n";
    for (int i = 0; i < 8; ++i)
        input += "inventory\npray\n";
    input += "quit\n";
    ProgramRun run = runProgram({}, input);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
}

// ---- Typed play in a pseudo-terminal ----

TEST(Binary, TypedPlayShowsThePromptAndRecallsHistoryWithTheUpArrow)
{
    PlayFolder dir;
    Terminal terminal;
    ASSERT_TRUE(terminal.waitFor("3. Quit")) << terminal.screen;
    ASSERT_TRUE(terminal.waitFor("--> "));
    terminal.type("1\r");
    ASSERT_TRUE(terminal.waitFor("What is your name, wanderer?"));
    terminal.type("Rook\r");
    ASSERT_TRUE(terminal.waitFor("Or...?"));
    terminal.type("m\r");
    ASSERT_TRUE(terminal.waitFor("You are at the Peaceful Village."));
    terminal.type("wait\r");
    ASSERT_TRUE(terminal.waitFor("You wait patiently for a minute...")) << terminal.screen;
    // Up arrow brings back "wait"; Enter runs it again.
    terminal.type("\033[A\r");
    ASSERT_TRUE(terminal.waitFor("You wait patiently for a minute...")) << terminal.screen;
    terminal.type("time\r");
    ASSERT_TRUE(terminal.waitFor("2 minute(s)")) << terminal.screen;
    // The save prompts read plain lines between line-editor prompts.
    terminal.type("save\r");
    ASSERT_TRUE(terminal.waitFor("Enter a name for your save file: "));
    terminal.type("typed\r");
    ASSERT_TRUE(terminal.waitFor("Game saved to saves/typed.dat.gz successfully."));
    terminal.type("save\r");
    ASSERT_TRUE(terminal.waitFor("Enter a name for your save file: "));
    terminal.type("typed\r");
    ASSERT_TRUE(terminal.waitFor("Overwrite? (y/n): "));
    terminal.type("n\r");
    ASSERT_TRUE(terminal.waitFor("Save cancelled."));
    // Three steps back in the history, past the two saves: "time".
    terminal.type("\033[A\033[A\033[A\r");
    ASSERT_TRUE(terminal.waitFor("2 minute(s)")) << terminal.screen;
    terminal.type("quit\r");
    ASSERT_TRUE(terminal.waitFor("Farewell, Rook!"));
}

} // namespace
