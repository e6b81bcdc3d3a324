#include "prompts.h"

#include <cstring>
#include <string>

#include "portsInUse.h"
#include "text.h"

bool readAnswer(LineSource& lines, char* buf, int size)
{
    std::string line;
    bool gotLine = lines.readLine("--> ", line);
    std::memset(buf, 0, static_cast<std::size_t>(size));
    copyText(buf, size, line.c_str());
    return gotLine;
}

bool getInput(char* buf, int size) { return readAnswer(ports().lines, buf, size); }

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
