// Saved games as files in a folder ("saves" where the game was started):
// NAME.dat.gz, the record gzip-compressed; transcripts beside it, in
// "transcripts", as NAME.txt.
#pragma once

#include <string>

#include "ports.h"

class SavesFolder : public SaveStorage {
public:
    explicit SavesFolder(std::string path = "saves", std::string transcriptsPath = "transcripts")
        : folder(std::move(path)), transcripts(std::move(transcriptsPath))
    {
    }
    std::vector<Entry> list() override;
    bool exists(const std::string& name) override;
    Read read(const std::string& name, std::size_t limit, std::string& stored) override;
    Unpacked unpack(std::string_view packed, std::size_t room, std::string& into) override;
    Write write(const std::string& name, std::string_view bytes, std::string& reason) override;
    bool remove(const std::string& name) override;
    std::unique_ptr<Transcript> openTranscript(const std::string& name,
                                               std::string& reason) override;

    std::string pathOf(const std::string& name) const { return folder + "/" + name + ".dat.gz"; }

private:
    // Times the save just written after every other one.
    void stampAsNewest(const std::string& name);

    std::string folder;
    std::string transcripts;
};
