// Every file under tests/transcripts is a game session as a terminal shows it;
// each is played again in-process and must print exactly the same. The format
// is described in tests/transcripts/README.md. With TRANSCRIPT_UPDATE=1 in the
// environment the files are rewritten from what the game prints now.
#include <gtest/gtest.h>
#include <strings.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "carriedItems.h"
#include "characterSheet.h"
#include "gameHarness.h"
#include "programRunner.h"
#include "standing.h"

namespace fs = std::filesystem;

namespace {

const fs::path ROOT = fs::path(SOURCE_DIR) / "tests" / "transcripts";

bool sameWords(const std::string& a, const char* b) { return strcasecmp(a.c_str(), b) == 0; }

// The escape byte and backslashes shown visibly, so colours read and write in a file.
std::string visible(const std::string& text)
{
    std::string shown;
    for (char c : text)
        shown += c == '\033' ? "\\e" : c == '\\' ? "\\\\" : std::string(1, c);
    if (!shown.empty() && shown.back() != '\n') shown += "\\c\n"; // no newline after the last byte
    return shown;
}

// A typed line as the game reads it: escapes back to bytes.
std::string typedBytes(const std::string& shown)
{
    std::string bytes;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const bool escaped = shown[i] == '\\' && i + 1 < shown.size();
        bytes += escaped && shown[++i] == 'e' ? '\033' : shown[i];
    }
    return bytes;
}

// The lines typed in a piece of session text: each follows its prompt in backquotes.
std::vector<std::string> typedLines(const std::string& session)
{
    std::vector<std::string> lines;
    std::istringstream in(session);
    for (std::string line; std::getline(in, line);) {
        std::size_t open = line.find('`');
        if (open != std::string::npos && open + 1 < line.size() && line.back() == '`')
            lines.push_back(typedBytes(line.substr(open + 1, line.size() - open - 2)));
    }
    return lines;
}

int placeNamed(GameHarness& h, const std::string& name)
{
    if (sameWords(name, "nowhere")) return -1;
    for (const Location& place : h.game().locations)
        if (sameWords(name, place.name)) return place.id;
    throw std::runtime_error("no place named " + name);
}

const Item& itemNamed(GameHarness& h, const std::string& name)
{
    for (const Item& item : h.game().items)
        if (sameWords(name, item.name)) return item;
    throw std::runtime_error("no item named " + name);
}

Character& characterNamed(GameHarness& h, const std::string& name)
{
    if (sameWords(name, "player")) return h.player();
    auto named = [&](const Character& e) { return e.id != 0 && sameWords(name, e.name); };
    auto& all = h.game().characters;
    auto found = std::find_if(std::begin(all), std::end(all), named);
    if (found == std::end(all) || std::count_if(std::begin(all), std::end(all), named) > 1)
        throw std::runtime_error("no one character named " + name);
    return *found;
}

// A setting's value: a number, or a word the game stores as one.
int valueOf(GameHarness& h, const std::string& word)
{
    // clang-format off
    static const std::map<std::string, int> WORDS = {
        {"no", 0}, {"yes", 1}, {"off", 0}, {"on", 1}, {"male", 1}, {"female", 2}, {"other", 3},
        {"unmet", FAE_UNMET}, {"summoned", FAE_SUMMONED}, {"tookname", FAE_TOOK_NAME},
        {"refused", FAE_REFUSED}, {"gavegold", FAE_GAVE_GOLD}};
    // clang-format on
    if (!word.empty() && (std::isdigit(static_cast<unsigned char>(word[0])) || word[0] == '-'))
        return std::stoi(word);
    auto known = WORDS.find(word);
    return known != WORDS.end() ? known->second : placeNamed(h, word);
}

// The fields of one kind of record that "@ set" may change, by name.
template <typename Record> struct Fields {
    std::map<std::string, int32_t Record::*> numbers;
    std::map<std::string, bool Record::*> flags;

    // False when the record has no such field.
    bool set(Record& record, const std::string& field, int value) const
    {
        if (numbers.contains(field)) record.*numbers.at(field) = value;
        if (flags.contains(field)) record.*flags.at(field) = value != 0;
        return numbers.contains(field) || flags.contains(field);
    }
};

// clang-format off
const Fields<Character> CHARACTER = {
    {{"hp", &Character::hp}, {"gold", &Character::gold}, {"trust", &Character::trust},
     {"sex", &Character::sex}, {"cooldown", &Character::cooldown}, {"place", &Character::locationId}},
    {{"hostile", &Character::hostile}, {"alive", &Character::alive}}};
