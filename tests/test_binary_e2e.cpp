// The real program, end to end: options and exit codes, scripted play
// through a pipe (save prompts included), a second run that continues the
// saved game, and typed play in a pseudo-terminal with the line editor.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "gameHarness.h"
#include "terminalDriver.h"

namespace fs = std::filesystem;

namespace {

struct GameRun {
    std::string out;
    std::string err;
    int status = -1;
};

std::string slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool endsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// Runs the game in the current folder with the given options and piped input.
GameRun runGame(const std::vector<std::string>& options, const std::string& input)
{
    std::ofstream("stdin.txt", std::ios::binary) << input;
    pid_t child = fork();
    if (child == 0) {
        int in = open("stdin.txt", O_RDONLY);
        int out = open("stdout.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        int err = open("stderr.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(in, 0);
        dup2(out, 1);
        dup2(err, 2);
        std::vector<char*> argv{const_cast<char*>(GAME_BINARY)};
        for (const std::string& option : options)
            argv.push_back(const_cast<char*>(option.c_str()));
        argv.push_back(nullptr);
        execv(GAME_BINARY, argv.data());
        _exit(127);
    }
    GameRun run;
    int status = 0;
    waitpid(child, &status, 0);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    run.out = slurp("stdout.txt");
    run.err = slurp("stderr.txt");
    return run;
}

// A play folder with the game's sounds beside it, as when started from the repository.
struct PlayFolder : TempDir {
    PlayFolder() { fs::create_directory_symlink(fs::path(SOURCE_DIR) / "sound", "sound"); }
};

TEST(Binary, OptionsAndExitCodes)
{
    PlayFolder dir;
    GameRun version = runGame({"--version", "--bogus"}, "");
    EXPECT_EQ(version.out, "Lanternmoor 0.1.1\n");
    EXPECT_EQ(version.status, 0);

    GameRun help = runGame({"--no-audio", "--help"}, "");
    EXPECT_EQ(help.out, std::string("Usage: ") + GAME_BINARY +
                            " [options]\n  --help\tShow this help message\n"
                            "  --version\tDisplay version information\n"
                            "  --no-audio\tDisable audio playback\n");
    EXPECT_EQ(help.status, 0);

    GameRun bad = runGame({"--no-audio", "--loud"}, "");
    EXPECT_EQ(bad.out, "Unknown option: --loud\nUse '--help' to see valid options.\n");
    EXPECT_EQ(bad.status, 1);

    GameRun twice = runGame({"--no-audio", "--no-audio"}, "3\n");
    EXPECT_EQ(twice.status, 0);
    EXPECT_TRUE(endsWith(twice.out, "3. Quit\n--> "));
}

TEST(Binary, ScriptedPlaySavesAndASecondRunContinues)
{
    PlayFolder dir;
    // Two saves under one name: the overwrite question reads its own plain
    // line in between line-editor prompts; no line may be lost or read twice.
    GameRun first =
        runGame({"--no-audio"}, "1\nWren\nf\ngo north\nsave\nwren game\nwait\nsave\nwren game\ny\n"
                                "time\nquit\n");
    EXPECT_EQ(first.status, 0);
    EXPECT_EQ(first.err, "");
    EXPECT_NE(first.out.find("--> Enter a name for your save file: "
                             "Game saved to saves/wren_game.dat.gz successfully.\n"
                             "--> You wait patiently for a minute...\n"
                             "--> Enter a name for your save file: "
                             "A save file named 'wren_game' already exists. Overwrite? (y/n): "
                             "Game saved to saves/wren_game.dat.gz successfully.\n--> "),
              std::string::npos)
        << first.out;
    EXPECT_NE(
        first.out.find("\033[35m2 minute(s)\033[0m have passed thus far.\n--> Farewell, Wren!\n"),
        std::string::npos);

    GameRun second = runGame({"--no-audio"}, "2\nwren game\ntime\nstats\n");
    EXPECT_EQ(second.status, 0);
    EXPECT_NE(second.out.find("--> Enter the name for the save file to load: "
                              "Game loaded from saves/wren_game.dat.gz successfully.\n"
                              "--> \033[35m2 minute(s)\033[0m have passed thus far.\n"
                              "--> Name: Wren\nSex: Female\n"),
              std::string::npos)
        << second.out;
    // Input ran out: the game ends as "quit" does.
    EXPECT_TRUE(endsWith(second.out, "--> \nFarewell, Wren!\n"));

    GameRun missing = runGame({"--no-audio"}, "2\nnobody\nlook\n");
    EXPECT_EQ(missing.status, 0);
    EXPECT_TRUE(endsWith(missing.out, "load: Save file 'nobody.dat.gz' not found.\n"));
}

TEST(Binary, SoundOnAMachineWithoutASoundCardIsSilentAndQuitIsPrompt)
{
    PlayFolder dir;
    std::string input = "1\nAsh\nm\n";
    for (int i = 0; i < 8; ++i)
        input += "inventory\npray\n";
    input += "quit\n";
    auto start = std::chrono::steady_clock::now();
    GameRun run = runGame({}, input);
    auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_LT(elapsed, std::chrono::milliseconds(1500));
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
    terminal.type("quit\r");
    ASSERT_TRUE(terminal.waitFor("Farewell, Rook!"));
}

} // namespace
