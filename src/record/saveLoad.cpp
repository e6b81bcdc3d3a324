#include "saveLoad.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>

#include "characterSheet.h"
#include "console.h"

namespace {

constexpr std::size_t NAME_SIZE = 256;
constexpr int PATH_SIZE = 256;
constexpr unsigned RECORD_SIZE = sizeof(GameState);

// Reads the save name the player types, cut to fit and cleaned. False at end of input.
bool askSaveName(const char* prompt, char* name)
{
    out("%s", prompt);
    std::string line;
    bool gotLine = lineSource().readPlainLine(line);
    std::memset(name, 0, NAME_SIZE);
    std::strncpy(name, line.c_str(), NAME_SIZE - 1);
    sanitizeFilename(name);
    return gotLine;
}

void buildSavePath(char* path, const char* name)
{
    std::snprintf(path, PATH_SIZE, "saves/%.240s.dat.gz", name);
}

bool confirmOverwrite(const char* name)
{
    out("A save file named '%s' already exists. Overwrite? (y/n): ", name);
    return readYes();
}

bool textFits(const char* field, std::size_t width)
{
    return std::memchr(field, '\0', width) != nullptr;
}

bool flagSound(const bool& flag)
{
    unsigned char byte;
    std::memcpy(&byte, &flag, 1);
    return byte <= 1;
}

// No number a real game reaches comes near this; keeping every number of a
// loaded record within it means no sum or difference the rules take can
// overflow.
constexpr int32_t LARGEST_NUMBER = 100000000;

// With headroom asked for, every number must lie within LARGEST_NUMBER.
bool numbersInRange(bool headroom, std::initializer_list<int32_t> numbers)
{
    if (!headroom) return true;
    for (int32_t number : numbers)
        if (number < -LARGEST_NUMBER || number > LARGEST_NUMBER) return false;
    return true;
}

bool itemIsSound(const Item& item, bool headroom)
{
    return numbersInRange(headroom, {item.type, item.subtype, item.power, item.price,
                                     item.durability, item.maxDurability}) &&
           textFits(item.name, sizeof item.name) &&
           textFits(item.description, sizeof item.description) && flagSound(item.unbreakable) &&
           item.id >= 0 && item.id < NUM_ITEMS;
}

bool locationIdIsSound(int id, bool mayBeNowhere)
{
    return (id >= 0 && id < NUM_LOCATIONS) || (mayBeNowhere && id == -1);
}

bool entityIsSound(const Entity& entity, bool isPlayer, bool headroom)
{
    for (const Item& item : entity.inventory)
        if (!itemIsSound(item, headroom)) return false;
    return numbersInRange(headroom,
                          {entity.sex, entity.baseMaxHp, entity.maxHp, entity.hp, entity.baseAtk,
                           entity.atk, entity.baseDef, entity.def, entity.gold, entity.kind,
                           entity.favouriteItemId, entity.trust, entity.cooldown}) &&
           textFits(entity.name, sizeof entity.name) &&
           textFits(entity.species, sizeof entity.species) &&
           textFits(entity.description, sizeof entity.description) &&
           textFits(entity.dialogueGood, sizeof entity.dialogueGood) &&
           textFits(entity.dialogueNeutral, sizeof entity.dialogueNeutral) &&
           textFits(entity.dialogueBad, sizeof entity.dialogueBad) && flagSound(entity.hostile) &&
           flagSound(entity.alive) && flagSound(entity.huggable) &&
           locationIdIsSound(entity.locationId, !isPlayer);
}

bool locationIsSound(const Location& location, int index, bool headroom)
{
    if (location.id != index || !itemIsSound(location.item, headroom)) return false;
    if (!numbersInRange(headroom, {location.gold})) return false;
    for (int exit : location.exits)
        if (exit != -1 && !locationIdIsSound(exit, false)) return false;
    return textFits(location.name, sizeof location.name) &&
           textFits(location.description, sizeof location.description) &&
           flagSound(location.isDark) && flagSound(location.isLit);
}

} // namespace

void sanitizeFilename(char* name)
{
    for (char* c = name; *c; ++c) {
        bool keep =
            std::isalnum(static_cast<unsigned char>(*c)) && static_cast<unsigned char>(*c) < 128;
        if (!keep && *c != '-' && *c != '_' && *c != '.') *c = '_';
    }
}

bool fileExists(const char* path)
{
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) return false;
    std::fclose(file);
    return true;
}

