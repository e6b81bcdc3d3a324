// The map of the house (doc/ARCHITECTURE.md) names files and folders; each
// must be there, so the page cannot drift from the code it describes.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>

#include "programRunner.h"

namespace {

// A quoted word that reads as a path: no blank, and a slash or a file ending.
bool looksLikePath(const std::string& word)
{
    static const std::regex path(R"([\w.\-/]+)");
    static const std::regex ending(R"(.*\.(h|cpp|in|md|py|js|json|txt|sh|cmake)$)");
    return std::regex_match(word, path) &&
           (word.find('/') != std::string::npos || std::regex_match(word, ending));
}

} // namespace

TEST(Architecture, EveryPathThePageNamesExists)
{
    const std::string page = slurp(SOURCE_DIR "/doc/ARCHITECTURE.md");
    ASSERT_FALSE(page.empty());
    static const std::regex quoted("`([^`]+)`");
    int paths = 0;
    for (std::sregex_iterator it(page.begin(), page.end(), quoted), end; it != end; ++it) {
        std::string word = (*it)[1];
        if (!looksLikePath(word)) continue;
        ++paths;
        EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(SOURCE_DIR) / word)) << word;
    }
    // The page is read for what it names: a change that hides its paths fails too.
    EXPECT_GT(paths, 50);
    EXPECT_NE(slurp(SOURCE_DIR "/README.md").find("doc/ARCHITECTURE.md"), std::string::npos);
}
