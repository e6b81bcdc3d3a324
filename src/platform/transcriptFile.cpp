#include "transcriptFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>

#include "screenText.h"

namespace {

// Written out at the latest when this much waits, so a long piped session
// does not gather its whole transcript in memory.
constexpr std::size_t LARGEST_WAIT = 1 << 16;

} // namespace

std::string TranscriptFile::open(const char* path)
{
    // Opened without waiting, as a FIFO left here would hang the game; and
    // only a plain file is written to, as one whose reader goes away would
    // end it.
    int file =
        ::open(path, O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666);
    if (file < 0) return std::strerror(errno);
    struct stat status;
    if (fstat(file, &status) != 0 || !S_ISREG(status.st_mode)) {
        close(file);
        return "not a plain file";
    }
    where = path;
    take(file);
    return "";
}

void TranscriptFile::start()
{
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char line[64];
    std::strftime(line, sizeof line, "Transcript started %Y-%m-%d %H:%M:%S\n", &local);
    pending = line;
    tee.inner = setOutputSink(&tee);
    typed.inner = setLineSource(&typed);
}

void TranscriptFile::stop()
{
    if (fd < 0) return;
    // Only what is still ours is put back: whatever the game has put in its
    // place since stays.
    if (OutputSink* current = setOutputSink(tee.inner); current != &tee) setOutputSink(current);
    if (LineSource* current = setLineSource(typed.inner); current != &typed) setLineSource(current);
    writeOut();
    close(fd);
    fd = -1;
}

void TranscriptFile::copy(std::string_view text)
{
    copied += text.size();
    if (!copying()) return;
    appendWithoutSequences(text, pending);
    if (pending.size() >= LARGEST_WAIT) writeOut();
}

void TranscriptFile::copyTyped(const std::string& line)
{
    copy(line);
    copy("\n");
}

void TranscriptFile::writeOut()
{
    std::size_t done = 0;
    bool wasCopying = copying();
    errno = 0;
    while (copying() && done < pending.size()) {
        ssize_t written = ::write(fd, pending.data() + done, pending.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) failed = true;
        if (written > 0) done += static_cast<std::size_t>(written);
    }
    int reason = errno ? errno : EIO;
    pending.clear();
    // Said once, as the copying ends with it; nor is the message copied.
    if (wasCopying && failed)
        outError("Could not write transcript file: %s; the transcript stops here.\n",
                 std::strerror(reason));
}

void TranscriptFile::Tee::write(const char* data, std::size_t size)
{
    inner->write(data, size);
    file.copy({data, size});
}

void TranscriptFile::Tee::writeError(const char* data, std::size_t size)
{
    inner->writeError(data, size);
    file.copy({data, size});
}

void TranscriptFile::Tee::flush()
{
    inner->flush();
    file.writeOut();
}

bool TranscriptFile::TypedLines::readLine(const char* prompt, std::string& line)
{
    std::size_t before = file.copied;
    bool got = source().readLine(prompt, line);
    // The line editor draws its prompt itself; other sources print it.
    if (file.copied == before) file.copy(prompt);
    if (got) file.copyTyped(line);
    return got;
}

bool TranscriptFile::TypedLines::readPlainLine(std::string& line)
{
    bool got = source().readPlainLine(line);
    if (got) file.copyTyped(line);
    return got;
}
