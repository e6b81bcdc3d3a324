// A transcript of the session ("script"): the file holds what the screen
// showed, colours and other sequences aside, typed lines after their prompts.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "gameHarness.h"
#include "programRunner.h"
#include "terminalDriver.h"
#include "transcript.h"

namespace {

// The shown text without its colour sequences (ESC [ digits and ; then a letter).
std::string withoutSequences(const std::string& text)
{
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\033' || i + 1 >= text.size() || text[i + 1] != '[') {
            plain += text[i];
            continue;
        }
        i += 2;
        while (i < text.size() &&
               (std::isdigit(static_cast<unsigned char>(text[i])) || text[i] == ';'))
            ++i;
    }
    return plain;
}

// The file with each line saying when a transcript started
// ("Transcript started YYYY-MM-DD HH:MM:SS") read as "@"; a last line
// without its end stays so.
std::string fileRead(const std::string& path)
{
    const std::string text = slurp(path);
    std::istringstream in(text);
    std::string read;
    for (std::string line; std::getline(in, line);) {
        std::string shape = line;
        for (char& c : shape)
            c = std::isdigit(static_cast<unsigned char>(c)) ? 'd' : c;
        read += (shape == "Transcript started dddd-dd-dd dd:dd:dd" ? "@" : line) + "\n";
    }
    if (!text.ends_with("\n") && !read.empty()) read.pop_back();
    return read;
}

const std::string STARTED_JOURNEY =
    "Keeping a transcript in transcripts/journey.txt; type \"unscript\" to stop.\n";

// Where each of the lines was read, on a screen without them: after the
// next prompt.
std::string withTypedLines(std::string screen, const std::vector<std::string>& lines)
{
    std::size_t at = 0;
    for (const std::string& line : lines) {
        std::size_t prompt = screen.find("--> ", at);
        std::size_t asked = screen.find("file: ", at);
        at = std::min(prompt == std::string::npos ? prompt : prompt + 4,
                      asked == std::string::npos ? asked : asked + 6);
        if (at == std::string::npos)
            return screen.append("(no prompt for ").append(line).append(")");
        screen.insert(at, line + "\n");
        at += line.size() + 1;
    }
    return screen;
}

TEST(Script, TheFileHoldsWhatThePipedGamePrintedFromTheStartOn)
{
    TempDir dir;
    std::vector<std::string> lines = {
        "time", "inventory", "x statue", "save", "slot", "clear", "stats", "wait", "undo", "l",
        "save", "trip", "script", "unscript",
        // Once more: appended to, after a line saying when; quitting ends it.
        "script journey", "quit"};
    std::string input = "1\nFern\nf\nscript\njourney\n";
    for (const std::string& line : lines)
        input += line + "\n";
    ProgramRun run = runProgram({"--no-audio"}, input);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    std::string shown = run.out.substr(run.out.find(STARTED_JOURNEY) + STARTED_JOURNEY.size());
    shown = withTypedLines(shown, lines);
    shown = shown.substr(0, shown.find("--> script journey\n"));
    EXPECT_EQ(fileRead("transcripts/journey.txt"),
              "@\n" + withoutSequences(shown) + "@\n--> quit\nFarewell, Fern!\n");
    EXPECT_NE(run.out.find('\033'), std::string::npos); // colours were shown, not written
}

TEST(Script, AFailedWriteIsToldOnceBeforeTheNextPromptAndNeverCalledSaved)
{
    TempDir dir;
    GameHarness h;
    // A file that takes the line saying when it started and then nothing
    // more, as one at a file-size limit or on a full disk.
    struct Limited : SaveStorage::Transcript {
        bool started = false;
        bool append(std::string_view, std::string& reason) override
        {
            reason = "File too large";
            return !std::exchange(started, true);
        }
    };
    const std::string failed =
        "Could not write transcript file: File too large; the transcript stops here.\n";
    TranscriptKeeper& transcript = h.session().sessionState().transcript;
    // One that takes nothing, not even that line.
    auto full = std::make_unique<Limited>();
    full->started = true;
    transcript.start(std::move(full), "full", 0);
    std::string shown = h.play({"x statue"});
    outFlush();
    shown += h.play({"wait"});
    outFlush();
    EXPECT_EQ(h.errors(), failed);
    EXPECT_EQ(shown, "--> A gleaming bronze statue of a bearded adventurer wielding a sword and "
                     "shield.\n--> You wait patiently for a minute...\n");
    // The game says so instead of claiming a transcript was saved; a new one may begin.
    EXPECT_EQ(h.play({"unscript", "script journey"}),
              "--> No transcript is being kept.\n--> " + STARTED_JOURNEY);

    // Failing on "unscript" itself, it is still told, and never called saved.
    h.play({"unscript"});
    transcript.start(std::make_unique<Limited>(), "limited", 0);
    EXPECT_EQ(h.play({"unscript"}), "--> ");
    EXPECT_EQ(h.errors(), failed + failed);
}

TEST(Script, OnlyAPlainFileIsWrittenAndNoneIsWaitedFor)
{
    TempDir dir;
    mkdir("transcripts", 0777);
    ASSERT_EQ(mkfifo("transcripts/pipe.txt", 0666), 0);
    ASSERT_EQ(symlink("/dev/null", "transcripts/void.txt"), 0);
    // Nor is a link followed to a file of the player's that it points to.
    ASSERT_EQ(symlink("../letter", "transcripts/letter.txt"), 0);
    std::ofstream("letter") << "Dear Clara,\n";
    GameHarness h;
    EXPECT_EQ(h.play({"script pipe", "script void", "script letter", "unscript"}),
              "--> --> --> --> No transcript is being kept.\n");
    EXPECT_EQ(h.errors(), "Could not open transcript file: No such device or address\n"
                          "Could not open transcript file: not a plain file\n"
                          "Could not open transcript file: not a plain file\n");
    EXPECT_EQ(slurp("letter"), "Dear Clara,\n");
}

TEST(Script, ATypedSessionGetsItsLinesOnceAfterTheirPrompts)
{
    TempDir dir;
    Terminal terminal;
    ASSERT_TRUE(terminal.play({{"", "--> "},
                               {"1\rFern\rf\r", "You see a statue here."},
                               {"script\r", "transcript: "},
                               {"typed\r", "to stop."},
                               {"x sta\t\r", "shield."},
                               {"time\r", "thus far."},
                               {"unscript\r", "Transcript saved"}},
                              true));
    // The file is closed once the command is done: the next prompt says so.
    terminal.waitForEditor();
    EXPECT_EQ(fileRead("transcripts/typed.txt"),
              "@\n--> x Statue\nA gleaming bronze statue of a bearded adventurer wielding a "
              "sword and shield.\n--> time\n1 minute(s) have passed thus far.\n--> unscript\n"
              "Transcript saved to transcripts/typed.txt.\n");
}

} // namespace
