// The manual page lists every command and shorthand the game knows, so the
// two cannot drift apart.
#include <gtest/gtest.h>

#include <string>

#include "commandTable.h"
#include "programRunner.h"

namespace {

std::string commandsSection()
{
    const std::string all = slurp(SOURCE_DIR "/doc/lanternmoor.6.in");
    std::size_t start = all.find("\n.SH COMMANDS\n");
    std::size_t end = all.find("\n.SH ", start + 1);
    if (start == std::string::npos) return "";
    return all.substr(start, end - start);
}

bool listed(const std::string& section, const std::string& word)
{
    return section.find(std::string("\\fB") + word + "\\fR") != std::string::npos;
}

} // namespace

TEST(Manual, ListsEveryCommandAndShorthand)
{
    const std::string section = commandsSection();
    ASSERT_FALSE(section.empty());
    for (const Command& command : commands)
        for (const char* word : command.words) {
            if (word == nullptr) continue;
            EXPECT_TRUE(listed(section, word)) << word;
        }
    for (const Alias& alias : aliases)
        EXPECT_TRUE(listed(section, alias.input)) << alias.input;
}
