#include "transcript.h"

#include <cstring>
#include <ctime>

#include "portsInUse.h"
#include "screenText.h"

namespace {

// Written out at the latest when this much waits, so a long piped session
// does not gather its whole transcript in memory.
constexpr std::size_t LARGEST_WAIT = 1 << 16;

} // namespace

void TranscriptKeeper::start(std::unique_ptr<SaveStorage::Transcript> opened, std::string name,
                             std::time_t now)
{
    std::tm local{};
    localtime_r(&now, &local);
    char line[64];
    std::strftime(line, sizeof line, "Transcript started %Y-%m-%d %H:%M:%S\n", &local);
    file = std::move(opened);
    failed = false;
    kept = std::move(name);
    pending = line;
}

void TranscriptKeeper::stop()
{
    if (file == nullptr) return;
    writeOut();
    file.reset();
}

bool TranscriptKeeper::finish(std::string_view lastWords)
{
    if (!copying()) return false;
    appendWithoutSequences(lastWords, pending);
    writeOut();
    bool written = !failed;
    file.reset();
    return written;
}

void TranscriptKeeper::copy(std::string_view text)
{
    if (!copying()) return;
    appendWithoutSequences(text, pending);
    if (pending.size() >= LARGEST_WAIT) writeOut();
}

void TranscriptKeeper::copyTyped(const std::string& line)
{
    copy(line);
    copy("\n");
}

void TranscriptKeeper::writeOut()
{
    if (!copying() || pending.empty()) {
        pending.clear();
        return;
    }
    std::string reason;
    failed = !file->append(pending, reason);
    pending.clear();
    // Said once, as the copying ends with it; nor is the message copied.
    if (failed)
        outError("Could not write transcript file: %s; the transcript stops here.\n",
                 reason.c_str());
}

void TranscriptKeeper::Tee::write(const char* data, std::size_t size)
{
    inner.write(data, size);
    keeper.copy({data, size});
}

void TranscriptKeeper::Tee::writeError(const char* data, std::size_t size)
{
    inner.writeError(data, size);
    keeper.copy({data, size});
}

void TranscriptKeeper::Tee::flush()
{
    inner.flush();
    keeper.writeOut();
}

bool TranscriptKeeper::TypedLines::readLine(const char* prompt, std::string& line)
{
    // Written out before every line is read, so a failure is told before
    // the player is asked for more.
    keeper.writeOut();
    // A line editor shows the prompt on the screen alone; before any other
    // source it is printed, and so copied, as all the game shows.
    bool drawn = inner.drawsPrompt();
    if (!drawn) keeper.tee.write(prompt, std::strlen(prompt));
    bool got = inner.readLine(prompt, line);
    if (drawn) keeper.copy(prompt);
    if (got) keeper.copyTyped(line);
    return got;
}

bool TranscriptKeeper::TypedLines::readPlainLine(std::string& line)
{
    keeper.writeOut();
    bool got = inner.readPlainLine(line);
    if (got) keeper.copyTyped(line);
    return got;
}