namespace {

// The record's structure (indexes, texts, flags, hit points to keep) and,
// with headroom, the margin every number of a loaded record must keep.
bool recordIsSound(const GameState* state, bool headroom)
{
    for (int i = 0; i < NUM_LOCATIONS; ++i)
        if (!locationIsSound(state->locations[i], i, headroom)) return false;
    for (int i = 0; i < NUM_ITEMS; ++i)
        if (state->items[i].id != i || !itemIsSound(state->items[i], headroom)) return false;
    for (int i = 0; i < NUM_ENTITIES; ++i)
        if (state->entities[i].id != i || !entityIsSound(state->entities[i], false, headroom))
            return false;
    if (state->player.id != 0 || !entityIsSound(state->player, true, headroom)) return false;
    // Hit points are kept between 1 and the maximum, so the maximum must be
    // at least 1 once the worn accessory is counted.
    Entity player = state->player;
    recalculateStats(&player);
    return player.maxHp >= 1 &&
           numbersInRange(headroom, {state->minutesPassed, state->lightTurns, state->faeState}) &&
           flagSound(state->turnTaken) && flagSound(state->blackQueenSlain) &&
           flagSound(state->soundOn) && flagSound(state->starGiftFallen);
}

} // namespace

bool isSoundGameState(const GameState* state) { return recordIsSound(state, false); }

SaveResult writeSaveFile(const char* path, const GameState* state)
{
    // Write beside the old save and rename over it only once the new one is
    // whole, so a crash or a full disk never costs the player a saved game.
    std::string temporary = std::string(path) + ".XXXXXX";
    int fd = mkstemp(temporary.data());
    if (fd < 0) return SaveResult::OpenFailed;
    mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);

    errno = 0;
    bool written = false;
    if (gzFile file = gzdopen(dup(fd), "wb")) {
        written = gzwrite(file, state, RECORD_SIZE) == static_cast<int>(RECORD_SIZE);
        written = gzclose(file) == Z_OK && written;
    }
    written = written && fsync(fd) == 0;
    written = close(fd) == 0 && written;
    written = written && std::rename(temporary.c_str(), path) == 0;
    if (written) return SaveResult::Saved;
    int reason = errno ? errno : EIO;
    std::remove(temporary.c_str());
    errno = reason;
    return SaveResult::WriteFailed;
}

LoadResult readSaveFile(const char* path, GameState* into)
{
    gzFile file = gzopen(path, "rb");
    if (file == nullptr) return LoadResult::NotFound;
    int count = gzread(file, into, RECORD_SIZE);
    gzclose(file);
    if (count != static_cast<int>(RECORD_SIZE) || !recordIsSound(into, true))
        return LoadResult::Corrupted;
    return LoadResult::Loaded;
}

void saveState(const GameState* state)
{
    char name[NAME_SIZE];
    if (!askSaveName("Enter a name for your save file: ", name)) {
        out("Save cancelled.\n");
        return;
    }
    char path[PATH_SIZE];
    buildSavePath(path, name);
    if (fileExists(path) && !confirmOverwrite(name)) {
        out("Save cancelled.\n");
        return;
    }
    switch (writeSaveFile(path, state)) {
    case SaveResult::OpenFailed:
        outError("Could not open save file: %s\n", std::strerror(errno));
        return;
    case SaveResult::WriteFailed:
        outError("Could not write save file: %s\n", std::strerror(errno));
        return;
    case SaveResult::Saved: break;
    }
    out("Game saved to saves/%s.dat.gz successfully.\n", name);
}

bool loadState(GameState* state)
{
    char name[NAME_SIZE];
    askSaveName("Enter the name for the save file to load: ", name);
    char path[PATH_SIZE];
    buildSavePath(path, name);
    // Read into a record of its own: a refused save leaves the game untouched.
    auto loaded = std::make_unique<GameState>();
    switch (readSaveFile(path, loaded.get())) {
    case LoadResult::NotFound: out("Save file '%s.dat.gz' not found.\n", name); return false;
    case LoadResult::Corrupted:
        out("Failed to load save file (corrupted or incompatible).\n");
        return false;
    case LoadResult::Loaded: break;
    }
    std::memcpy(static_cast<void*>(state), loaded.get(), sizeof *state);
    out("Game loaded from saves/%s.dat.gz successfully.\n", name);
    return true;
}
