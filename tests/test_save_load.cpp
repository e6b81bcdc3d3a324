// Saved games: round trips, refusals that leave the game untouched, and
// writes that never destroy the previous save (names and overwriting are
// played in the save transcripts).
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstddef>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "gameHarness.h"
#include "programRunner.h"
#include "savedGames.h"
#include "worldIds.h"

namespace fs = std::filesystem;

namespace {

const std::string PROMPT = "--> ";
const std::string SAVE_PROMPT = "Enter a name for your save file: ";
const std::string LOAD_PROMPT = "Enter the name for the save file to load: ";
const std::string FAILED = "Failed to load save file (corrupted or incompatible).\n";
const std::string REFUSED = PROMPT + LOAD_PROMPT + FAILED;

std::string gzipBytes(const std::string& content)
{
    std::string path = "saves/scratch.gz";
    gzFile file = gzopen(path.c_str(), "wb");
    gzwrite(file, content.data(), static_cast<unsigned>(content.size()));
    gzclose(file);
    std::string bytes = slurp(path);
    fs::remove(path);
    return bytes;
}

// The offset of the first byte that differs, or -1. The load and save
// commands themselves take no turn, so their own turn flag is left out.
long firstDifference(std::string a, std::string b)
{
    a[offsetof(GameState, turnTaken)] = b[offsetof(GameState, turnTaken)] = 0;
    auto mismatch = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    return mismatch.first == a.end() ? -1 : mismatch.first - a.begin();
}

TEST(SaveLoad, ARoundTripRestoresEveryByte)
{
    TempDir dir;
    GameHarness h;
    h.play({"wait", "sound off", "go north"});
    h.game().lightTurns = 7;
    h.character(CHARACTER_GOBLIN).trust = -40;
    std::string before = recordBytes(h.game());
    h.play({"save", "trip"});
    h.play({"go south", "wait", "sound on"});
    EXPECT_EQ(h.play({"load", "trip"}),
              PROMPT + LOAD_PROMPT + "Game loaded from saves/trip.dat.gz successfully.\n");
    EXPECT_EQ(firstDifference(recordBytes(h.game()), before), -1);
}

// A file is refused by its length or its damage, or for what its record
// holds; a refused one leaves the running game exactly as it was.
TEST(SaveLoad, BadFilesAreRefusedAndLeaveTheRunningGameAsItWas)
{
    TempDir dir;
    GameHarness h;
    using Bytes = std::string (*)(const std::string&);
    struct Case {
        const char* name;
        bool refused;
        void (*change)(GameState&);
        Bytes file = [](const std::string& record) { return gzipBytes(record); };
    };
    // clang-format off
    const Case cases[] = {
        {"short", true, nullptr, [](const std::string& r) { return gzipBytes(r.substr(0, r.size() - 1)); }},
        {"long", true, nullptr, [](const std::string& r) { return gzipBytes(r + "x"); }},
        {"plain", false, nullptr, [](const std::string& r) { return r; }},
        {"members", false, nullptr, [](const std::string& r) { return gzipBytes(r.substr(0, 999)) + gzipBytes(r.substr(999)); }},
        {"cut", true, nullptr, [](const std::string& r) { std::string z = gzipBytes(r); return z.substr(0, z.size() - 4); }},
        {"after", true, nullptr, [](const std::string& r) { return gzipBytes(r) + std::string(4, '\0'); }},
        // Far more than a record: refused without unpacking it all.
        {"bomb", true, nullptr, [](const std::string& r) { return gzipBytes(r + std::string(1 << 26, '\0')); }},
        {"damaged", true, nullptr, [](const std::string& r) { std::string z = gzipBytes(r); z[z.size() / 2] ^= 0x5a; return z; }},
        {"exit", true, [](GameState& s) { s.locations[LOC_QUIET_BEACH].exits[DIR_SOUTH] = NUM_LOCATIONS; }},
        {"where", true, [](GameState& s) { s.player.locationId = LOC_NOWHERE; }},
        {"who", true, [](GameState& s) { s.characters[CHARACTER_WERUH].locationId = 99; }},
        {"id", true, [](GameState& s) { s.items[ITEM_GOBLET].id = ITEM_BATTLEAXE; }},
        {"name", true, [](GameState& s) { std::memset(s.player.name, 'A', 20); }},
        {"text", true, [](GameState& s) { std::memset(s.characters[CHARACTER_CLARA].inventory[0].description, 'B', 100); }},
        {"flag", true, [](GameState& s) { std::memset(&s.characters[CHARACTER_HANBO].alive, 7, 1); }},
        {"frail", true, [](GameState& s) { s.player.baseMaxHp = 0; }},
        // Every turn ends with the player's hit points within 1..maximum.
        {"wounded", true, [](GameState& s) { s.turnTaken = true; s.player.hp = 0; }},
        {"rich", true, [](GameState& s) { s.characters[CHARACTER_GREEDO].gold = 2147483647; }},
        // Each is harmless alone; summed in the standing they overflow.
        {"trust", true, [](GameState& s) { for (Character& c : s.characters) c.trust = 100000000; }},
        // Every purchase would pay the buyer.
        {"price", true, [](GameState& s) { s.characters[CHARACTER_GREEDO].inventory[0].price = -1000; }},
        // Control characters would reach the terminal through look, stats or the farewell.
        {"escape", true, [](GameState& s) { std::strcpy(s.characters[CHARACTER_CLARA].description, "\033]0;Hi\007"); }},
        {"tab", true, [](GameState& s) { std::strcpy(s.player.name, "Mo\tss"); }},
        {"csi", true, [](GameState& s) { std::strcpy(s.player.name, "Mo\xc2\x9bss"); }},
        // Letters beyond ASCII print as they are, whatever bytes make them up.
        {"accent", false, [](GameState& s) { std::strcpy(s.player.name, "M\xc3\x80ss\xc2\xa1"); }},
        // What lies behind a text's end means nothing.
        {"behind", false, [](GameState& s) { std::strcpy(s.player.name, "Moss"); s.player.name[6] = '\033'; }},
        // A character gone from the world is fine.
        {"gone", false, [](GameState& s) { s.characters[CHARACTER_WERUH].locationId = LOC_NOWHERE; }},
    };
    // clang-format on
    for (const Case& c : cases) {
        GameState copy = h.game();
        if (c.change) c.change(copy);
        std::ofstream(std::string("saves/") + c.name + ".dat.gz") << c.file(recordBytes(copy));
    }
    h.play({"go north"});
    for (const Case& c : cases) {
        h.play({"wait"}); // the running game is never the one saved
        const std::string before = recordBytes(h.game());
        const bool refused = h.play({"load", c.name}) == REFUSED;
        EXPECT_EQ(refused, c.refused) << c.name;
        EXPECT_TRUE(!refused || firstDifference(recordBytes(h.game()), before) == -1) << c.name;
    }
}

TEST(SaveLoad, ASaveThatIsNoPlainFileIsRefusedAndNeverWaitedOn)
{
    TempDir dir;
    ASSERT_EQ(mkfifo("saves/pipe.dat.gz", 0644), 0);
    // Nothing ever writes into the FIFO: a game that waited on it would hang
    // until the alarm ends the test.
    alarm(20);
    {
        GameHarness h;
        EXPECT_TRUE(h.playFromTitle({"2", "pipe"}).ends_with(LOAD_PROMPT + FAILED));
        EXPECT_TRUE(h.ended);
    }
    GameHarness h;
    EXPECT_EQ(h.play({"load", "pipe"}), REFUSED);
    EXPECT_EQ(h.play({"save", "pipe", "y"}),
              PROMPT + SAVE_PROMPT +
                  "A save file named 'pipe' already exists. Overwrite? (y/n): "
                  "Game saved to saves/pipe.dat.gz successfully.\n");
    alarm(0);
    EXPECT_TRUE(fs::is_regular_file("saves/pipe.dat.gz"));
}

// True when body holds in a child process run as the unprivileged user
// "nobody": root reads every file, so only another user meets a save it may
// not read.
bool holdsForAnotherUser(const std::function<bool()>& body)
{
    const passwd* nobody = getpwnam("nobody");
    pid_t child = fork();
    if (child == 0) {
        bool dropped = geteuid() != 0 || (nobody != nullptr && setgid(nobody->pw_gid) == 0 &&
                                          setuid(nobody->pw_uid) == 0);
        _exit(dropped && body() ? 0 : 1);
    }
    return waitForExit(child) == 0;
}

TEST(SaveLoad, ASaveNobodyMayReadIsNotOverwrittenUnasked)
{
    if (geteuid() == 0 && getpwnam("nobody") == nullptr) GTEST_SKIP() << "no unprivileged user";
    TempDir dir;
    fs::permissions(".", fs::perms::all);
    fs::permissions("saves", fs::perms::all);
    GameHarness h;
    h.play({"save", "noperm"});
    fs::permissions("saves/noperm.dat.gz", fs::perms::none);
    std::string old = slurp("saves/noperm.dat.gz");
    EXPECT_TRUE(holdsForAnotherUser([&h] {
        return h.play({"save", "noperm", "n"}) ==
               PROMPT + SAVE_PROMPT +
                   "A save file named 'noperm' already exists. Overwrite? (y/n): "
                   "Save cancelled.\n";
    }));
    EXPECT_EQ(slurp("saves/noperm.dat.gz"), old);
}

TEST(SaveLoad, AFailedWriteIsReportedAndKeepsTheOldSave)
{
    TempDir dir;
    GameHarness h;
    h.play({"save", "kept"});
    std::string old = slurp("saves/kept.dat.gz");
    // A save folder that has become a file cannot hold the new save.
    fs::rename("saves", "saves.kept");
    std::ofstream("saves") << "not a folder";
    EXPECT_EQ(h.play({"save", "kept"}), PROMPT + SAVE_PROMPT);
    EXPECT_NE(h.errors().find("Could not open save file: Not a directory\n"), std::string::npos)
        << h.errors();
    fs::remove("saves");
    fs::rename("saves.kept", "saves");
    // A file-size limit makes the write fail part-way, as a full disk would.
    struct rlimit previous;
    getrlimit(RLIMIT_FSIZE, &previous);
    struct rlimit tiny = previous;
    tiny.rlim_cur = 64;
    std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &tiny);
    h.play({"wait"});
    std::string text = h.play({"save", "kept", "y"});
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, SIG_DFL);
    EXPECT_EQ(text.find("successfully"), std::string::npos);
    EXPECT_NE(h.errors().find("Could not write save file: File too large\n"), std::string::npos)
        << h.errors();
    EXPECT_EQ(slurp("saves/kept.dat.gz"), old);
    // Nothing half-written is left beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator("saves"), fs::directory_iterator()), 1);
}