const Fields<GameState> GAME = {
    {{"minutes", &GameState::minutesPassed}, {"light", &GameState::lightTurns},
     {"fae", &GameState::faeState}},
    {{"sound", &GameState::soundOn}, {"queenslain", &GameState::blackQueenSlain}}};
const Fields<Location> PLACE = {{{"gold", &Location::gold}}, {{"lit", &Location::isLit}}};
const std::map<std::string, int> WORN = {
    {"weapon", SLOT_WEAPON}, {"armour", SLOT_ARMOUR}, {"accessory", SLOT_ACCESSORY}};
// clang-format on

std::string trimmed(std::string text)
{
    text.erase(0, text.find_first_not_of(' '));
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

// Text after the first word, without surrounding blanks.
std::string afterWord(const std::string& text, std::string* word)
{
    std::istringstream in(text);
    in >> *word;
    std::string rest;
    std::getline(in, rest);
    return trimmed(rest);
}

// "@ set <who> <field> <value>": who is a character's name, "player", "game" or "here".
void setField(GameHarness& h, const std::string& text)
{
    std::string who;
    std::string field;
    const std::string value = afterWord(afterWord(text, &who), &field);
    if (who == "here" && field == "item") return void(h.here().item = itemNamed(h, value));
    if (WORN.contains(field))
        return void(characterNamed(h, who).inventory[WORN.at(field)] = itemNamed(h, value));
    const int number = valueOf(h, value);
    const bool known = who == "game"   ? GAME.set(h.game(), field, number)
                       : who == "here" ? PLACE.set(h.here(), field, number)
                                       : CHARACTER.set(characterNamed(h, who), field, number);
    if (!known) throw std::runtime_error("no field " + field + " of " + who);
}

std::string worn(const Item& item)
{
    if (item.type != ITEM_WEAPON && item.type != ITEM_ARMOUR) return item.name;
    return std::string(item.name) + " (" + std::to_string(item.durability) + "/" +
           std::to_string(item.maxDurability) + ")";
}

std::string yesNo(bool flag) { return flag ? "yes" : "no"; }

// "@ show <who>": the fields a session cannot print, as a line of its own.
std::string shown(GameHarness& h, const std::string& who)
{
    std::ostringstream line;
    if (who == "game") {
        const GameState& g = h.game();
        line << "~ game: minutes " << g.minutesPassed << ", light " << g.lightTurns << ", fae "
             << g.faeState << ", queen slain " << yesNo(g.blackQueenSlain) << ", numbers drawn "
             << h.randomsDrawn;
    } else if (who == "here") {
        const Location& here = h.here();
        line << "~ " << here.name << ": item " << (here.item.id ? here.item.name : "none")
             << ", gold " << here.gold << ", lit " << yesNo(here.isLit);
    } else {
        const Character& e = characterNamed(h, who);
        line << "~ " << e.name << ": hp " << e.hp << "/" << e.maxHp << ", atk " << e.atk << ", def "
             << e.def << ", gold " << e.gold << ", trust " << e.trust << ", hostile "
             << yesNo(e.hostile) << ", cooldown " << e.cooldown << ", alive " << yesNo(e.alive)
             << ", at " << (e.locationId < 0 ? "nowhere" : h.game().locations[e.locationId].name);
        if (&e == &h.player()) line << ", standing " << calculateTrustScore(&h.game());
        line << "\n~ carried:";
        for (int slot = 0; slot < NUM_CARRIED && e.inventory[slot].name[0]; ++slot)
            line << (slot ? ", " : " ") << worn(e.inventory[slot]);
    }
    line << "\n";
    return line.str();
}

// One run of setup lines, then the session text that follows them.
struct Piece {
    std::string setup;
    std::string session;
};

std::vector<Piece> piecesOf(const std::string& text)
{
    std::vector<Piece> pieces(1);
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        bool setup = line.starts_with("@") || line.starts_with("#");
        if (setup && !pieces.back().session.empty()) pieces.emplace_back();
        (setup ? pieces.back().setup : pieces.back().session) += line + "\n";
    }
    return pieces;
}

const std::set<std::string> KNOWN = {"new",      "title", "at",   "pack",      "random",
                                     "standing", "set",   "show", "durability"};

class Session {
public:
    Session() { fresh(); }

