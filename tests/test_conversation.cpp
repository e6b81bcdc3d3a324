// Talking, looking and hugging: who answers, what the standing makes them
// say, the blacksmith's repairs, the fae's bargain and the way back from
// the afterlife.
#include <gtest/gtest.h>

#include "entities.h"
#include "entityFunc.h"
#include "gameHarness.h"
#include "items.h"
#include "standing.h"

namespace {

const std::string PROMPT = "--> ";

// Sets the standing to exactly the wanted value through a bystander's trust.
void setStanding(GameHarness& h, int standing)
{
    h.entity(ENTITY_WERUH).trust = 0;
    h.entity(ENTITY_WERUH).trust = standing - calculateTrustScore(&h.game());
}

std::string say(GameHarness& h, const std::string& line) { return h.play({line}); }
bool has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

TEST(StandingBands, TitlesAndColoursAtEveryEdge)
{
    const int edges[] = {250, 249, 125, 124, 0, -1, -125, -126};
    const char* titles[] = {"Honoured Wanderer",  "Reliable Ally",      "Reliable Ally",
                            "Ambiguous Stranger", "Ambiguous Stranger", "Feared Outcast",
                            "Feared Outcast",     "Cursed Wretch"};
    const char* colours[] = {"\033[92m", "\033[32m", "\033[32m", "\033[37m",
                             "\033[37m", "\033[33m", "\033[33m", "\033[31m"};
    for (int i = 0; i < 8; ++i) {
        EXPECT_STREQ(getAlignment(edges[i]), titles[i]) << edges[i];
        EXPECT_STREQ(getAlignmentColor(edges[i]), colours[i]) << edges[i];
    }
}

TEST(StandingBands, FriendsSpeakByBandAtItsEdges)
{
    GameHarness h;
    h.moveTo(LOC_MYSTERIOUS_LIBRARY);
    const Entity& clara = h.entity(ENTITY_CLARA);
    const std::pair<int, std::string> cases[] = {
        {250, "happily greets you and says:\n\"" + std::string(clara.dialogueGood)},
        {249, "greets you and says:\n\"" + std::string(clara.dialogueNeutral)},
        {-125, "greets you and says:\n\"" + std::string(clara.dialogueNeutral)},
        {-126, "begrudgingly acknowledges you and says:\n\"" + std::string(clara.dialogueBad)}};
    for (const auto& [standing, speech] : cases) {
        setStanding(h, standing);
        EXPECT_EQ(say(h, "talk CLARA"), PROMPT + "Clara the librarian " + speech + "\"\n");
    }
}

TEST(StandingCooldown, FriendsCalmOnTheTenthTurnMonstersNever)
{
    GameHarness h;
    Entity& clara = h.entity(ENTITY_CLARA);
    Entity& goblin = h.entity(ENTITY_GOBLIN);
    clara.hostile = goblin.hostile = true;
    clara.cooldown = goblin.cooldown = 10;
    h.play(std::vector<std::string>(9, "wait"));
    h.play({"stats", "inventory", "time"}); // no turn passes
    EXPECT_TRUE(clara.hostile);
    h.play({"wait"});
    EXPECT_FALSE(clara.hostile);
    h.play(std::vector<std::string>(20, "wait"));
    EXPECT_TRUE(goblin.hostile);

    goblin.cooldown = -4; // a spoiled count calms even a monster
    h.play({"wait"});
    EXPECT_EQ(goblin.cooldown, 0);
    EXPECT_FALSE(goblin.hostile);
}

TEST(TalkFinding, WhoAnswersANoun)
{
    GameHarness h;
    h.moveTo(LOC_OLD_CASTLE);
    h.entity(ENTITY_CLARA).locationId = LOC_OLD_CASTLE;
    h.entity(ENTITY_CLARA).alive = false;
    EXPECT_EQ(h.play({"talk", "talk myself", "look clara", "look myself", "look nobody"}),
              PROMPT + "The corpse of Clara the librarian is unresponsive...\n" + PROMPT +
                  "There is nobody here!\n" + PROMPT + h.entity(ENTITY_CLARA).description + "\n" +
                  PROMPT + "You take a long, hard look at yourself.\n" + PROMPT +
                  "You can't look at that!\n");
    EXPECT_TRUE(has(say(h, "talk treasure hunter"), "Weruh the treasure hunter greets you"));
    h.moveTo(LOC_QUIET_BEACH);
    EXPECT_EQ(say(h, "talk"), PROMPT + "There is nobody here!\n");
}

TEST(TalkKinds, MonstersAnimalsStatuesAndTheHostile)
{
    GameHarness h;
    h.moveTo(LOC_SMALL_CAVE);
    EXPECT_EQ(say(h, "talk harfam"), PROMPT + "Harfam the goblin grumbles and says:\n\"" +
                                         h.entity(ENTITY_GOBLIN).dialogueNeutral + "\"\n");
    h.moveTo(LOC_MAGIC_FOREST);
    EXPECT_EQ(say(h, "talk wolf"), PROMPT + h.entity(ENTITY_WOLF).dialogueNeutral + "\n");
    h.moveTo(LOC_VILLAGE);
    EXPECT_EQ(say(h, "talk statue"), PROMPT + "You can't talk to a statue!\n");

    h.moveTo(LOC_MYSTERIOUS_LIBRARY);
    h.entity(ENTITY_CLARA).hostile = true;
    h.entity(ENTITY_CLARA).cooldown = 5;
    EXPECT_EQ(h.play({"talk clara", "hug clara", "look clara"}),
              PROMPT + "Clara the librarian isn't in the mood to talk!\n" + PROMPT +
                  "Clara isn't in the mood for that!\n" + PROMPT +
                  h.entity(ENTITY_CLARA).description + "\n");
}

TEST(TalkQueens, TheWhiteQueenHealsFromAStandingOfZero)
{
    GameHarness h;
    h.moveTo(LOC_PRISMATIC_PALACE);
    h.player().hp = 10;
    setStanding(h, -1);
    EXPECT_TRUE(has(say(h, "talk white queen"), "\"I have nothing to say to the likes of you"));
    EXPECT_EQ(h.player().hp, 10);
    setStanding(h, 0);
    EXPECT_TRUE(has(say(h, "talk white queen"), "\"I've been expecting you, Arlen.\"\n"));
    EXPECT_EQ(h.player().hp, 50);
}

TEST(TalkRevival, GodRestoresInFullTheDevilHalf)
{
    const std::string god =
        "God sighs softly. \"You mucked that up a bit, didn't you...?\"\n"
        "God's eyes meet yours. \"Very well...I suppose you can have another chance.\"\n";
    const std::string sad = "God gazes at you with a quiet sadness. \"Your light is "
                            "fading...don't let it be lost.\"\n";
    const std::string light =
        "A bright light shimmers around you, and you feel your body tingling...\n\n";
    const std::string devil =
        "The Devil grins. \"You've been a real monster up there...I'm impressed.\"\n"
        "The Devil stares at you, then wordlessly mouths something incomprehensible.\n"
        "An ominous glow surrounds you, and you feel your body tingling...\n\n";
    struct Case {
        int place, standing;
        std::string speech, sound;
        int hp;
    };
    for (const Case& c : {Case{LOC_HEAVEN, 0, god + light, "sound/holy.ogg", 50},
                          Case{LOC_HEAVEN, -1, god + sad + light, "sound/holy.ogg", 50},
                          Case{LOC_HELL, -200, devil, "sound/demonic.ogg", 25}}) {
        GameHarness h;
        h.moveTo(c.place);
        h.player().hp = 1;
        setStanding(h, c.standing);
        std::string text = say(h, "talk");
        EXPECT_EQ(h.player().hp, c.hp);
        EXPECT_EQ(h.takeSounds(), std::vector<std::string>{c.sound});
        // Back in the village, seen just as a "look" shows it.
        EXPECT_EQ(text, PROMPT + c.speech + say(h, "look").substr(PROMPT.size()));
    }
}

TEST(TalkBlacksmith, RepairsAndTheTrustTheyEarn)
{
    GameHarness h;
    h.moveTo(LOC_BLACKSMITHS_FORGE);
    h.emptyPack();
    const std::string hello = PROMPT + "Durrek the blacksmith greets you!\n\"Alright, ";
    const std::string bye = "\"Come again!\"\n";
    EXPECT_EQ(say(h, "talk durrek"),
              hello +
                  "stranger! What do you need fixing?\"\n"
                  "\"Hang on a minute! You aren't carrying anything...!\"\n" +
                  bye);

    h.player().sex = 1;
    h.giveItem(ITEM_SMALL_POTION);
    h.giveItem(ITEM_BLUE_RING);                       // 0 of 0: nothing to mend
    h.player().inventory[SLOT_WEAPON].durability = 3; // worn gear is not offered
    EXPECT_TRUE(has(say(h, "talk blacksmith"), "\"Hey, wait! Looks like you don't need"));

    h.giveItem(ITEM_SWORD);
    h.player().inventory[2].durability = 10;
    h.player().gold = 29;
    const std::string offer = hello + "lad! What do you need fixing?\"\n" +
                              itemMark("\033[31m", '!') + "Sword (30G)\n" + PROMPT;
    EXPECT_EQ(h.play({"talk durrek", "sword", "talk durrek", "nowt", "talk durrek", "Blue Ring"}),
              offer + "\"You can't afford to repair that!\"\n" + bye + offer +
                  "\"Oi, what are you playing at?! Don't muck me about...!\"\n" + bye + offer +
                  "\"You don't have any of that!\"\n" + bye);

    h.player().gold = 30;
    h.entity(ENTITY_BLACKSMITH).trust = 25;
    h.takeSounds();
    EXPECT_EQ(h.play({"talk durrek", "SWORD"}),
              offer + "Durrek repaired your Sword for 30 gold.\n" + bye);
    EXPECT_EQ(h.player().inventory[2].durability, 40);
    EXPECT_EQ(h.player().gold, 0);
    EXPECT_EQ(h.takeSounds(), std::vector<std::string>{"sound/anvil.ogg"});

    h.player().inventory[2].durability = 39;
    std::string text = h.play({"talk durrek", "none"});
    EXPECT_TRUE(has(text, "\"Alright, Arlen! What do you need fixing?\"\n"));
    EXPECT_TRUE(has(text, "\"Don't want anything fixing, Arlen? Fair enough...\"\n"));
}

// Summons the fae, sets the standing and answers its question.
std::string meetFae(GameHarness& h, int standing, const std::string& answer)
{
    h.moveTo(LOC_CAVERNOUS_DEPTHS);
    h.here().isLit = true;
    h.game().lightTurns = 100; // a lantern burning
    h.entity(ENTITY_FAE).locationId = LOC_CAVERNOUS_DEPTHS;
    h.game().faeState = FAE_SUMMONED;
    setStanding(h, standing);
    return h.play({"talk fae", answer});
}

const std::string FAE_ASKS = "(Tell it your name...?)\n" + PROMPT;
const std::string FAE_VANISHES = "The fae suddenly vanishes without a trace...\n";

TEST(TalkFae, AGoodStandingKeepsTheNameAndMayEarnGold)
{
    const std::string opening = PROMPT +
                                "The fae greets you and says:\n"
                                "\"You glow, little ember. That name of yours? Keep it close.\"\n" +
                                FAE_ASKS;
    GameHarness h;
    EXPECT_EQ(meetFae(h, 250, "ARLEN"),
              opening + "\"Names are precious. I want not yours, little ember.\"\n");
    EXPECT_EQ(h.entity(ENTITY_FAE).locationId, LOC_CAVERNOUS_DEPTHS);

    h.takeSounds();
    EXPECT_EQ(meetFae(h, 250, "who?"),
              opening +
                  "\"Names are precious. I ask not for yours. But...I do offer this.\"\n"
                  "The fae reaches out and hands you some gold...\n" +
                  FAE_VANISHES);
    EXPECT_EQ(h.player().gold, 75);
    EXPECT_EQ(h.game().faeState, FAE_GAVE_GOLD);
    EXPECT_EQ(h.takeSounds(), std::vector<std::string>{"sound/whispers.ogg"});
    EXPECT_EQ(say(h, "talk fae"), PROMPT + "There is nobody here!\n");
}

TEST(TalkFae, GivingTheNameCostsTrustEverywhereButStatues)
{
    for (int standing : {249, -126}) {
        GameHarness h;
        const char* reply = standing > 0 ? "\"A fine name. Worn, but warm.\"\n"
                                         : "\"Delicious. A name most sumptuous.\"\n";
        EXPECT_TRUE(meetFae(h, standing, "aRlEn").ends_with(FAE_ASKS + reply + FAE_VANISHES));
        EXPECT_STREQ(h.player().name, "Nameless");
        EXPECT_EQ(h.game().faeState, FAE_TOOK_NAME);
        EXPECT_EQ(calculateTrustScore(&h.game()), standing - 125);
        EXPECT_EQ(h.entity(ENTITY_VILLAGE_STATUE).trust, 0);
    }
}

TEST(TalkFae, OtherAnswersInTheLowerBands)
{
    GameHarness h;
    EXPECT_TRUE(meetFae(h, -125, "")
                    .ends_with("\"May I know who you are, before we deal?\"\n" + FAE_ASKS +
                               "\"Mm. Perhaps another time, traveller...\"\n"));
    EXPECT_EQ(h.game().faeState, FAE_SUMMONED);

    EXPECT_TRUE(meetFae(h, -126, "Nobody")
                    .ends_with("\"Let me have your name. Just your name. No more, no less.\"\n" +
                               FAE_ASKS + "\"Then you get nothing. But we will meet again...\"\n" +
                               FAE_VANISHES));
    EXPECT_EQ(h.game().faeState, FAE_REFUSED);
    EXPECT_STREQ(h.player().name, "Arlen");
}

TEST(HugReactions, ByKindStandingAndFlag)
{
    GameHarness h;
    h.moveTo(LOC_MYSTERIOUS_LIBRARY);
    EXPECT_EQ(h.play({"hug", "clara", "hug", ""}),
              PROMPT + "Who do you want to do that to?\n" + PROMPT +
                  "Clara the librarian smiles warmly and returns the gesture.\n" + PROMPT +
                  "Who do you want to do that to?\n" + PROMPT + "There is nobody here!\n");
    h.moveTo(LOC_OLD_CASTLE);
    EXPECT_EQ(say(h, "hug weruh"),
              PROMPT + "I don't think Weruh the treasure hunter would agree with you.\n");

    h.moveTo(LOC_HEAVEN);
    setStanding(h, 250);
    h.takeSounds();
    EXPECT_TRUE(has(say(h, "hug god"), "\"You always were My favourite...\"\n"));
    EXPECT_EQ(h.takeSounds(), std::vector<std::string>{"sound/giggle.ogg"});

    h.moveTo(LOC_HELL);
    EXPECT_TRUE(has(say(h, "hug devil"), "\"Wh-what are you doing...?!\"\n"));
    h.game().faeState = FAE_GAVE_GOLD;
    EXPECT_TRUE(has(say(h, "hug devil"), "I get the clingy one...\"\n"));
    EXPECT_EQ(calculateTrustScore(&h.game()), 250); // hugs change no opinion
}

} // namespace
