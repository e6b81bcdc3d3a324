// Saves, transcripts and the journey as the page keeps them: each an entry
// of its own in the browser's storage, which the page's script
// (web/page/storage.js) writes and reads one at a time. Save files are gzip,
// packed and unpacked as under Node.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "webPorts.h"

class PageSaves : public HostPackedSaves {
public:
    std::vector<Entry> list() override;
    bool exists(const std::string& name) override;
    Read read(const std::string& name, std::size_t limit, std::string& stored) override;
    Write write(const std::string& name, std::string_view bytes, std::string& reason) override;
    bool remove(const std::string& name) override;
    std::unique_ptr<Transcript> openTranscript(const std::string& name,
                                               std::string& reason) override;
    void keepJourney(std::string_view record) override;
};
