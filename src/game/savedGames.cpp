#include "savedGames.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "portsInUse.h"
#include "prompts.h"
#include "recordChecks.h"
#include "text.h"

namespace {

// A longer name is cut to LONGEST_SAVE_NAME characters once, before it is
// shown or used, so that "saves/", the name and ".dat.gz" fit the path and a
// file name.
constexpr std::size_t NAME_SIZE = LONGEST_SAVE_NAME + 1;

// A name the load prompt turns into this very save.
bool canBeTyped(const std::string& name)
{
    std::string cleaned = name;
    sanitizeFilename(cleaned.data());
    return cleaned == name && name.size() <= LONGEST_SAVE_NAME &&
           name.find('\0') == std::string::npos;
}

// Reads the save name the player types, cut to fit and cleaned. False at end of input.
bool askSaveName(const char* prompt, char* name)
{
    out("%s", prompt);
    std::string line;
    // Tab offers the names of the saves there are, here and nowhere else.
    LineSource& lines = ports().lines;
    lines.offerAnswers([](const std::string& typed) {
        return std::make_pair(std::size_t{0}, saveNamesStartingWith(typed));
    });
    bool gotLine = lines.readPlainLine(line);
    lines.offerAnswers(nullptr);
    std::string cleaned = saveNameFor(line);
    std::memset(name, 0, NAME_SIZE);
    cleaned.copy(name, NAME_SIZE - 1);
    return gotLine;
}

bool confirmOverwrite(const char* name)
{
    out("A save file named '%s' already exists. Overwrite? (y/n): ", name);
    return readYes();
}

enum class Loaded { Yes, NotFound, Refused };

bool startsGzip(std::string_view bytes)
{
    return bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0x1f &&
           static_cast<unsigned char>(bytes[1]) == 0x8b;
}

// Reads and checks a save without touching any running game.
Loaded readSave(const std::string& name, GameState* into)
{
    std::string stored;
    SaveStorage& saves = ports().saves;
    switch (saves.read(name, LARGEST_SAVE_FILE, stored)) {
    case SaveStorage::Read::NotFound: return Loaded::NotFound;
    case SaveStorage::Read::Unreadable: return Loaded::Refused;
    case SaveStorage::Read::Found: break;
    }
    return recordFromSaveFile(stored, saves, into) ? Loaded::Yes : Loaded::Refused;
}

std::string timePlayed(int minutes)
{
    int hours = minutes / 60;
    int days = hours / 24;
    char text[96];
    if (days > 0)
        std::snprintf(text, sizeof text, "%d day(s), %d hour(s) and %d minute(s)", days, hours % 24,
                      minutes % 60);
    else if (hours > 0)
        std::snprintf(text, sizeof text, "%d hour(s) and %d minute(s)", hours, minutes % 60);
    else
        std::snprintf(text, sizeof text, "%d minute(s)", minutes);
    return text;
}

std::string when(std::int64_t writtenNanoseconds)
{
    auto written = static_cast<std::time_t>(writtenNanoseconds / 1000000000);
    std::tm local{};
    localtime_r(&written, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return text;
}

void describeSave(const SaveStorage::Entry& save, GameState* record)
{
    if (!canBeTyped(save.name) || readSave(save.name, record) != Loaded::Yes) {
        // A file named by hand may hold anything, escape sequences too.
        std::string shown = save.name;
        keepPrintable(shown.data());
        out("  %s: damaged, cannot be loaded; written %s\n", shown.c_str(),
            when(save.writtenNanoseconds).c_str());
        return;
    }
    out("  %s: %s; written %s\n", save.name.c_str(), describeJourney(*record).c_str(),
        when(save.writtenNanoseconds).c_str());
}

} // namespace

std::string describeJourney(const GameState& record)
{
    const Character& player = record.player;
    return std::string(player.name) + " at the " + record.locations[player.locationId].name + ", " +
           timePlayed(record.minutesPassed) + " played";
}

std::string saveNameFor(const std::string& typed)
{
    std::string name = typed.substr(0, typed.find('\0'));
    name.resize(std::min(name.size(), LONGEST_SAVE_NAME));
    sanitizeFilename(name.data());
    return name;
}

bool recordFromSaveFile(std::string_view stored, SaveStorage& storage, GameState* into)
{
    // A file that is no gzip at all is taken as it stands, as zlib reads it.
    if (!startsGzip(stored)) return recordFromBytes(stored, into);
    // Unpacked only as far as one record goes, however much the file claims
    // to hold; a cut end, bytes after the last member or another length are
    // damage.
    std::string record;
    while (!stored.empty()) {
        if (!startsGzip(stored)) return false;
        auto [whole, used] = storage.unpack(stored, sizeof *into - record.size(), record);
        if (!whole || used == 0 || used > stored.size()) return false;
        stored.remove_prefix(used);
    }
    return recordFromBytes(record, into);
}

std::vector<std::string> saveNamesStartingWith(const std::string& typed)
{
    std::string start = typed.substr(0, LONGEST_SAVE_NAME);
    sanitizeFilename(start.data());
    std::vector<std::string> names;
    for (const SaveStorage::Entry& save : ports().saves.list())
        if (save.name.starts_with(start) && canBeTyped(save.name)) names.push_back(save.name);
    std::sort(names.begin(), names.end());
    return names;
}

void sanitizeFilename(char* name)
{
    for (char* c = name; *c; ++c) {
        bool keep =
            std::isalnum(static_cast<unsigned char>(*c)) && static_cast<unsigned char>(*c) < 128;
        if (!keep && *c != '-' && *c != '_' && *c != '.') *c = '_';
    }
}

void saveState(const GameState* state)
{
    char name[NAME_SIZE];
    if (!askSaveName("Enter a name for your save file: ", name)) {
        out("Save cancelled.\n");
        return;
    }
    SaveStorage& saves = ports().saves;
    if (saves.exists(name) && !confirmOverwrite(name)) {
        out("Save cancelled.\n");
        return;
    }
    std::string reason;
    switch (saves.write(name, bytesOf(*state), reason)) {
    case SaveStorage::Write::OpenFailed:
        outError("Could not open save file: %s\n", reason.c_str());
        return;
    case SaveStorage::Write::WriteFailed:
        outError("Could not write save file: %s\n", reason.c_str());
        return;
    case SaveStorage::Write::Written: break;
    }
    out("Game saved to saves/%s.dat.gz successfully.\n", name);
}

bool loadState(GameState* state)
{
    char name[NAME_SIZE];
    askSaveName("Enter the name for the save file to load: ", name);
    // Read into a record of its own: a refused save leaves the game untouched.
    auto loaded = std::make_unique<GameState>();
    switch (readSave(name, loaded.get())) {
    case Loaded::NotFound: out("Save file '%s.dat.gz' not found.\n", name); return false;
    case Loaded::Refused:
        out("Failed to load save file (corrupted or incompatible).\n");
        return false;
    case Loaded::Yes: break;
    }
    std::memcpy(static_cast<void*>(state), loaded.get(), sizeof *state);
    out("Game loaded from saves/%s.dat.gz successfully.\n", name);
    return true;
}

void listSaves()
{
    std::vector<SaveStorage::Entry> saves = ports().saves.list();
    if (saves.empty()) {
        out("There are no saved games yet.\n");
        return;
    }
    // Newest first, to the nanosecond the storage keeps.
    std::sort(saves.begin(), saves.end(), [](const auto& a, const auto& b) {
        return a.writtenNanoseconds != b.writtenNanoseconds
                   ? a.writtenNanoseconds > b.writtenNanoseconds
                   : a.name < b.name;
    });
    out("Saved games, newest first (type the name at the load prompt):\n");
    auto record = std::make_unique<GameState>();
    for (const SaveStorage::Entry& save : saves)
        describeSave(save, record.get());
}
