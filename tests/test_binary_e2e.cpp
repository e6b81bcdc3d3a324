// The real program, end to end (piped play that continues a save is played
// with the kept saves, sound in the fault tests).
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

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
    struct Case {
        std::vector<std::string> options;
        std::string out;
        int status;
    };
    const Case cases[] = {
        {{"--version", "--bogus"}, "Lanternmoor 0.1.1\n", 0},
        {{"--no-audio", "--help"},
         std::string("Usage: ") + GAME_BINARY +
             " [options]\n  --help\tShow this help message\n"
             "  --version\tDisplay version information\n  --no-audio\tDisable audio playback\n",
         0},
        {{"--no-audio", "--loud"},
         "Unknown option: --loud\nUse '--help' to see valid options.\n",
         1},
    };
    for (const Case& c : cases) {
        ProgramRun run = runProgram(c.options, "3\n");
        EXPECT_EQ(run.out, c.out) << c.options[1];
        EXPECT_EQ(run.status, c.status) << c.options[1];
    }
    for (const char* seed : {"-3", "12x", "4294967296"}) {
        ProgramRun run = runProgram({"--no-audio", "--seed", seed}, "3\n");
        EXPECT_EQ(run.out, "Option --seed needs a number from 0 to 4294967295.\n") << seed;
        EXPECT_EQ(run.status, 1) << seed;
    }
    ProgramRun twice = runProgram({"--no-audio", "--no-audio"}, "3\n");
    EXPECT_EQ(twice.status, 0);
    EXPECT_TRUE(twice.out.ends_with("3. Quit\n--> "));
}

TEST(Binary, ASeedDrawsTheSameNumbersEveryRun)
{
    PlayFolder dir;
    // One prayer in ten is answered: forty prayers hear the voice at random
    // times, the same times from the same seed.
    std::string prayers = "1\nWren\nf\n";
    for (int i = 0; i < 40; ++i)
        prayers += "pray\n";
    ProgramRun first = runProgram({"--no-audio", "--seed", "12345"}, prayers + "quit\n");
    ProgramRun second = runProgram({"--seed", "12345", "--no-audio"}, prayers + "quit\n");
    EXPECT_EQ(first.status, 0);
    EXPECT_EQ(first.out, second.out);
}

// ---- Typed play in a pseudo-terminal ----

TEST(Binary, TypedPlayShowsThePromptAndRecallsHistoryWithTheUpArrow)
{
    PlayFolder dir;
    Terminal terminal;
    Terminal::Steps steps = {{"", "3. Quit"},
                             {"", "--> "},
                             {"1\r", "What is your name, wanderer?"},
                             {"Rook\r", "Or...?"},
                             {"m\r", "You are at the Peaceful Village."},
                             {"wait\r", "You wait patiently for a minute..."},
                             // Up arrow brings back "wait"; Enter runs it again.
                             {"\033[A\r", "You wait patiently for a minute..."},
                             {"time\r", "2 minute(s)"},
                             // The save prompts read plain lines between line-editor prompts.
                             {"save\r", "Enter a name for your save file: "},
                             {"typed\r", "Game saved to saves/typed.dat.gz successfully."},
                             {"save\r", "Enter a name for your save file: "},
                             {"typed\r", "Overwrite? (y/n): "},
                             {"n\r", "Save cancelled."},
                             // Three steps back in the history, past the two saves: "time".
                             {"\033[A\033[A\033[A\r", "2 minute(s)"}};
    // The up arrow reaches back as far as "history" does, twenty lines: past
    // twenty "time"s it finds no "wait".
    for (int line = 0; line < 20; ++line)
        steps.emplace_back("time\r", "minute(s)");
    std::string upForty;
    for (int press = 0; press < 40; ++press)
        upForty += "\033[A";
    steps.emplace_back(upForty + "\r", "minute(s)");
    steps.emplace_back("quit\r", "Farewell, Rook!");
    EXPECT_TRUE(terminal.play(steps));
}

// The installed command, started where its data folder is not the
// player's own; it stops before the game would start.
ProgramRun launchIn(const std::string& dataHome)
{
    std::string command = "XDG_DATA_HOME='" + dataHome + "' bash " + LAUNCHER +
                          " </dev/null >/dev/null 2>launcher.err";
    int status = std::system(command.c_str());
    return {"", slurp("launcher.err"), WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

TEST(Binary, TheLauncherKeepsSavesOnlyInAFolderOfThePlayersOwn)
{
    TempDir dir;
    fs::create_directory("theirs");
    // The data folder, its saves or its transcripts (kept beside the saves,
    // and guarded as they are) a link to another's folder.
    for (auto [home, link, kept] : {std::tuple{"shared", "shared/lanternmoor", "saves"},
                                    {"own", "own/lanternmoor/saves", "saves"},
                                    {"mine", "mine/lanternmoor/transcripts", "transcripts"}}) {
        fs::create_directories(fs::path(link).parent_path());
        fs::create_directory_symlink(dir.path() + "/theirs", link);
        ProgramRun run = launchIn(dir.path() + "/" + home);
        EXPECT_EQ(run.status, 1) << link;
        EXPECT_EQ(run.err, "lanternmoor: " + dir.path() + "/" + link +
                               " is a link, not a folder of your own; " + kept +
                               " are kept only in one that is\n");
    }
    EXPECT_TRUE(fs::is_empty("theirs"));

    // Someone else's folder; only the superuser can give one away to test it.
    fs::remove("shared/lanternmoor");
    fs::create_directory("shared/lanternmoor");
    if (geteuid() != 0 || chown("shared/lanternmoor", 65534, 65534) != 0)
        GTEST_SKIP() << "a folder of another user needs the superuser";
    ProgramRun others = launchIn(dir.path() + "/shared");
    EXPECT_EQ(others.status, 1);
    EXPECT_NE(others.err.find("/shared/lanternmoor is owned by someone else"), std::string::npos)
        << others.err;
}

} // namespace
