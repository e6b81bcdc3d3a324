// What reaches the screen: lines fitted to the window, colour on request
// only, and output written out before the game waits for the next line.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <string>
#include <string_view>
#include <utility>

#include "gameHarness.h"
#include "programRunner.h"
#include "screenText.h"
#include "terminalDriver.h"

namespace {

TEST(Screen, LongLinesBreakAtABlankBeforeTheWindowsEdge)
{
    Terminal terminal(40);
    ASSERT_TRUE(terminal.play(
        {{"", "--> "}, {"1\rFern\rf\r", "Will you strike with steel...or speak\r\nwith silver?"}}));
    // Colour takes no room: this line is exactly thirty columns wide.
    terminal.resize(30);
    EXPECT_TRUE(terminal.play({{"stats\r", "Reputation: \033[37mAmbiguous Stranger\033[0m\r\n"},
                               {"think\r", "You think...therefore, you\r\nare."}}));
}

// The window's last column is used and never passed: escape sequences
// (whatever byte ends them), a UTF-8 character's trailing bytes and the
// rest of a tab stop are counted as the screen shows them.
TEST(Screen, LinesFillTheWindowToItsLastColumn)
{
    auto wrapped = [](std::string_view text, int width) {
        LineWrapper wrapper;
        std::string into;
        wrapper.add(text, width, into);
        wrapper.finish(width, into);
        return into;
    };
    EXPECT_EQ(wrapped("abc de\nabc def", 6), "abc de\nabc\ndef");
    EXPECT_EQ(wrapped("\033[2@abc def", 6), "\033[2@abc\ndef");
    EXPECT_EQ(wrapped("\033[1;33mab\033[0m de", 5), "\033[1;33mab\033[0m de");
    EXPECT_EQ(wrapped("Zo\xc3\xab\xc3\xab d", 6), "Zo\xc3\xab\xc3\xab d");
    EXPECT_EQ(wrapped("\tab cd", 10), "\tab\ncd");
    EXPECT_EQ(wrapped("\tab c", 12), "\tab c");
    // A question's closing blank in the last column stays on its line.
    EXPECT_EQ(wrapped("(y/n): ", 7), "(y/n): ");
}

TEST(Screen, PipedOutputIgnoresTheWidthAndNoColorDropsOnlyColour)
{
    TempDir dir;
    // Nothing drawn at random is shown: each run seeds its own numbers.
    std::string script = "1\nFern\nf\ntime\ninventory\nthink\nquit\n";
    ProgramRun plain = runProgram({"--no-audio"}, script);
    ProgramRun narrow = runProgram({"--no-audio"}, script, {"COLUMNS=20"});
    EXPECT_EQ(narrow.out, plain.out);
    ProgramRun colourless = runProgram({"--no-audio"}, script, {"NO_COLOR=1"});
    std::string expected = plain.out;
    for (std::size_t at; (at = expected.find('\033')) != std::string::npos;)
        expected.erase(at, expected.find('m', at) + 1 - at);
    EXPECT_NE(expected, plain.out);
    EXPECT_EQ(colourless.out, expected);
}

TEST(Screen, ADriverFeedingLineByLineSeesEachAnswerFirst)
{
    TempDir dir;
    ASSERT_EQ(mkfifo("input.txt", 0600) | mkfifo("answers", 0600), 0);
    pid_t child = launchProgram({"--no-audio"}, "answers");
    int toGame = open("input.txt", O_WRONLY);
    int fromGame = open("answers", O_RDONLY);
    std::string seen;
    std::size_t read = 0;
    EXPECT_TRUE(readUntil(fromGame, "3. Quit\n--> ", seen, read)) << seen;
    // Each answer must arrive while the game waits for the next line.
    for (auto [line, answer] : {std::pair{"1\n", "What is your name, wanderer?\n--> "},
                                {"Fern\n", "Or...?\n--> "},
                                {"f\n", "You are at the Peaceful Village."},
                                {"wait\n", "You wait patiently for a minute...\n--> "},
                                {"undo\n", "You take back \"wait\".\n"},
                                {"quit\n", "Farewell, Fern!\n"}}) {
        auto length = static_cast<ssize_t>(std::strlen(line));
        ASSERT_EQ(write(toGame, line, std::strlen(line)), length);
        EXPECT_TRUE(readUntil(fromGame, answer, seen, read)) << line << seen;
    }
    close(toGame);
    close(fromGame);
    EXPECT_EQ(waitForExit(child), 0);
}

} // namespace