TEST(SaveLoad, TheListGoesNewestFirstAndCallsRefusedFilesDamaged)
{
    TempDir dir;
    GameHarness h;
    EXPECT_EQ(h.play({"saves"}), PROMPT + "There are no saved games yet.\n");
    h.game().minutesPassed = 59;
    h.play({"wait", "save", "older"});
    h.game().minutesPassed = 1500;
    h.play({"n", "save", "recent"});
    std::ofstream("saves/broken.dat.gz") << "not a game";
    std::ofstream("saves/notes.txt") << "not a save";
    // A name made outside the game must not steer the terminal.
    std::ofstream("saves/\033]0;title\007.dat.gz") << "not a game";
    // Both an hour ago in one second, the recent one a millisecond later:
    // listed by that, not by name.
    auto second = fs::file_time_type::clock::now() - std::chrono::hours(1);
    second -= second.time_since_epoch() % std::chrono::seconds(1);
    fs::last_write_time("saves/older.dat.gz", second + std::chrono::milliseconds(1));
    fs::last_write_time("saves/recent.dat.gz", second + std::chrono::milliseconds(2));
    std::string listing = h.play({"saves"});
    std::size_t at = 0;
    for (const char* line :
         {"Saved games, newest first (type the name at the load prompt):\n",
          "  broken: damaged, cannot be loaded; written ",
          "  recent: Arlen at the Magic Forest, 1 day(s), 1 hour(s) and 1 minute(s) played; "
          "written ",
          "  older: Arlen at the Peaceful Village, 1 hour(s) and 0 minute(s) played; written "}) {
        at = listing.find(line, at);
        ASSERT_NE(at, std::string::npos) << line << " in\n" << listing;
    }
    EXPECT_EQ(listing.find("notes"), std::string::npos);
    EXPECT_NE(listing.find("  ]0;title: damaged"), std::string::npos);
    EXPECT_EQ(listing.find_first_of("\033\007"), std::string::npos);
    EXPECT_EQ(h.game().minutesPassed, 1501);
}

