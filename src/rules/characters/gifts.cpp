#include "gifts.h"

#include "carriedItems.h"
#include "characterTable.h"
#include "items.h"
#include "portsInUse.h"
#include "presence.h"
#include "prompts.h"
#include "recordLimits.h"

namespace {

// What a recipient hands back for its favourite.
enum class Reward {
    Nothing,
    Gold,         // `amount` coins
    CarriedFirst, // whatever it carries in its first slot
    Weapon,       // the weapon it wears
    FreshItem,    // a new copy of catalogue item `amount`
};

// What the %s and %d of a reaction line stand for.
enum class Fill {
    Plain,
    Name,
    Species,
    NameAndSpecies,
    NameAndReward,    // the recipient's name, the handed-back item's name
    SpeciesAndReward, // the recipient's species, the handed-back item's name
    NameAndGold,
};

// The conversions a line with this fill must hold, in order.
constexpr const char* conversionsOf(Fill fill)
{
    switch (fill) {
    case Fill::Plain: return "";
    case Fill::Name:
    case Fill::Species: return "s";
    case Fill::NameAndSpecies:
    case Fill::NameAndReward:
    case Fill::SpeciesAndReward: return "ss";
    case Fill::NameAndGold: return "sd";
    }
    return "?";
}

// Whether the format's conversions are exactly those the fill hands it.
constexpr bool fillsFormat(const char* format, Fill fill)
{
    const char* wanted = conversionsOf(fill);
    for (const char* c = format; *c != '\0'; ++c) {
        if (*c != '%') continue;
        ++c;
        if (*c == '%') continue;
        if (*c != *wanted) return false;
        ++wanted;
    }
    return *wanted == '\0';
}

// A line of thanks. A format that does not take what its fill gives (a
// missing %s, a %d for a name) stops the build instead of printing garbage.
struct ReactionLine {
    consteval ReactionLine(const char* text, Fill takes) : format(text), fill(takes)
    {
        if (!fillsFormat(text, takes)) throw "the format does not take what its fill gives";
    }
    consteval ReactionLine() : format(nullptr), fill(Fill::Plain) {}
    const char* format;
    Fill fill;
};

constexpr int MAX_REACTION_LINES = 4;

struct Reaction {
    CharacterId recipientId;
    Reward reward;
    int amount;
    int trust;
    const char* sound; // nullptr: a quiet reaction
    bool leavesWorld;  // the wizard departs once he has his book
    ReactionLine lines[MAX_REACTION_LINES];
};

// Every character who wants something, and how they thank the player for it.
// clang-format off
constexpr Reaction REACTIONS[] = {
    {CHARACTER_GREEDO, Reward::Gold, 1000, 25, "gold", false,
     {{"%s's eyes widen. \"That's my old...! Thank you kindly!\"\n", Fill::Name},
      {"%s gives you %d gold as thanks!\n", Fill::NameAndGold}}},
    {CHARACTER_HANBO, Reward::FreshItem, ITEM_MANSION_KEY, 20, nullptr, false,
     {{"%s's eyes gleam. \"Ohoho...!\"\n", Fill::Name},
      {"%s hands you the %s in exchange...\n", Fill::NameAndReward}}},
    {CHARACTER_GOBLIN, Reward::Weapon, 0, 15, nullptr, false,
     {{"The %s grins. \"Shiny...for me?\"\n", Fill::Species},
      {"The %s hands you a %s in exchange.\n", Fill::SpeciesAndReward},
      {"(You feel a bit cheated, somehow...)\n", Fill::Plain}}},
    {CHARACTER_CLARA, Reward::CarriedFirst, 0, 10, nullptr, false,
     {{"%s smiles happily. \"Thank you...!\"\n", Fill::Name},
      {"%s gives you the %s as a token of appreciation.\n", Fill::NameAndReward}}},
    {CHARACTER_EVELYN, Reward::CarriedFirst, 0, 10, nullptr, false,
     {{"%s claps her hands. \"Oh, thanks!\"\n", Fill::Name},
      {"%s gives you the %s as a token of thanks.\n", Fill::NameAndReward}}},
    {CHARACTER_FREDDIE, Reward::CarriedFirst, 0, 15, nullptr, false,
     {{"%s smiles warmly and starts to sing!\n", Fill::Name},
      {"\"~ Oh, the sea sent a song in a shell, and I'll sing it back to the "
       "hills, la-la-loo! ~\"\n", Fill::Plain},
      {"%s gives you the %s as thanks...!\n", Fill::NameAndReward}}},
    {CHARACTER_WERUH, Reward::CarriedFirst, 0, 20, nullptr, false,
     {{"%s laughs and grabs it greedily. \"Oh, baby...!\"\n", Fill::Name},
      {"%s gives you the %s as thanks!\n", Fill::NameAndReward}}},
    {CHARACTER_GOD, Reward::Nothing, 0, 50, "giggle", false,
     {{"%s is taken aback, eyes widening. \"How did you...?\"\n", Fill::Name},
      {"%s smiles the most beautiful of smiles. \"...thank you.\"\n", Fill::Name}}},
    {CHARACTER_NURNIC, Reward::CarriedFirst, 0, 10, nullptr, false,
     {{"%s giggles happily. \"Shroomy for me! Yippee!\"\n", Fill::Name},
      {"%s hands you the %s in exchange...?\n", Fill::NameAndReward},
      {"She says, \"Don't ask where I got it...\"\n", Fill::Plain}}},
    {CHARACTER_TUX, Reward::CarriedFirst, 0, 20, nullptr, false,
     {{"%s smiles widely and says, \"Happy Hacking!\"\n", Fill::Name},
      {"%s tosses you a...%s?\n", Fill::NameAndReward}}},
    {CHARACTER_MUKIRI, Reward::CarriedFirst, 0, 15, nullptr, false,
     {{"%s's eyes widen slightly. \"Oh! This shell...it reminds me of...\"\n", Fill::Name},
      {"%s hands you the %s.\n", Fill::NameAndReward},
      {"\"...here, take this. She always used to love playing it...\"\n", Fill::Plain}}},
    {CHARACTER_WOLF, Reward::Nothing, 0, 20, "bark", false,
     {{"%s the %s barks happily and wags its tail!\n", Fill::NameAndSpecies},
      {"%s cuddles up to you in a friendly manner. Aww...!\n", Fill::Name}}},
    {CHARACTER_DRAGON, Reward::Gold, 150, 15, "gold", false,
     {{"%s's eyes glimmer. \"Murr...for me? Thank you kindly...\"\n", Fill::Name},
      {"\"Here...taken this as a token of my appreciation...\"\n", Fill::Plain},
      {"%s gives you %d gold as thanks!\n", Fill::NameAndGold}}},
    {CHARACTER_WIZARD, Reward::CarriedFirst, 0, 10, nullptr, true,
     {{"%s's eyebrows raise. \"Oh, is that...? Yes, it is, indeed...\"\n", Fill::Name},
      {"%s looks it over. \"Yes...this shall suffice. Thank you...take this in "
       "exchange.\"\n", Fill::Name},
      {"%s hands you the %s...then vanishes in a puff of smoke!\n", Fill::NameAndReward}}},
    {CHARACTER_SKELETON, Reward::CarriedFirst, 0, 15, nullptr, false,
     {{"%s sighs wistfully. \"A tear from the moon, huh...? Brings back "
       "memories.\"\n", Fill::Name},
      {"%s looks at you with an unreadable expression. \"She used to sing to the "
       "stars, y'know...\"\n", Fill::Name},
      {"\"My bones ain't what they used to be, but here...take this.\"\n", Fill::Plain},
      {"%s tenderly hands you the %s.\n", Fill::NameAndReward}}},
    {CHARACTER_GOLEM, Reward::CarriedFirst, 0, 15, nullptr, false,
     {{"%s stares at you. \"I remember. A promise...long ago. You are not like the "
       "others.\"\n", Fill::Name},
      {"\"Here. Take this. Use it not for evil...but for good.\"\n", Fill::Plain},
      {"%s gives you the %s...slowly, almost reluctantly.\n", Fill::NameAndReward}}},
    {CHARACTER_MARY_LOU, Reward::Gold, 100, 10, "gold", false,
     {{"%s smiles softly. \"Ooh...how pretty...!\"\n", Fill::Name},
      {"%s hands you %d gold as thanks!\n", Fill::NameAndGold}}},
    {CHARACTER_KAPPA, Reward::Gold, 50, 15, "gold", false,
     {{"%s claps happily. \"Yum, yum! Thank you so much!\"\n", Fill::Name},
      {"%s gives you %d gold as thanks!\n", Fill::NameAndGold}}},
};
// clang-format on

// Each reaction belongs to one real character, and what it hands out fresh is a real item.
constexpr bool reactionsAreSound()
{
    for (const Reaction& one : REACTIONS) {
        if (!isCharacter(one.recipientId)) return false;
        if (one.reward == Reward::FreshItem && !isRealItem(one.amount)) return false;
        for (const Reaction& other : REACTIONS)
            if (&one != &other && one.recipientId == other.recipientId) return false;
    }
    return true;
}
static_assert(reactionsAreSound(), "a reaction names no real character or item");

const Reaction* findReaction(int recipientId)
{
    for (const Reaction& reaction : REACTIONS)
        if (reaction.recipientId == recipientId) return &reaction;
    return nullptr;
}

// The first living character standing with the player. The dead take no gifts.
Character* findRecipient(GameState* state)
{
    return findCharacterHere(state, [](const Character& character) { return character.alive; });
}

// The item the recipient hands back, before it moves. Id 0 when there is none.
Item rewardItem(const GameState* state, const Reaction& reaction, const Character* recipient)
{
    switch (reaction.reward) {
    case Reward::CarriedFirst: return recipient->inventory[0];
    case Reward::Weapon: return recipient->inventory[SLOT_WEAPON];
    case Reward::FreshItem: return state->items[reaction.amount];
    case Reward::Nothing:
    case Reward::Gold: break;
    }
    return state->items[ITEM_EMPTY];
}

// The formats come from the table, not literals, so the compiler cannot check
// them here; each line's constructor has already matched it to its fill.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
void printReactionLine(const ReactionLine& line, const Character* recipient, const Item& reward,
                       int gold)
{
    switch (line.fill) {
    case Fill::Plain: out("%s", line.format); break;
    case Fill::Name: out(line.format, recipient->name); break;
    case Fill::Species: out(line.format, recipient->species); break;
    case Fill::NameAndSpecies: out(line.format, recipient->name, recipient->species); break;
    case Fill::NameAndReward: out(line.format, recipient->name, reward.name); break;
    case Fill::SpeciesAndReward: out(line.format, recipient->species, reward.name); break;
    case Fill::NameAndGold: out(line.format, recipient->name, gold); break;
    }
}
#pragma GCC diagnostic pop

bool namesReward(const ReactionLine& line)
{
    return line.fill == Fill::NameAndReward || line.fill == Fill::SpeciesAndReward;
}

// Hands the reward over into the slot the gift has just freed.
void handOver(GameState* state, const Reaction& reaction, Character* recipient, Item* freedSlot,
              const Item& reward)
{
    switch (reaction.reward) {
    case Reward::Gold: addGold(state->player.gold, reaction.amount); break;
    case Reward::CarriedFirst:
        *freedSlot = reward;
        emptySlot(state, &recipient->inventory[0]);
        break;
    case Reward::Weapon:
        *freedSlot = reward;
        emptySlot(state, &recipient->inventory[SLOT_WEAPON]);
        break;
    case Reward::FreshItem: *freedSlot = reward; break;
    case Reward::Nothing: break;
    }
    // A slot that had nothing to pass on leaves the player's slot plainly empty.
    if (freedSlot->id == 0) emptySlot(state, freedSlot);
}

void react(GameState* state, const Reaction& reaction, Character* recipient, Item* freedSlot)
{
    Item reward = rewardItem(state, reaction, recipient);
    bool nothingToHand =
        reaction.reward != Reward::Gold && reaction.reward != Reward::Nothing && reward.id == 0;
    for (const ReactionLine& line : reaction.lines) {
        if (line.format == nullptr) break;
        // Someone with nothing left to give skips the line that would hand it over.
        if (nothingToHand && namesReward(line)) continue;
        printReactionLine(line, recipient, reward, reaction.amount);
    }
    handOver(state, reaction, recipient, freedSlot, reward);
    changeTrust(recipient, reaction.trust);
    if (reaction.sound != nullptr) playSound(reaction.sound);
    if (reaction.leavesWorld) recipient->locationId = LOC_NOWHERE;
}

// ---- The Black Rose ----

Ending endJourneyAtStatue(GameState* state, Item* rose)
{
    out("You place the %s at the foot of the statue.\n", rose->name);
    out("A soft wind rustles through the %s...\n", state->locations[state->player.locationId].name);
    out("The statue gleams faintly. Your journey is over.\n");
    emptySlot(state, rose);
    out("Quit the game? [y/n]: ");
    // No answer at all is taken as a no: the journey simply goes on.
    if (readYes()) {
        out("Farewell, %s...\n", state->player.name);
        out("\n");
        return Ending::Farewell;
    }
    out("As you turn to leave, the winds stir...\n");
    out("...and the base of the statue moves, revealing a passageway downward.\n");
    playSound("wind");
    state->locations[LOC_PALE_GARDEN].exits[DIR_DOWN] = LOC_UNDERGROWTH;
    return Ending::None;
}

void offerRoseToBlackQueen(Character* queen, const Item* rose)
{
    out("You give the %s to the Black Queen.\n", rose->name);
    out("The Black Queen smiles sadly.\n");
    out("\"...too little, too late, I'm afraid...\"\n");
    out("She returns the %s to you.\n", rose->name);
    out("The Black Queen prepares to attack...\n");
    queen->hostile = true;
    queen->cooldown = NEVER_CALMS;
}

void offerRoseToWhiteQueen(const GameState* state, const Item* rose)
{
    out("You give the %s to the White Queen.\n", rose->name);
    out("The White Queen shakes her head.\n");
    if (state->blackQueenSlain)
        out("\"Even if you had given this to her...it would have changed nothing.\"\n");
    else
        out("\"Even if you gave this to her...it would change nothing.\"\n");
    out("She returns the %s to you.\n", rose->name);
}

Ending giveBlackRose(GameState* state, Character* recipient, Item* rose)
{
    switch (recipient->id) {
    case CHARACTER_BLACK_QUEEN: offerRoseToBlackQueen(recipient, rose); break;
    case CHARACTER_WHITE_QUEEN: offerRoseToWhiteQueen(state, rose); break;
    case CHARACTER_GARDEN_STATUE: return endJourneyAtStatue(state, rose);
    default: out("%s doesn't care for the %s...\n", recipient->name, rose->name); break;
    }
    return Ending::None;
}

} // namespace

Ending giveItem(GameState* state, const char* noun)
{
    Character* player = &state->player;
    if (carriesNothing(player)) return Ending::None;
    Item* gift = askForCarriedItem(player, noun, "Give which item?\n");
    if (gift == nullptr) return Ending::None;
    Character* recipient = findRecipient(state);
    if (recipient == nullptr) {
        out("There is nobody here!\n");
        return Ending::None;
    }
    if (recipient->hostile) {
        out("%s isn't in the mood for that!\n", recipient->name);
        return Ending::None;
    }
    if (gift->id == ITEM_BLACK_ROSE) return giveBlackRose(state, recipient, gift);
    if (gift->id != recipient->favouriteItemId) {
        out("%s doesn't want that!\n", recipient->name);
        return Ending::None;
    }
    out("You give the %s to %s.\n", gift->name, recipient->name);
    emptySlot(state, gift);
    if (const Reaction* reaction = findReaction(recipient->id))
        react(state, *reaction, recipient, gift);
    return Ending::None;
}