    // Plays one file; returns the file as it reads with what the game prints now.
    std::string replay(const std::string& text)
    {
        std::string result;
        for (const Piece& piece : piecesOf(text)) {
            bool fromTitle = false;
            std::istringstream lines(piece.setup);
            for (std::string line; std::getline(lines, line);)
                result +=
                    line + "\n" + (line.starts_with("@") ? apply(line.substr(1), &fromTitle) : "");
            std::vector<std::string> typed = typedLines(piece.session);
            result += visible(fromTitle ? h->playFromTitle(typed) : h->play(typed));
            if (h->ended && !endNoted) result += "~ the game ends\n";
            endNoted = h->ended;
        }
        return result;
    }

private:
    // One setup line (without its "@"); returns what it adds to the session text.
    std::string apply(const std::string& line, bool* fromTitle)
    {
        std::string directive;
        const std::string rest = afterWord(line, &directive);
        if (directive == "new") fresh();
        if (directive == "title") *fromTitle = true;
        if (directive == "at") h->moveTo(placeOf(rest));
        if (directive == "pack") pack(rest);
        std::istringstream numbers(directive == "random" ? rest : "");
        for (int n; numbers >> n;)
            h->queueRandom({n});
        if (directive == "standing") standing(valueOf(*h, rest));
        if (directive == "durability") durability(rest);
        if (directive == "set") setField(*h, rest);
        if (directive == "show") return shown(*h, rest);
        if (!KNOWN.contains(directive)) throw std::runtime_error("unknown setup line @" + line);
        return "";
    }

    void fresh()
    {
        h.reset();
        h = std::make_unique<GameHarness>();
        h->recordAsTranscript();
        endNoted = false;
    }

    // A place's name, or the name of a character to stand beside.
    int placeOf(const std::string& name)
    {
        try {
            return placeNamed(*h, name);
        } catch (const std::runtime_error&) {
            return characterNamed(*h, name).locationId;
        }
    }

    // "@ pack Lily, Tower Key": the carried slots hold exactly these, in order.
    void pack(const std::string& names)
    {
        clearInventory(&h->player());
        std::istringstream in(names);
        for (std::string name; std::getline(in >> std::ws, name, ',');)
            if (int slot = findFreeSlot(&h->player()); slot >= 0)
                h->player().inventory[slot] = itemNamed(*h, trimmed(name));
    }

    // Sets the standing exactly, through the trust of a bystander who appears in no scene.
    void standing(int wanted)
    {
        Character& bystander = characterNamed(*h, "Weruh");
        bystander.trust = 0;
        bystander.trust = wanted - calculateTrustScore(&h->game());
    }

    // "@ durability Sword 10": the first such thing the player holds, carried before worn.
    void durability(const std::string& text)
    {
        std::size_t split = text.find_last_of(' ');
        std::string name = text.substr(0, split);
        for (Item& item : h->player().inventory)
            if (sameWords(name, item.name)) {
                item.durability = std::stoi(text.substr(split + 1));
                return;
            }
        throw std::runtime_error("the player holds no " + name);
    }

    TempDir saves;
    std::unique_ptr<GameHarness> h;
    bool endNoted = false;
};

// Plays one file; with TRANSCRIPT_UPDATE=1 rewrites it from what the game prints.
void playsAsRecorded(const fs::path& path)
{
    ASSERT_TRUE(fs::is_regular_file(path)) << path << " is no transcript";
    const std::string recorded = slurp(path.string());
    const std::string played = Session().replay(recorded);
    if (std::getenv("TRANSCRIPT_UPDATE") && played != recorded) {
        std::ofstream(path, std::ios::binary) << played;
        // What was written must play back the same, or the file misreads its own typing.
        EXPECT_EQ(Session().replay(played), played) << path;
        return;
    }
    // On a difference gtest shows where the two part, line by line.
    EXPECT_EQ(played, recorded) << path.string() << " plays otherwise";
}

// ctest plays each file as a test of its own, the file named in TRANSCRIPT
// (tests/CMakeLists.txt finds the files whenever the build runs), so a new
// file is played after the next build without the test program changing.
// Without TRANSCRIPT, every file is played.
TEST(TranscriptFile, PlaysAsRecorded)
{
    if (const char* name = std::getenv("TRANSCRIPT")) return playsAsRecorded(ROOT / name);
    for (const auto& entry : fs::recursive_directory_iterator(ROOT))
        if (entry.path().extension() == ".txt") playsAsRecorded(entry.path());
}

} // namespace
