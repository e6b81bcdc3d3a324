#include "saveList.h"

#include <sys/stat.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "console.h"
#include "saveLoad.h"
#include "text.h"

namespace {

namespace fs = std::filesystem;

constexpr std::string_view SAVE_ENDING = ".dat.gz";
constexpr std::size_t LONGEST_NAME = 240;

struct SaveFile {
    std::string name; // as typed at the load prompt
    std::string path;
    std::timespec written; // to the nanosecond: saves made in one second still have an order
};

// A name the load prompt turns into this very file.
bool canBeTyped(const std::string& name)
{
    std::string cleaned = name;
    sanitizeFilename(cleaned.data());
    return cleaned == name && name.size() <= LONGEST_NAME && name.find('\0') == std::string::npos;
}

std::vector<SaveFile> findSaves()
{
    std::vector<SaveFile> saves;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator("saves", error)) {
        std::string file = entry.path().filename().string();
        struct stat status;
        if (file.size() < SAVE_ENDING.size() || !file.ends_with(SAVE_ENDING)) continue;
        if (stat(entry.path().c_str(), &status) != 0 || !S_ISREG(status.st_mode)) continue;
        saves.push_back({file.substr(0, file.size() - SAVE_ENDING.size()), entry.path().string(),
                         status.st_mtim});
    }
    std::sort(saves.begin(), saves.end(), [](const SaveFile& a, const SaveFile& b) {
        if (a.written.tv_sec != b.written.tv_sec) return a.written.tv_sec > b.written.tv_sec;
        if (a.written.tv_nsec != b.written.tv_nsec) return a.written.tv_nsec > b.written.tv_nsec;
        return a.name < b.name;
    });
    return saves;
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

std::string when(const std::timespec& written)
{
    std::tm local{};
    localtime_r(&written.tv_sec, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return text;
}

void describeSave(const SaveFile& save, GameState* record)
{
    if (!canBeTyped(save.name) || readSaveFile(save.path.c_str(), record) != LoadResult::Loaded) {
        // A file named by hand may hold anything, escape sequences too.
        std::string shown = save.name;
        keepPrintable(shown.data());
        out("  %s: damaged, cannot be loaded; written %s\n", shown.c_str(),
            when(save.written).c_str());
        return;
    }
    const Entity& player = record->player;
    out("  %s: %s at the %s, %s played; written %s\n", save.name.c_str(), player.name,
        record->locations[player.locationId].name, timePlayed(record->minutesPassed).c_str(),
        when(save.written).c_str());
}

} // namespace

void listSaves()
{
    std::vector<SaveFile> saves = findSaves();
    if (saves.empty()) {
        out("There are no saved games yet.\n");
        return;
    }
    out("Saved games, newest first (type the name at the load prompt):\n");
    auto record = std::make_unique<GameState>();
    for (const SaveFile& save : saves)
        describeSave(save, record.get());
}
