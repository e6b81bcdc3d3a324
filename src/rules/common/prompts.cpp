#include "prompts.h"

#include <cstring>
#include <string>
#include <string_view>

#include "portsInUse.h"
#include "text.h"

bool getInput(char* buf, int size)
{
    std::string line;
    bool gotLine = ports().lines.readLine("--> ", line);
    std::memset(buf, 0, static_cast<std::size_t>(size));
    // Up to the first NUL, as the game reads text.
    std::string_view text(line.c_str());
    std::size_t kept = wholeCharactersWithin(text, static_cast<std::size_t>(size - 1));
    std::memcpy(buf, text.data(), kept);
    return gotLine;
}

const char* nounOrAnswer(const char* noun, const char* question, char (&answer)[ANSWER_SIZE])
{
    if (noun[0] != '\0') return noun;
    out("%s", question);
    getInput(answer, ANSWER_SIZE);
    return answer;
}

bool readYes()
{
    outFlush();
    std::string answer;
    if (!ports().lines.readPlainLine(answer)) return false;
    return !answer.empty() && (answer[0] == 'y' || answer[0] == 'Y');
}
