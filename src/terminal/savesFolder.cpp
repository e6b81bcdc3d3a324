#include "savesFolder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#define ZLIB_CONST
#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string_view>

#include "storedFile.h"
#include "transcriptFile.h"

namespace {

constexpr std::string_view SAVE_ENDING = ".dat.gz";

// Compresses the bytes into the open file and waits until they are on disk.
bool writeCompressed(int fd, std::string_view bytes)
{
    errno = 0;
    bool written = false;
    if (gzFile file = gzdopen(dup(fd), "wb")) {
        auto size = static_cast<unsigned>(bytes.size());
        written = gzwrite(file, bytes.data(), size) == static_cast<int>(size);
        written = gzclose(file) == Z_OK && written;
    }
    return written && fsync(fd) == 0;
}

// Where the file system allows, the new save is a file without a name until
// it is whole, so a save killed part-way leaves nothing behind. False when
// that is not possible here or anything on the way fails.
bool saveThroughUnnamedFile(const std::string& folder, const std::string& path,
                            std::string_view bytes)
{
    int fd = open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    bool saved = writeCompressed(fd, bytes);
    // A name of its own first, as only a rename may replace the old save.
    std::string self = "/proc/self/fd/" + std::to_string(fd);
    std::string temporary = path + "." + std::to_string(getpid());
    saved = saved &&
            linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temporary.c_str(), AT_SYMLINK_FOLLOW) == 0;
    close(fd);
    if (saved && std::rename(temporary.c_str(), path.c_str()) == 0) return true;
    if (saved) std::remove(temporary.c_str());
    return false;
}

// Elsewhere the new save is written under a temporary name beside the old.
SaveStorage::Write saveThroughNamedFile(const std::string& path, std::string_view bytes)
{
    std::string temporary = path + ".XXXXXX";
    int fd = mkstemp(temporary.data());
    if (fd < 0) return SaveStorage::Write::OpenFailed;
    mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);

    bool written = writeCompressed(fd, bytes);
    written = close(fd) == 0 && written;
    written = written && std::rename(temporary.c_str(), path.c_str()) == 0;
    if (written) return SaveStorage::Write::Written;
    int reason = errno ? errno : EIO;
    std::remove(temporary.c_str());
    errno = reason;
    return SaveStorage::Write::WriteFailed;
}

// A time further ahead than this is a clock gone wrong, not a save just
// written: a new save is not pushed after it.
constexpr std::int64_t LARGEST_LEAD = std::int64_t{60} * 1000000000;

std::int64_t fineNow()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

} // namespace

std::vector<SaveStorage::Entry> SavesFolder::list()
{
    namespace fs = std::filesystem;
    std::vector<Entry> saves;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        std::string file = entry.path().filename().string();
        struct stat status;
        if (file.size() < SAVE_ENDING.size() || !file.ends_with(SAVE_ENDING)) continue;
        if (stat(entry.path().c_str(), &status) != 0 || !S_ISREG(status.st_mode)) continue;
        std::int64_t written =
            static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec;
        saves.push_back({file.substr(0, file.size() - SAVE_ENDING.size()), written});
    }
    return saves;
}

bool SavesFolder::exists(const std::string& name)
{
    // Asked of the folder, not the file: a save nobody may read, or one that
    // is no plain file, still exists, and asking never waits on it.
    struct stat status;
    return lstat(pathOf(name).c_str(), &status) == 0;
}

SaveStorage::Read SavesFolder::read(const std::string& name, std::size_t limit, std::string& stored)
{
    return readStoredFile(pathOf(name), limit, stored);
}

SaveStorage::Unpacked SavesFolder::unpack(std::string_view packed, std::size_t room,
                                          std::string& into)
{
    z_stream stream{};
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK) return {false, 0};
    // One byte more than the room tells a longer content from one that fits.
    std::size_t before = into.size();
    into.resize(before + room + 1);
    stream.next_in = reinterpret_cast<const Bytef*>(packed.data());
    stream.avail_in = static_cast<uInt>(packed.size());
    stream.next_out = reinterpret_cast<Bytef*>(into.data() + before);
    stream.avail_out = static_cast<uInt>(room + 1);
    // One member, its length and checksum checked at its end.
    bool ended = inflate(&stream, Z_FINISH) == Z_STREAM_END;
    into.resize(before + stream.total_out);
    Unpacked unpacked{ended && stream.total_out <= room, stream.total_in};
    inflateEnd(&stream);
    return unpacked;
}

SaveStorage::Write SavesFolder::write(const std::string& name, std::string_view bytes,
                                      std::string& reason)
{
    // Either way the new save replaces the old one only once it is whole, so
    // a crash or a full disk never costs the player a saved game.
    std::string path = pathOf(name);
    Write result = saveThroughUnnamedFile(folder, path, bytes) ? Write::Written
                                                               : saveThroughNamedFile(path, bytes);
    if (result != Write::Written) {
        reason = std::strerror(errno);
        return result;
    }
    stampAsNewest(name);
    return result;
}

void SavesFolder::stampAsNewest(const std::string& name)
{
    // The file system times a file by a clock that ticks every few
    // milliseconds, so saves written in one tick would list in no order.
    // Timed from a fine clock, later than every other save, the newest is
    // always listed first. Should that fail, only the order suffers.
    std::int64_t now = fineNow();
    std::int64_t stamp = now;
    for (const Entry& save : list())
        if (save.name != name && save.writtenNanoseconds < now + LARGEST_LEAD)
            stamp = std::max(stamp, save.writtenNanoseconds + 1);
    timespec times[2] = {{0, UTIME_OMIT},
                         {static_cast<time_t>(stamp / 1000000000), stamp % 1000000000}};
    utimensat(AT_FDCWD, pathOf(name).c_str(), times, AT_SYMLINK_NOFOLLOW);
}

bool SavesFolder::remove(const std::string& name) { return std::remove(pathOf(name).c_str()) == 0; }

std::unique_ptr<SaveStorage::Transcript> SavesFolder::openTranscript(const std::string& name,
                                                                     std::string& reason)
{
    // Opened without waiting, as a FIFO left here would hang the game; and
    // never through a link, which could point at any file of the player's.
    return TranscriptFile::openIn(transcripts, name, O_NONBLOCK | O_NOCTTY | O_NOFOLLOW, reason);
}
