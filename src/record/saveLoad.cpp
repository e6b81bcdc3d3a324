#include "saveLoad.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "characterSheet.h"
#include "console.h"
#include "recordLimits.h"
#include "runState.h"

namespace {

// A longer name is cut to 240 characters once, before it is shown or used,
// so that "saves/", the name and ".dat.gz" fit the path and a file name.
constexpr std::size_t NAME_SIZE = 241;
constexpr int PATH_SIZE = 256;
constexpr unsigned RECORD_SIZE = sizeof(GameState);

// Reads the save name the player types, cut to fit and cleaned. False at end of input.
bool askSaveName(const char* prompt, char* name)
{
    out("%s", prompt);
    std::string line;
    // Tab offers the names of the saves there are, here and nowhere else.
    runState().answerCompleter = [](const std::string& typed) {
        return std::make_pair(std::size_t{0}, saveNamesStartingWith(typed));
    };
    bool gotLine = lineSource().readPlainLine(line);
    runState().answerCompleter = nullptr;
    std::memset(name, 0, NAME_SIZE);
    std::strncpy(name, line.c_str(), NAME_SIZE - 1);
    sanitizeFilename(name);
    return gotLine;
}

void buildSavePath(char* path, const char* name)
{
    std::snprintf(path, PATH_SIZE, "saves/%s.dat.gz", name);
}

bool confirmOverwrite(const char* name)
{
    out("A save file named '%s' already exists. Overwrite? (y/n): ", name);
    return readYes();
}

// A text must end inside its field and hold nothing a terminal would act on
// (control characters, the C1 ones written as UTF-8 included): none of the
// game's own texts has one before its end.
bool textIsSound(const char* field, std::size_t width)
{
    for (std::size_t i = 0; i < width; ++i) {
        auto byte = static_cast<unsigned char>(field[i]);
        if (byte == '\0') return true;
        if (byte < 0x20 || byte == 0x7f) return false;
        auto next = i + 1 < width ? static_cast<unsigned char>(field[i + 1]) : 0;
        if (byte == 0xc2 && next >= 0x80 && next < 0xa0) return false;
    }
    return false;
}

bool flagSound(const bool& flag)
{
    unsigned char byte;
    std::memcpy(&byte, &flag, 1);
    return byte <= 1;
}

bool itemIsSound(const Item& item)
{
    return textIsSound(item.name, sizeof item.name) &&
           textIsSound(item.description, sizeof item.description) && flagSound(item.unbreakable) &&
           item.id >= 0 && item.id < NUM_ITEMS;
}

bool locationIdIsSound(int id, bool mayBeNowhere)
{
    return (id >= 0 && id < NUM_LOCATIONS) || (mayBeNowhere && id == -1);
}

bool entityIsSound(const Entity& entity, bool isPlayer)
{
    for (const Item& item : entity.inventory)
        if (!itemIsSound(item)) return false;
    return textIsSound(entity.name, sizeof entity.name) &&
           textIsSound(entity.species, sizeof entity.species) &&
           textIsSound(entity.description, sizeof entity.description) &&
           textIsSound(entity.dialogueGood, sizeof entity.dialogueGood) &&
           textIsSound(entity.dialogueNeutral, sizeof entity.dialogueNeutral) &&
           textIsSound(entity.dialogueBad, sizeof entity.dialogueBad) &&
           flagSound(entity.hostile) && flagSound(entity.alive) && flagSound(entity.huggable) &&
           locationIdIsSound(entity.locationId, !isPlayer);
}

bool locationIsSound(const Location& location, int index)
{
    if (location.id != index || !itemIsSound(location.item)) return false;
    for (int exit : location.exits)
        if (exit != -1 && !locationIdIsSound(exit, false)) return false;
    return textIsSound(location.name, sizeof location.name) &&
           textIsSound(location.description, sizeof location.description) &&
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
    // Asked of the folder, not the file: a save nobody may read, or one that
    // is no plain file, still exists, and asking never waits on it.
    struct stat status;
    return lstat(path, &status) == 0;
}

bool saveNameCanBeTyped(const std::string& name)
{
    std::string cleaned = name;
    sanitizeFilename(cleaned.data());
    return cleaned == name && name.size() < NAME_SIZE && name.find('\0') == std::string::npos;
}

std::vector<std::string> saveNamesStartingWith(const std::string& typed)
{
    constexpr std::string_view ending = ".dat.gz";
    std::string start = typed.substr(0, NAME_SIZE - 1);
    sanitizeFilename(start.data());
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("saves", error)) {
        std::string file = entry.path().filename().string();
        std::string name = file.substr(0, file.size() - std::min(file.size(), ending.size()));
        if (!file.ends_with(ending) || !name.starts_with(start) || !saveNameCanBeTyped(name))
            continue;
        if (entry.is_regular_file(error)) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool isSoundGameState(const GameState* state)
{
    for (int i = 0; i < NUM_LOCATIONS; ++i)
        if (!locationIsSound(state->locations[i], i)) return false;
    for (int i = 0; i < NUM_ITEMS; ++i)
        if (state->items[i].id != i || !itemIsSound(state->items[i])) return false;
    for (int i = 0; i < NUM_ENTITIES; ++i)
        if (state->entities[i].id != i || !entityIsSound(state->entities[i], false)) return false;
    if (state->player.id != 0 || !entityIsSound(state->player, true)) return false;
    if (!numbersInRange(state)) return false;
    // Flags are read only once they are known to hold a bool.
    if (!flagSound(state->turnTaken) || !flagSound(state->blackQueenSlain) ||
        !flagSound(state->soundOn) || !flagSound(state->starGiftFallen))
        return false;
    // Hit points are kept between 1 and the maximum, so the maximum must be
    // at least 1 once the worn accessory is counted.
    Entity player = state->player;
    recalculateStats(&player);
    // Every turn ends with them there, so a record saved after one has them so.
    const Entity& saved = state->player;
    bool keptAfterTurn = !state->turnTaken || (saved.hp >= 1 && saved.hp <= saved.maxHp);
    return player.maxHp >= 1 && keptAfterTurn;
}

namespace {

// Compresses the record into the open file and waits until it is on disk.
bool writeRecord(int fd, const GameState* state)
{
    errno = 0;
    bool written = false;
    if (gzFile file = gzdopen(dup(fd), "wb")) {
        written = gzwrite(file, state, RECORD_SIZE) == static_cast<int>(RECORD_SIZE);
        written = gzclose(file) == Z_OK && written;
    }
    return written && fsync(fd) == 0;
}

// Where the file system allows, the new save is a file without a name until
// it is whole, so a save killed part-way leaves nothing behind. False when
// that is not possible here or anything on the way fails.
bool saveThroughUnnamedFile(const char* path, const GameState* state)
{
    const char* slash = std::strrchr(path, '/');
    std::string folder = slash ? std::string(path, slash) : std::string(".");
    int fd = open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    bool saved = writeRecord(fd, state);
    // A name of its own first, as only a rename may replace the old save.
    std::string self = "/proc/self/fd/" + std::to_string(fd);
    std::string temporary = std::string(path) + "." + std::to_string(getpid());
    saved = saved &&
            linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temporary.c_str(), AT_SYMLINK_FOLLOW) == 0;
    close(fd);
    if (saved && std::rename(temporary.c_str(), path) == 0) return true;
    if (saved) std::remove(temporary.c_str());
    return false;
}

// Elsewhere the new save is written under a temporary name beside the old.
SaveResult saveThroughNamedFile(const char* path, const GameState* state)
{
    std::string temporary = std::string(path) + ".XXXXXX";
    int fd = mkstemp(temporary.data());
    if (fd < 0) return SaveResult::OpenFailed;
    mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);

    bool written = writeRecord(fd, state);
    written = close(fd) == 0 && written;
    written = written && std::rename(temporary.c_str(), path) == 0;
    if (written) return SaveResult::Saved;
    int reason = errno ? errno : EIO;
    std::remove(temporary.c_str());
    errno = reason;
    return SaveResult::WriteFailed;
}

} // namespace

SaveResult writeSaveFile(const char* path, const GameState* state)
{
    // Either way the new save replaces the old one only once it is whole, so
    // a crash or a full disk never costs the player a saved game.
    if (saveThroughUnnamedFile(path, state)) return SaveResult::Saved;
    return saveThroughNamedFile(path, state);
}

LoadResult readSaveFile(const char* path, GameState* into)
{
    // Opened without waiting: a FIFO or a device in the saves folder would
    // otherwise hang the game, and only a plain file can hold a save.
    int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return LoadResult::NotFound;
    struct stat status;
    gzFile file = nullptr;
    if (fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) file = gzdopen(fd, "rb");
    if (file == nullptr) {
        close(fd);
        return LoadResult::Corrupted;
    }
    int count = gzread(file, into, RECORD_SIZE);
    gzclose(file);
    if (count != static_cast<int>(RECORD_SIZE) || !isSoundGameState(into))
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