TEST(SaveLoad, EachNewSaveIsTimedAfterEverySaveAlreadyThere)
{
    TempDir dir;
    // In memory, where a save takes far less than a tick of the file
    // system's clock; named against the order they are written in.
    std::string memory = "/dev/shm/lanternmoor-test-XXXXXX";
    bool inMemory = mkdtemp(memory.data()) != nullptr;
    SavesFolder saves(inMemory ? memory : "saves");
    std::string reason;
    for (char name = 'z'; name >= 'a'; --name)
        saves.write(std::string(1, name), "a game", reason);
    std::vector<SaveStorage::Entry> listed = saves.list();
    if (inMemory) fs::remove_all(memory);
    // Oldest first; any two of one time would stand in the order of their names.
    std::ranges::sort(
        listed, {}, [](const auto& save) { return std::pair(save.writtenNanoseconds, save.name); });
    std::string order;
    for (const SaveStorage::Entry& save : listed)
        order += save.name;
    EXPECT_EQ(order, "zyxwvutsrqponmlkjihgfedcba");

    // The clock set back since the last save: the new one is still the newest.
    GameHarness h;
    h.play({"save", "b-first"});
    fs::last_write_time("saves/b-first.dat.gz",
                        fs::file_time_type::clock::now() + std::chrono::seconds(1));
    std::string listing = h.play({"save", "a-second", "saves"});
    EXPECT_LT(listing.find("  a-second: "), listing.find("  b-first: ")) << listing;
}

using Names = std::vector<std::string>;

TEST(SaveLoad, TabAtANamePromptOffersTheSavesThereAre)
{
    TempDir dir;
    GameHarness h;
    h.play({"save", "journey", "save", "jolly", "save", "my trip"});
    fs::create_directory("saves/junk.dat.gz");  // no file
    std::ofstream("saves/jo in.dat.gz") << "x"; // a name no prompt gives
    std::ofstream("saves/journal.txt") << "x";  // no save
    EXPECT_EQ(saveNamesStartingWith(""), (Names{"jolly", "journey", "my_trip"}));
    EXPECT_EQ(saveNamesStartingWith("jo"), (Names{"jolly", "journey"}));
    EXPECT_EQ(saveNamesStartingWith("my t"), (Names{"my_trip"})); // cleaned as the prompt does
    EXPECT_EQ(saveNamesStartingWith("Jo"), Names{});
}

} // namespace
