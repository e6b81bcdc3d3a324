#include "console.h"

#include <readline/history.h>
#include <readline/readline.h>
#include <unistd.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

class StdioSink : public OutputSink {
public:
    void write(const char* data, std::size_t size) override { std::fwrite(data, 1, size, stdout); }
    void writeError(const char* data, std::size_t size) override
    {
        std::fflush(stdout);
        std::fwrite(data, 1, size, stderr);
    }
    void flush() override { std::fflush(stdout); }
};

// Reads a whole line from stdin into line; false at end of input.
bool readStdinLine(std::string& line)
{
    line.clear();
    int c;
    while ((c = std::getc(stdin)) != EOF && c != '\n')
        line.push_back(static_cast<char>(c));
    if (c == EOF && line.empty()) return false;
    // A script written on another system may end its lines with CR LF.
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

// Scripted input (a pipe or a file): the same prompts as typed play, but no
// line editor, which would cost dozens of system calls per line and can't
// edit anything here anyway.
class PipedLineSource : public LineSource {
public:
    bool readLine(const char* prompt, std::string& line) override
    {
        out("%s", prompt);
        outFlush();
        return readStdinLine(line);
    }
    bool readPlainLine(std::string& line) override
    {
        outFlush();
        return readStdinLine(line);
    }
};

// A person at a terminal: GNU readline for the command prompt.
class ReadlineLineSource : public LineSource {
public:
    bool readLine(const char* prompt, std::string& line) override
    {
        outFlush();
        char* typed = readline(prompt);
        if (typed == nullptr) {
            line.clear();
            return false;
        }
        line = typed;
        std::free(typed);
        return true;
    }
    bool readPlainLine(std::string& line) override
    {
        outFlush();
        return readStdinLine(line);
    }
};

StdioSink stdioSink;
OutputSink* sink = &stdioSink;
LineSource* source = nullptr;
std::function<int()> randomSource;

void vwrite(bool toError, const char* format, va_list args)
{
    char small[1024];
    va_list copy;
    va_copy(copy, args);
    int length = std::vsnprintf(small, sizeof small, format, copy);
    va_end(copy);
    if (length < 0) return;
    const char* data = small;
    std::vector<char> large;
    if (static_cast<std::size_t>(length) >= sizeof small) {
        large.resize(static_cast<std::size_t>(length) + 1);
        std::vsnprintf(large.data(), large.size(), format, args);
        data = large.data();
    }
    if (toError)
        sink->writeError(data, static_cast<std::size_t>(length));
    else
        sink->write(data, static_cast<std::size_t>(length));
}

} // namespace

LineSource& terminalLineSource()
{
    static PipedLineSource piped;
    static ReadlineLineSource edited;
    if (isatty(STDIN_FILENO)) return edited;
    return piped;
}

void setLineSource(LineSource* newSource) { source = newSource; }
void setOutputSink(OutputSink* newSink) { sink = newSink ? newSink : &stdioSink; }
void setRandomSource(std::function<int()> newSource) { randomSource = std::move(newSource); }

LineSource& lineSource() { return source ? *source : terminalLineSource(); }

void out(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    vwrite(false, format, args);
    va_end(args);
}

void outError(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    vwrite(true, format, args);
    va_end(args);
}

void outFlush() { sink->flush(); }

int gameRandom() { return randomSource ? randomSource() : std::rand(); }

void rememberLine(const char* line) { add_history(line); }

void clearRememberedLines() { clear_history(); }

void limitRememberedLines(int count) { stifle_history(count); }
