// Faults from outside the game (a hostile typed name is played in the title
// transcript).
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <utility>

#include "characterTable.h"
#include "gameHarness.h"
#include "programRunner.h"
#include "recordChecks.h"
#include "recordLimits.h"
#include "terminalDriver.h"
#include "terminalSound.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int TOWN_MARKET = 11;

namespace {

std::string newJourney() { return "1\nMoss\nm\n"; }

TEST(Faults, ASaveCutShortLeavesNothingBehind)
{
    TempDir dir;
    GameHarness h;
    h.play({"save", "slot"});
    std::string old = slurp("saves/slot.dat.gz");
    // Stopped part-way by the file-size limit, as by a kill at that moment:
    // the old save is replaced only once the new one is whole.
    pid_t child = fork();
    if (child == 0) {
        struct rlimit noCore = {0, 0};
        struct rlimit tiny = {64, RLIM_INFINITY};
        setrlimit(RLIMIT_CORE, &noCore);
        setrlimit(RLIMIT_FSIZE, &tiny);
        signal(SIGXFSZ, SIG_DFL);
        h.play({"wait", "save", "slot", "y"});
        _exit(0);
    }
    ASSERT_EQ(waitForExit(child), 128 + SIGXFSZ);
    EXPECT_EQ(slurp("saves/slot.dat.gz"), old);
    EXPECT_EQ(std::distance(fs::directory_iterator("saves"), fs::directory_iterator()), 1);
}

TEST(Faults, NumbersStopAtTheirCeilingsHoweverOftenPlayAddsToThem)
{
    GameHarness h;
    h.moveTo(TOWN_MARKET);
    // Greedo sells his own favourite for nothing and pays for it each time.
    Character& greedo = h.character(CHARACTER_GREEDO);
    greedo.inventory[0] = h.game().items[greedo.favouriteItemId];
    greedo.inventory[0].price = 0;
    std::string gift = greedo.inventory[0].name;
    h.player().gold = LARGEST_NUMBER - 1500;
    for (Character& character : h.game().characters)
        character.trust = LARGEST_PART - 30;
    for (int round = 0; round < 3; ++round)
        h.play({"talk Greedo", "buy", gift, "no", "give " + gift});
    EXPECT_EQ(h.player().gold, LARGEST_NUMBER);
    EXPECT_EQ(greedo.trust, LARGEST_PART);
    EXPECT_TRUE(isValidRecord(&h.game()));
    // Every character at the ceiling still adds up to the highest standing.
    EXPECT_NE(h.play({"stats"}).find("Honoured Wanderer"), std::string::npos);
}

// Starts the game with sound, types `first`, runs `meanwhile`, then types
// "quit"; returns the exit status and how long the quit took.
std::pair<int, Clock::duration> quitAfter(const std::string& first,
                                          const std::function<void()>& meanwhile,
                                          const Settings& environment = {})
{
    fs::remove("input.txt");
    mkfifo("input.txt", 0600);
    pid_t child = launchProgram({}, "out.txt", environment);
    std::ofstream input("input.txt", std::ios::binary);
    input << first << std::flush;
    meanwhile();
    auto start = Clock::now();
    input << "quit\n";
    input.close();
    return {waitForExit(child), Clock::now() - start};
}

TEST(Faults, QuittingWhileSoundsPlayIsPromptAndClean)
{
    TempDir dir;
    fs::create_directory_symlink(fs::path(SOURCE_DIR) / "sound", "sound");
    // libao's null driver takes every sound, so the threads really decode and
    // play while the game quits; the machine's own driver is tried as well.
    fs::create_directory("home");
    std::ofstream("home/.libao") << "default_driver=null\n";
    std::string noisy = newJourney();
    for (int i = 0; i < 6; ++i)
        noisy += "inventory\npray\nget gold\n";
    for (int round = 0; round < 24; ++round) {
        auto pause = [round] { std::this_thread::sleep_for(std::chrono::milliseconds(round * 2)); };
        auto [status, quitting] =
            quitAfter(noisy, pause, round % 2 ? Settings{"HOME=home"} : Settings{});
        ASSERT_EQ(status, 0) << "round " << round;
        // Sounds get 250 ms to stop before the game leaves without them; a
        // quit that waits on a sound for good never ends. Five seconds tells
        // the two apart however busy the machine.
        EXPECT_LT(quitting, std::chrono::seconds(5)) << "round " << round;
        EXPECT_EQ(slurp("err.txt"), "") << "round " << round;
        EXPECT_NE(slurp("out.txt").find("Farewell, Moss!"), std::string::npos);
    }
}

TEST(Faults, SoundsReachTheDeviceUnlessAudioIsOffAtLaunch)
{
    TempDir dir;
    fs::create_directory_symlink(fs::path(SOURCE_DIR) / "sound", "sound");
    // A sound card that keeps what it plays: ALSA's file device, through
    // libao's ALSA driver, configured in a home folder of the test's own.
    const std::string played = (fs::current_path() / "played.raw").string();
    fs::create_directory("home");
    std::ofstream("home/.libao") << "default_driver=alsa\n";
    std::ofstream("home/.asoundrc") << "pcm.!default {\n type file\n slave.pcm \"null\"\n file \""
                                    << played << "\"\n format \"raw\"\n}\n";
    const Settings home = {"HOME=home"};
    const std::string script = newJourney() + "inventory\npray\nquit\n";
    ASSERT_EQ(waitForExit(startProgram({"--no-audio"}, script, "out.txt", home)), 0);
    EXPECT_FALSE(fs::exists(played));
    // The game plays on while the sound does; it quits once some has played.
    auto untilPlayed = [&] {
        for (int tries = 0; tries < 1000 && !(fs::exists(played) && fs::file_size(played) > 0);
             ++tries)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    };
    EXPECT_EQ(quitAfter(newJourney() + "inventory\n", untilPlayed, home).first, 0);
    EXPECT_GT(fs::exists(played) ? fs::file_size(played) : 0, 0U);
    EXPECT_EQ(slurp("err.txt"), "");
}

TEST(Faults, AMissingOrBrokenSoundFolderStaysSilent)
{
    TempDir dir;
    std::string script = newJourney() + "inventory\npray\nn\nget Mushroom\nquit\n";
    // The prayer's answer is drawn: both runs draw from the same seed.
    const std::vector<std::string> seeded = {"--seed", "7"};
    ASSERT_EQ(waitForExit(startProgram(seeded, script)), 0);
    EXPECT_EQ(slurp("err.txt"), "");
    std::string expected = slurp("out.txt");

    fs::create_directory("sound");
    std::ofstream("sound/inventory.ogg") << "";
    std::ofstream("sound/pray.ogg") << std::string(5000, '\x7f');
    std::string real = slurp(std::string(SOURCE_DIR) + "/sound/jingle.ogg");
    std::ofstream("sound/jingle.ogg", std::ios::binary) << real.substr(0, real.size() / 3);
    ASSERT_EQ(waitForExit(startProgram(seeded, script)), 0);
    EXPECT_EQ(slurp("err.txt"), "");
    // Silence changes nothing the game prints.
    std::string out = slurp("out.txt");
    EXPECT_EQ(out.substr(out.find("--> Inventory:")),
              expected.substr(expected.find("--> Inventory:")));
}

TEST(Faults, ABurstOfSoundsPlaysOnlyAFewAtOnce)
{
    // Played for real, into libao's null driver.
    TempDir home;
    std::ofstream(".libao") << "default_driver=null\n";
    const char* homeBefore = std::getenv("HOME");
    std::string realHome = homeBefore ? homeBefore : "";
    setenv("HOME", home.path().c_str(), 1);
    initAudio();
    std::string path = std::string(SOURCE_DIR) + "/sound/pray.ogg";
    int most = 0;
    for (int i = 0; i < 200; ++i) {
        playSoundAsync(path.c_str());
        most = std::max(most, playingSoundCount());
    }
    cleanupAudio();
    setenv("HOME", realHome.c_str(), 1);
    EXPECT_GE(most, 1);
    EXPECT_LE(most, 4);
}

TEST(Faults, ALineWithoutEndIsCutAndMemoryStaysFlat)
{
    TempDir dir;
    long usualKb = peakKbPlaying(newJourney(), "", 0, "stats\nquit\n");
    long peakKb = peakKbPlaying(newJourney(), std::string(1 << 20, 'x'), 64, "\nstats\nquit\n");
    EXPECT_NE(slurp("out.txt").find("--> Invalid command!\n--> Name: Moss\n"), std::string::npos);
    // Measured against the same program's own peak on this machine: a line
    // kept whole would add 64 MB, eight times the bound.
    EXPECT_LT(peakKb, usualKb + 8 * 1024);
}

TEST(Faults, LostOutputEndsTheGameWithAFailure)
{
    TempDir dir;
    int status =
        waitForExit(startProgram({"--no-audio"}, newJourney() + "look\nquit\n", "/dev/full"));
    EXPECT_EQ(status, 1);
    EXPECT_EQ(slurp("err.txt"), "Could not write to standard output: No space left on device\n");
}

// Plays the real program with its input from input.txt under a file-size
// limit, as "ulimit -f" sets one; what it shows goes nowhere, as only files
// are limited. Its exit status.
int playUnderFileSizeLimit(rlim_t bytes)
{
    pid_t limited = fork();
    if (limited == 0) {
        struct rlimit limit = {bytes, bytes};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(waitForExit(launchProgram({"--no-audio"}, "/dev/null")));
    }
    return waitForExit(limited);
}

TEST(Faults, AFileSizeLimitStopsATranscriptOrASaveButNotTheGame)
{
    TempDir dir;
    ASSERT_EQ(waitForExit(startProgram({"--no-audio"}, newJourney() + "save\nslot\nquit\n")), 0);
    const std::string old = slurp("saves/slot.dat.gz");
    // A save is some 10 KB: it fits where the transcript outgrows the limit.
    std::string looking = newJourney() + "script long\n";
    for (int i = 0; i < 100; ++i)
        looking += "look\n";
    std::ofstream("input.txt") << looking << "save\nafter\nquit\n";
    EXPECT_EQ(playUnderFileSizeLimit(16384), 0);
    EXPECT_EQ(slurp("err.txt"),
              "Could not write transcript file: File too large; the transcript stops here.\n");
    EXPECT_TRUE(fs::exists("saves/after.dat.gz"));

    std::ofstream("input.txt") << newJourney() << "save\nslot\ny\nquit\n";
    EXPECT_EQ(playUnderFileSizeLimit(4096), 0);
    EXPECT_EQ(slurp("err.txt"), "Could not write save file: File too large\n");
    EXPECT_EQ(slurp("saves/slot.dat.gz"), old);
}

// A new journey in a pseudo-terminal, with Fern at the village.
TEST(Faults, TypedLinesAnswerThePromptsThatAskForThemAndEndOfInputCancelsOnlyAPrompt)
{
    TempDir dir;
    Terminal terminal;
    ASSERT_TRUE(
        terminal.play({{"", "--> "}, {"1\rFern\rf\r", "You are at the Peaceful Village."}}));
    // Lines typed or pasted ahead.
    ASSERT_TRUE(terminal.play(
        {{"save\rahead\rstats\r", "saves/ahead.dat.gz successfully."}, {"", "Name: Fern"}}));
    // The game never asks the terminal to mark pastes, which would hand a
    // pasted block over as one line.
    EXPECT_EQ(terminal.screen.find("\033[?2004h"), std::string::npos);
    ASSERT_TRUE(terminal.play({{"save\rahead\ry\rtime\r", "Overwrite? (y/n): "},
                               {"", "saves/ahead.dat.gz successfully."},
                               {"", "minute(s)"}}));
    for (auto [command, cancelled] : {std::pair{"save\r", "Save cancelled."},
                                      std::pair{"load\r", "Save file '.dat.gz' not found."}}) {
        terminal.type(command);
        ASSERT_TRUE(terminal.waitFor("Enter "));
        terminal.waitForEditor();
        terminal.type("\004");
        ASSERT_TRUE(terminal.waitFor(cancelled)) << terminal.screen;
        // The next time the same question is asked, it is answered.
        terminal.type(std::string(command) + "kept\r");
        ASSERT_TRUE(terminal.waitFor("saves/kept.dat.gz successfully.")) << terminal.screen;
    }
}

} // namespace
