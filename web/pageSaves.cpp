#include "pageSaves.h"

#include <cstdint>
#include <cstdlib>

#include "hostImports.h"
#include "webPorts.h"

namespace {

// Appended to one transcript in the page's storage; each piece waits until
// the storage has kept it or refused it.
class PageTranscript : public SaveStorage::Transcript {
public:
    explicit PageTranscript(std::string name) : name(std::move(name)) {}
    bool append(std::string_view text, std::string& reason) override
    {
        return !takeHostBlock(hostAppendTranscript(name.c_str(), text.data(), text.size()), reason);
    }

private:
    std::string name;
};

} // namespace

std::vector<SaveStorage::Entry> PageSaves::list()
{
    std::vector<Entry> saves;
    std::string listed;
    takeHostBlock(hostListSaves(), listed);
    // One save a line: when it was written, in nanoseconds, then its name.
    std::size_t at = 0;
    while (at < listed.size()) {
        std::size_t end = listed.find('\n', at);
        if (end == std::string::npos) end = listed.size();
        std::size_t blank = listed.find(' ', at);
        if (blank < end)
            saves.push_back({listed.substr(blank + 1, end - blank - 1),
                             std::strtoll(listed.c_str() + at, nullptr, 10)});
        at = end + 1;
    }
    return saves;
}

bool PageSaves::exists(const std::string& name)
{
    for (const Entry& save : list())
        if (save.name == name) return true;
    return false;
}

SaveStorage::Read PageSaves::read(const std::string& name, std::size_t limit, std::string& stored)
{
    int failed = 0;
    if (!takeHostBlock(hostReadSave(name.c_str(), limit + 1, &failed), stored))
        return failed != 0 ? Read::Unreadable : Read::NotFound;
    return stored.size() <= limit ? Read::Found : Read::Unreadable;
}

SaveStorage::Write PageSaves::write(const std::string& name, std::string_view bytes,
                                    std::string& reason)
{
    std::string packed = gzip(bytes);
    if (packed.empty()) {
        reason = "could not compress";
        return Write::OpenFailed;
    }
    // The storage replaces the save only once the new one is kept whole.
    if (takeHostBlock(hostWriteSave(name.c_str(), packed.data(), packed.size()), reason))
        return Write::WriteFailed;
    return Write::Written;
}

bool PageSaves::remove(const std::string& name) { return hostRemoveSave(name.c_str()) == 0; }

std::unique_ptr<SaveStorage::Transcript> PageSaves::openTranscript(const std::string& name,
                                                                   std::string& reason)
{
    // Nothing appended makes the transcript if it is not there yet.
    auto transcript = std::make_unique<PageTranscript>(name);
    if (!transcript->append({}, reason)) return nullptr;
    return transcript;
}

void PageSaves::keepJourney(std::string_view record)
{
    hostKeepJourney(record.data(), record.size());
}
