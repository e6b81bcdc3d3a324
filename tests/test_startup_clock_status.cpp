// Start-up and the title menu, the clock and its hourly notice, the status
// and help screens, and the record's file layout as another reader sees it.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include "game.h"
#include "gameHarness.h"
#include "initFunc.h"
#include "items.h"
#include "roomView.h"
#include "runState.h"
#include "text.h"
#include "turnClock.h"

namespace {

constexpr const char* PROMPT = "--> ";

// Plays the title menu with the given answers; returns what it printed.
std::string titleMenu(GameHarness& h, std::initializer_list<std::string> answers, bool* ends)
{
    ScriptedLines lines;
    lines.lines.assign(answers.begin(), answers.end());
    CapturedOutput captured;
    setLineSource(&lines);
    setOutputSink(&captured);
    *ends = startGame(&h.game());
    return captured.text;
}

const std::string MENU = "Lanternmoor, v0.1.1\n====================================\n"
                         "1. Begin a new journey\n2. Continue where you left off\n3. Quit\n--> ";

TEST(TitleMenu, OnlyTheFirstCharacterCounts)
{
    for (const char* answer : {"3", "", "x", "quit"}) {
        GameHarness h;
        bool ends = false;
        EXPECT_EQ(titleMenu(h, {answer}, &ends), MENU) << answer;
        EXPECT_TRUE(ends);
    }
    GameHarness h;
    bool ends = true;
    std::string text = titleMenu(h, {"1 please", "Bramble", "BOY"}, &ends);
    EXPECT_FALSE(ends);
    EXPECT_EQ(text.substr(0, MENU.size()), MENU);
    EXPECT_EQ(
        text.find(
            "What is your name, wanderer?\n--> So be it, Bramble. May your path be remembered.\n"
            "Are you man or woman? Or...?\n--> Ah, a man...very well, then.\n\n"
            "It is dangerous to go alone...take these sup"),
        MENU.size());
    EXPECT_NE(text.find("Welcome to Lanternmoor, Bramble!\nWill you strike with steel...or speak "
                        "with silver?\nThe Black Queen is watching...\n\nType \"help\" for a "
                        "command list.\n\nYou are at the Peaceful Village.\n"),
              std::string::npos);
    EXPECT_EQ(h.player().sex, 1);
}

TEST(TitleMenu, NamesAreCutToNineteenAndEmptyMeansArlen)
{
    GameHarness h;
    bool ends;
    titleMenu(h, {"1", "Abcdefghijklmnopqrstuvwxy", "F"}, &ends);
    EXPECT_STREQ(h.player().name, "Abcdefghijklmnopqrs");
    EXPECT_EQ(h.player().sex, 2);
    GameHarness other;
    std::string text = titleMenu(other, {"1", "", ""}, &ends);
    EXPECT_NE(text.find("So be it, Arlen."), std::string::npos);
    EXPECT_NE(text.find("Very well. You walk between.\n"), std::string::npos);
    EXPECT_EQ(other.player().sex, 3);
}

TEST(TitleMenu, ContinuingFromAMissingSaveEnds)
{
    TempDir dir;
    GameHarness h;
    bool ends = false;
    EXPECT_EQ(titleMenu(h, {"2", "ghost"}, &ends),
              MENU + "Enter the name for the save file to load: Save file 'ghost.dat.gz' not "
                     "found.\n");
    EXPECT_TRUE(ends);
}

TEST(FreshGame, ThePlayerStartsAsTheRulesSay)
{
    GameHarness h;
    const Entity& p = h.player();
    EXPECT_STREQ(p.name, "Arlen");
    EXPECT_EQ(p.hp, 50);
    EXPECT_EQ(p.maxHp, 50);
    EXPECT_EQ(p.baseAtk, 7); // 6 + draw 1 % 4
    EXPECT_EQ(p.baseDef, 5); // 4 + draw 1 % 4
    EXPECT_EQ(p.atk, 11);
    EXPECT_EQ(p.def, 7);
    EXPECT_EQ(p.gold, 50);
    EXPECT_EQ(p.inventory[0].id, ITEM_SMALL_POTION);
    EXPECT_EQ(p.inventory[SLOT_WEAPON].id, ITEM_SWORD);
    EXPECT_EQ(p.inventory[SLOT_ARMOUR].id, ITEM_TUNIC);
    EXPECT_EQ(p.inventory[SLOT_ACCESSORY].id, 0);
    EXPECT_STREQ(p.inventory[1].name, "Empty");
    EXPECT_EQ(p.favouriteItemId, ITEM_NONE);
    EXPECT_TRUE(p.alive);
    EXPECT_TRUE(h.game().soundOn);
    // The blank first character stays all zero.
    Entity blank{};
    EXPECT_EQ(std::memcmp(&h.entity(0), &blank, sizeof blank), 0);
}

TEST(FreshGame, AttackIsDrawnBeforeDefence)
{
    GameHarness h;
    h.queueRandom({3, 0});
    buildFreshGame(&h.game());
    EXPECT_EQ(h.player().baseAtk, 9);
    EXPECT_EQ(h.player().baseDef, 4);
    runState().soundOffAtStart = true;
    buildFreshGame(&h.game());
    EXPECT_FALSE(h.game().soundOn);
}

TEST(RecordLayout, AFreshSaveIsTheRecordByteForByteToAnIndependentReader)
{
    TempDir dir;
    GameHarness h;
    h.play({"save", "layout"});
    std::FILE* pipe = popen("gzip -dc saves/layout.dat.gz", "r");
    ASSERT_NE(pipe, nullptr);
    std::string bytes;
    char buffer[8192];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        bytes.append(buffer, got);
    pclose(pipe);
    ASSERT_EQ(bytes.size(), 98520u);
    auto i32 = [&](std::size_t offset) {
        int32_t value;
        std::memcpy(&value, bytes.data() + offset, 4);
        return value;
    };
    auto text = [&](std::size_t offset) { return std::string(bytes.data() + offset); };
    EXPECT_EQ(text(4), "Peaceful Village");
    EXPECT_EQ(i32(36), LOC_MAGIC_FOREST); // the village's way north
    EXPECT_EQ(text(368 * LOC_CASTLE_DUNGEON + 108 + 4), "Tower Key");
    EXPECT_EQ(i32(368 * LOC_OLD_CELLAR + 260), 250);
    EXPECT_EQ(bytes[368 * LOC_CASTLE_DUNGEON + 264], 1); // dark
    EXPECT_EQ(text(16560 + 152 * ITEM_EXCALIBUR + 4), "Excalibur");
    EXPECT_EQ(i32(16560 + 152 * ITEM_EXCALIBUR + 44), 999);
    const std::size_t goblin = 23856 + 2488 * ENTITY_GOBLIN;
    EXPECT_EQ(text(goblin + 4), "Harfam");
    EXPECT_EQ(text(goblin + 60 + 152 * 10 + 4), "Rusty Dagger");
    EXPECT_EQ(i32(goblin + 2036), LOC_SMALL_CAVE);
    EXPECT_EQ(text(goblin + 2044), "goblin");
    EXPECT_EQ(i32(goblin + 2464), ITEM_TALISMAN);
    EXPECT_EQ(i32(23856 + 2488 * ENTITY_EVELYN + 2472), 10);    // trust
    EXPECT_EQ(bytes[23856 + 2488 * ENTITY_SKELETON + 2468], 1); // hostile
    EXPECT_EQ(text(96008 + 4), "Arlen");
    EXPECT_EQ(i32(96008 + 2036), LOC_VILLAGE);
    EXPECT_EQ(bytes[98509], 1); // sound on
    EXPECT_EQ(i32(98500), 0);
}

// ---- The clock ----

TEST(Clock, TurnsPassOnlyForCommandsThatTakeThem)
{
    GameHarness h;
    h.play({"go west", "go nowhere", "get Lily", "attack ghost", "look"});
    EXPECT_EQ(h.game().minutesPassed, 5);
    h.play({"fly", "damn", "xyzzy", "history", "stats", "time", "help", "sound"});
    EXPECT_EQ(h.game().minutesPassed, 5);
}

TEST(Clock, TheTimeReportHasThreeForms)
{
    GameHarness h;
    h.game().minutesPassed = 59;
    EXPECT_EQ(h.play({"time"}),
              std::string(PROMPT) + "\033[35m59 minute(s)\033[0m have passed thus far.\n");
    h.game().minutesPassed = 61;
    EXPECT_EQ(h.play({"time"}), std::string(PROMPT) +
                                    "\033[36m1 hour(s)\033[0m and \033[35m1 minute(s)\033[0m have "
                                    "passed thus far.\n");
    h.game().minutesPassed = 1440;
    EXPECT_EQ(h.play({"time"}), std::string(PROMPT) +
                                    "\033[33m1 day(s)\033[0m, \033[36m0 hour(s)\033[0m, and "
                                    "\033[35m0 minute(s)\033[0m have passed thus far.\n");
}

TEST(Clock, SixtyWaitsBringTheNoticeOnce)
{
    GameHarness h;
    std::vector<std::string> waits(60, "wait");
    std::string text = h.play(waits);
    std::string last = std::string(PROMPT) + "You wait patiently for a minute...\n" +
                       "The Black Queen is watching...\n";
    ASSERT_GE(text.size(), last.size());
    EXPECT_EQ(text.substr(text.size() - last.size()), last);
    EXPECT_EQ(text.find("watching"), text.rfind("watching"));
    EXPECT_EQ(h.play({"time"}), std::string(PROMPT) +
                                    "\033[36m1 hour(s)\033[0m and \033[35m0 minute(s)\033[0m have "
                                    "passed thus far.\n");
}

TEST(Clock, NoNoticeInTheScarletMansionNorTwiceForAnHourNorAfterTheQueenFalls)
{
    GameHarness h;
    h.game().minutesPassed = 59;
    h.moveTo(LOC_SCARLET_MANSION);
    EXPECT_EQ(h.play({"wait"}).find("watching"), std::string::npos);
    h.moveTo(LOC_VILLAGE);
    EXPECT_EQ(h.play({"wait"}).find("watching"), std::string::npos); // minute 61

    h.game().minutesPassed = 119;
    EXPECT_NE(h.play({"wait"}).find("watching"), std::string::npos);
    // Loading back to before the hour and playing up to it again: no second notice.
    h.game().minutesPassed = 119;
    EXPECT_EQ(h.play({"wait"}).find("watching"), std::string::npos);

    h.game().minutesPassed = 179;
    h.game().blackQueenSlain = true;
    EXPECT_EQ(h.play({"wait"}).find("watching"), std::string::npos);
}

TEST(Clock, EachTurnRecomputesStatsThenClampsHitPoints)
{
    GameHarness h;
    h.player().inventory[SLOT_ACCESSORY] = h.game().items[ITEM_GREEN_AMULET]; // +20 HP
    h.play({"wait"});
    EXPECT_EQ(h.player().maxHp, 70);
    h.player().hp = 70;
    h.play({"remove Green Amulet"});
    EXPECT_EQ(h.player().maxHp, 50);
    EXPECT_EQ(h.player().hp, 50);
    h.player().hp = -4;
    h.play({"wait"});
    EXPECT_EQ(h.player().hp, 1);
    EXPECT_EQ(h.entity(ENTITY_GOBLIN).atk, 8); // the goblin's dagger counts from the first turn
}

// ---- Status and help ----

TEST(StatusSheet, AFreshPlayer)
{
    GameHarness h;
    EXPECT_EQ(h.play({"stats"}),
              std::string(PROMPT) +
                  "Name: Arlen\nSex: Unknown\nHP: 50/50\nATK: 11\nDEF: 7\nGold: 50\n"
                  "Weapon: \033[31m!\033[0m Sword (+4 ATK) (40/40)\n"
                  "Armour: \033[34mM\033[0m Tunic (+2 DEF) (30/30)\n"
                  "Accessory: \033[90m[Empty]\033[0m\n"
                  "Reputation: \033[37mAmbiguous Stranger\033[0m\n");
}

TEST(StatusSheet, EquipmentChangesShowAfterTheTurn)
{
    GameHarness h;
    h.player().sex = 2;
    h.player().inventory[SLOT_WEAPON] = h.game().items[ITEM_EXCALIBUR]; // never wears
    h.player().inventory[SLOT_ARMOUR] = h.game().items[ITEM_EMPTY];     // nothing worn
    h.player().inventory[SLOT_ACCESSORY] = h.game().items[ITEM_GREEN_RING];
    h.player().inventory[SLOT_WEAPON].durability = 3;
    h.entity(ENTITY_GOD).trust = 300;
    h.play({"wait"});
    EXPECT_EQ(h.play({"stats"}),
              std::string(PROMPT) +
                  "Name: Arlen\nSex: Female\nHP: 50/60\nATK: 27\nDEF: 5\nGold: 50\n"
                  "Weapon: \033[31m!\033[0m Excalibur (+20 ATK)\n"
                  "Armour: \033[90m[Empty]\033[0m\n"
                  "Accessory: \033[35mo\033[0m Green Ring (+10 HP)\n"
                  "Reputation: \033[92mHonoured Wanderer\033[0m\n");
}

TEST(HelpScreen, ListsTheCommandsExactly)
{
    GameHarness h;
    std::string text = h.play({"help"});
    EXPECT_EQ(text.find(std::string(PROMPT) +
                        "Commands are:\ngo [direction]\tMove to a new location (.e.g. go north)\n"
                        "look\t\tExamine your surroundings\n"),
              0u);
    EXPECT_NE(text.find("\nsound [on/off]\tEnable/disable sound output\nhistory\t\tDisplay your "
                        "recent command history\nhelp\t\tPrint this help menu\nquit\t\tQuit the "
                        "game\n(Shorthands are: inv, cls, n, s, e, w, u, d, h)\n(If you're "
                        "feeling adventurous, try a few...magic words)\n"),
              std::string::npos);
    EXPECT_EQ(h.play({"h"}), text);
    EXPECT_EQ(h.play({"cls"}), std::string(PROMPT) + "\033[2J\033[3J\033[H");
}

// ---- Text helpers ----

TEST(TextHelpers, CaseInsensitiveEqualityAndArticles)
{
    EXPECT_EQ(strcmpi("Tower Key", "tOWER kEY"), 0);
    EXPECT_NE(strcmpi("north", "north "), 0);
    EXPECT_NE(strcmpi("", "a"), 0);
    CapturedOutput captured;
    setOutputSink(&captured);
    caseComparison("  Amethyst");
    caseComparison("Sword");
    caseComparison("obsidian golem");
    setOutputSink(nullptr);
    EXPECT_EQ(captured.text, "an Amethysta Swordan obsidian golem");
    EXPECT_STREQ(getLocationNameByID(LOC_NOWHERE), "Unknown");
    EXPECT_STREQ(getLocationNameByID(NUM_LOCATIONS), "Unknown");
    EXPECT_STREQ(getLocationNameByID(LOC_UNDERGROWTH), "Undergrowth");
}

} // namespace
