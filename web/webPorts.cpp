#include "webPorts.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "hostImports.h"
#include "portsInUse.h"
#include "storedFile.h"
#include "transcriptFile.h"

bool takeHostBlock(char* block, std::string& into)
{
    if (block == nullptr) return false;
    std::uint32_t size;
    std::memcpy(&size, block, sizeof size);
    into.assign(block + sizeof size, size);
    std::free(block);
    return true;
}

namespace {

const char* const SAVE_FOLDER = "saves";
const char* const TRANSCRIPT_FOLDER = "transcripts";
constexpr std::string_view SAVE_ENDING = ".dat.gz";
std::string savePath(const std::string& name)
{
    return std::string(SAVE_FOLDER) + "/" + name + std::string(SAVE_ENDING);
}

} // namespace

std::string gzip(std::string_view bytes)
{
    std::string packed;
    takeHostBlock(hostPack(bytes.data(), bytes.size()), packed);
    return packed;
}

SaveStorage::Unpacked HostPackedSaves::unpack(std::string_view packed, std::size_t room,
                                              std::string& into)
{
    std::uint32_t used = 0;
    std::string unpacked;
    if (!takeHostBlock(hostUnpack(packed.data(), packed.size(), room, &used), unpacked) ||
        unpacked.size() > room)
        return {false, used};
    into += unpacked;
    return {true, used};
}

bool HostLines::readLine(const char*, std::string& line)
{
    outFlush();
    line.clear();
    return takeHostBlock(hostReadLine(0), line);
}

bool HostLines::readPlainLine(std::string& line)
{
    outFlush();
    line.clear();
    answering = true;
    bool gotLine = takeHostBlock(hostReadLine(1), line);
    answering = false;
    return gotLine;
}

void HostLines::remember(const std::string& line) { hostRemember(line.data(), line.size()); }

std::string HostLines::complete(const std::string& typed) const
{
    const Completer& offered = answering ? answers : commands;
    if (!offered) return typed + "\n";
    auto [wordStart, words] = offered(typed);
    // As the terminal's line editor does: only the text after the last blank
    // is replaced, so a name with blanks is finished from that point.
    std::size_t lastBlank = typed.find_last_of(" \t");
    std::size_t start = lastBlank == std::string::npos ? 0 : lastBlank + 1;
    std::size_t alreadyTyped = start - std::min(wordStart, start);
    // A finished verb wants a blank after it; a noun or a save's name none.
    bool completingVerb = !answering && typed.find_first_not_of(" \t") >= wordStart;
    std::vector<std::string> tails;
    for (const std::string& word : words)
        if (word.size() >= alreadyTyped) tails.push_back(word.substr(alreadyTyped));
    if (tails.empty()) return typed + "\n";
    // One match is finished; several give way to what they share.
    std::string shared = tails.front();
    for (const std::string& tail : tails) {
        std::size_t same = 0;
        while (same < shared.size() && same < tail.size() && shared[same] == tail[same])
            ++same;
        shared.resize(same);
    }
    std::string replaced = typed.substr(0, start);
    if (tails.size() == 1)
        replaced += tails.front() + (completingVerb ? " " : "");
    else if (shared.size() >= typed.size() - start)
        replaced += shared;
    else
        replaced = typed;
    std::string answer = replaced + "\n";
    if (tails.size() > 1)
        for (const std::string& tail : tails)
            answer += tail + "\n";
    return answer;
}

void HostOutput::write(const char* data, std::size_t size)
{
    if (colourless)
        appendWithoutColours(std::string_view(data, size), pending);
    else
        pending.append(data, size);
    if (pending.size() >= 1 << 16) send();
}

void HostOutput::writeError(const char* data, std::size_t size)
{
    flush();
    hostWrite(data, size, 1);
}

void HostOutput::flush()
{
    send();
    int width = hostColumns();
    if (width <= 0) return;
    // A prompt or question ends the text until the player answers.
    shaped.clear();
    wrapper.finish(width, shaped);
    if (!shaped.empty()) hostWrite(shaped.data(), shaped.size(), 0);
}

void HostOutput::send()
{
    if (pending.empty()) return;
    // Asked each time, so a window resized between lines is followed.
    int width = hostColumns();
    if (width <= 0) {
        hostWrite(pending.data(), pending.size(), 0);
    } else {
        shaped.clear();
        wrapper.add(pending, width, shaped);
        if (!shaped.empty()) hostWrite(shaped.data(), shaped.size(), 0);
    }
    pending.clear();
}

void HostSound::play(const char* effect)
{
    if (!silent) hostPlay(effect, std::strlen(effect));
}

std::time_t HostClock::now() { return static_cast<std::time_t>(hostNow()); }

std::vector<SaveStorage::Entry> HostSaves::list()
{
    std::vector<Entry> saves;
    DIR* folder = opendir(SAVE_FOLDER);
    if (folder == nullptr) return saves;
    while (dirent* entry = readdir(folder)) {
        std::string file = entry->d_name;
        if (file.size() < SAVE_ENDING.size() || !file.ends_with(SAVE_ENDING)) continue;
        struct stat status;
        std::string path = std::string(SAVE_FOLDER) + "/" + file;
        if (stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) continue;
        // The C library here knows the time only to the second; the host
        // knows it as finely as its files keep it, so saves written within
        // one second are listed newest first as in the terminal.
        std::int32_t written[2] = {static_cast<std::int32_t>(status.st_mtim.tv_sec), 0};
        hostWrittenAt(path.c_str(), written);
        saves.push_back({file.substr(0, file.size() - SAVE_ENDING.size()),
                         std::int64_t{written[0]} * 1000000000 + written[1]});
    }
    closedir(folder);
    return saves;
}

bool HostSaves::exists(const std::string& name)
{
    struct stat status;
    return lstat(savePath(name).c_str(), &status) == 0;
}

SaveStorage::Read HostSaves::read(const std::string& name, std::size_t limit, std::string& stored)
{
    return readStoredFile(savePath(name), limit, stored);
}

SaveStorage::Write HostSaves::write(const std::string& name, std::string_view bytes,
                                    std::string& reason)
{
    std::string packed = gzip(bytes);
    std::string path = savePath(name);
    std::string temporary = path + ".new";
    int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (packed.empty() || fd < 0) {
        reason = packed.empty() ? "could not compress" : std::strerror(errno);
        if (fd >= 0) close(fd);
        return Write::OpenFailed;
    }
    bool written = ::write(fd, packed.data(), packed.size()) == static_cast<ssize_t>(packed.size());
    written = close(fd) == 0 && written && hostKeep(temporary.c_str()) == 0;
    // The old save goes only once the new one is whole and kept; then the
    // folder is kept as it now stands.
    if (written && std::rename(temporary.c_str(), path.c_str()) == 0 && hostKeep(SAVE_FOLDER) == 0)
        return Write::Written;
    reason = std::strerror(errno ? errno : EIO);
    std::remove(temporary.c_str());
    return Write::WriteFailed;
}

bool HostSaves::remove(const std::string& name)
{
    return std::remove(savePath(name).c_str()) == 0 && hostKeep(SAVE_FOLDER) == 0;
}

std::unique_ptr<SaveStorage::Transcript> HostSaves::openTranscript(const std::string& name,
                                                                   std::string& reason)
{
    // Node's file system under emscripten takes no terminal or waiting flags.
    return TranscriptFile::openIn(TRANSCRIPT_FOLDER, name, 0, reason);
}
