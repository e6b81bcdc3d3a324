// The whole game played to its end through the real program in a pipe, once
// staying on and once leaving.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "gameHarness.h"
#include "programRunner.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> readScript(const std::string& name)
{
    std::ifstream in(std::string(SOURCE_DIR) + "/tests/data/" + name);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        if (line.empty() || line[0] != '#') lines.push_back(line);
    return lines;
}

std::vector<std::string> journey(const char* ending)
{
    std::vector<std::string> lines = readScript("playthrough.txt");
    std::vector<std::string> last = readScript(ending);
    lines.insert(lines.end(), last.begin(), last.end());
    return lines;
}

// Each milestone must be printed, in this order.
void expectInOrder(const std::string& text, const std::vector<std::string>& milestones)
{
    std::size_t at = 0;
    for (const std::string& milestone : milestones) {
        std::size_t found = text.find(milestone, at);
        ASSERT_NE(found, std::string::npos) << "missing after offset " << at << ": " << milestone;
        at = found + milestone.size();
    }
}

// The trade chains, the light and the locked ways are played in the
// transcripts; here the journey must get past each to reach what follows.
const std::vector<std::string> ROAD_TO_THE_STATUE = {
    "Welcome to Lanternmoor, Wren!",
    "Picked up 250 gold.",
    "Picked up 500 gold.",
    "Got the Black Rose.",
    "Equipped the Broadsword.",
    "Unlocked the door with the Mansion Key.",
    "Mercuria is not hostile! Attack anyway?",
    // One message over several lines, not a missing comma.
    // NOLINTNEXTLINE(bugprone-suspicious-missing-comma)
    "You have vanquished the Black Queen! You are victorious...?\n"
    "The corpse of the Black Queen vanishes...!\n"
    "You swear you hear a faint laughter echoing...\n",
    "You are at the Pale Garden.",
    "You place the Black Rose at the foot of the statue.\n"
    "A soft wind rustles through the Pale Garden...\n"
    "The statue gleams faintly. Your journey is over.\n"
    "Quit the game? [y/n]: ",
};

const std::vector<std::string> STAYING_ON = {
    // One message over two lines, not a missing comma.
    // NOLINTNEXTLINE(bugprone-suspicious-missing-comma)
    "As you turn to leave, the winds stir...\n"
    "...and the base of the statue moves, revealing a passageway downward.\n",
    "You are at the Undergrowth.",
    "Got the Ruins Key.",
    "You are at the Ashen Depths.",
    "Unlocked the door with the Ruins Key.",
    "You are at the Forgotten Ruins.",
    "Farewell, Wren!\n",
};

const std::string LEAVING = "Quit the game? [y/n]: Farewell, Wren...\n\n";

ProgramRun playThroughThePipe(const std::vector<std::string>& lines)
{
    TempDir dir;
    fs::create_directory_symlink(fs::path(SOURCE_DIR) / "sound", "sound");
    std::string script;
    for (const std::string& line : lines)
        script += line + "\n";
    return runProgram({"--no-audio"}, script);
}

TEST(Playthrough, ThroughTheRealProgramTheJourneyEndsTheSameWay)
{
    ProgramRun stayed = playThroughThePipe(journey("playthrough-stay.txt"));
    EXPECT_EQ(stayed.status, 0);
    expectInOrder(stayed.out, ROAD_TO_THE_STATUE);
    expectInOrder(stayed.out, STAYING_ON);

    ProgramRun left = playThroughThePipe(journey("playthrough-leave.txt"));
    EXPECT_EQ(left.status, 0);
    expectInOrder(left.out, ROAD_TO_THE_STATUE);
    EXPECT_TRUE(left.out.ends_with(LEAVING));
}

} // namespace
