#include "console.h"

#include <readline/history.h>
#include <readline/readline.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

#include "screenText.h"

namespace {

// The player can no longer see what the game says; going on would be
// playing blind. (A closed pipe has already ended the game by its signal.)
[[noreturn]] void endOnLostOutput()
{
    std::fprintf(stderr, "Could not write to standard output: %s\n", std::strerror(errno));
    std::_Exit(1);
}

// Standard output. Written out in large blocks when it is a pipe or a file;
// in a terminal, long lines are broken to fit the window.
class StdioSink : public OutputSink {
public:
    StdioSink() : typed(isatty(STDOUT_FILENO) != 0), colourless(colourRefused())
    {
        // The C library takes the size only along with a buffer.
        static char block[BLOCK_SIZE];
        if (!typed) std::setvbuf(stdout, block, _IOFBF, sizeof block);
    }
    void write(const char* data, std::size_t size) override
    {
        std::string_view text(data, size);
        if (colourless) {
            plain.clear();
            appendWithoutColours(text, plain);
            text = plain;
        }
        if (keepsQuestion) noteQuestion(text);
        if (!typed) {
            put(text);
            return;
        }
        shaped.clear();
        wrapper.add(text, windowWidth(), shaped);
        put(shaped);
    }
    void writeError(const char* data, std::size_t size) override
    {
        flush();
        std::fwrite(data, 1, size, stderr);
    }
    void flush() override
    {
        if (typed) {
            shaped.clear();
            wrapper.finish(windowWidth(), shaped);
            put(shaped);
        }
        if (std::fflush(stdout) != 0) endOnLostOutput();
    }
    // What was printed since the last line ended: the question being asked.
    // Kept only for the line editor, which must know it.
    bool keepsQuestion = false;
    const std::string& unfinishedLine() const { return unfinished; }
    void lineAnswered() { unfinished.clear(); }

private:
    static constexpr std::size_t BLOCK_SIZE = 1 << 16;
    bool typed;
    bool colourless;
    std::string plain;
    std::string shaped;
    std::string unfinished;
    LineWrapper wrapper;

    static void put(std::string_view text)
    {
        if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size()) endOnLostOutput();
    }
    void noteQuestion(std::string_view text)
    {
        std::size_t lineEnd = text.rfind('\n');
        if (lineEnd == std::string_view::npos)
            unfinished.append(text);
        else
            unfinished.assign(text.substr(lineEnd + 1));
    }
    // Asked at every line, so a window resized between lines is followed.
    static int windowWidth()
    {
        winsize size{};
        if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) != 0) return 0;
        return size.ws_col;
    }
};

StdioSink stdioSink;

// No line a player means is longer; the rest of a longer one is discarded.
constexpr std::size_t LONGEST_LINE = 4096;

// Standard input, read in large blocks. The game's output is written out
// only when a read would have to wait: a script piped in costs a handful of
// system calls, and a program feeding the game line by line still sees each
// answer before the game waits for the next line.
class BlockInput {
public:
    // Reads a whole line into line; false at end of input.
    bool readLine(std::string& line)
    {
        line.clear();
        bool lineDone = false;
        while (!lineDone) {
            if (next == end && !refill()) {
                if (line.empty()) return false;
                break;
            }
            const char* start = buffer + next;
            const auto* newline = static_cast<const char*>(std::memchr(start, '\n', end - next));
            std::size_t length = newline ? static_cast<std::size_t>(newline - start) : end - next;
            line.append(start, std::min(length, LONGEST_LINE - line.size()));
            next += length;
            lineDone = newline != nullptr;
            if (lineDone) ++next;
        }
        // A script written on another system may end its lines with CR LF.
        if (!line.empty() && line.back() == '\r') line.pop_back();
        return true;
    }

private:
    char buffer[65536];
    std::size_t next = 0;
    std::size_t end = 0;
    bool exhausted = false;

    bool refill()
    {
        if (exhausted) return false;
        outFlush();
        ssize_t got;
        do {
            got = read(STDIN_FILENO, buffer, sizeof buffer);
        } while (got < 0 && errno == EINTR);
        next = 0;
        end = got > 0 ? static_cast<std::size_t>(got) : 0;
        exhausted = got <= 0;
        return !exhausted;
    }
};

bool readStdinLine(std::string& line)
{
    static BlockInput input;
    return input.readLine(line);
}

// Scripted input (a pipe or a file): the same prompts as typed play, but no
// line editor, which would cost dozens of system calls per line and can't
// edit anything here anyway.
class PipedLineSource : public LineSource {
public:
    bool readLine(const char* prompt, std::string& line) override
    {
        out("%s", prompt);
        return readStdinLine(line);
    }
    bool readPlainLine(std::string& line) override { return readStdinLine(line); }
};

// A person at a terminal: every line goes through GNU readline, so lines
// typed or pasted ahead wait their turn in the terminal, one per question,
// and an end of input (Ctrl-D) ends only the question it answers.
class ReadlineLineSource : public LineSource {
public:
    bool readLine(const char* prompt, std::string& line) override
    {
        prepareEditor();
        return edit(prompt, line);
    }
    // The game has printed the question itself: the editor takes it as its
    // prompt, already on the screen, so it is neither printed again nor
    // redrawn over what the line before held. Completion only where the
    // question offers it (a save's name); other answers are free text.
    bool readPlainLine(std::string& line) override
    {
        prepareEditor();
        outFlush();
        const std::string& question = stdioSink.unfinishedLine();
        rl_set_prompt(question.c_str());
        rl_on_new_line_with_prompt();
        rl_redisplay();
        rl_already_prompted = 1;
        rl_inhibit_completion = runState().answerCompleter ? 0 : 1;
        answering = true;
        bool gotLine = edit(question.c_str(), line);
        answering = false;
        rl_already_prompted = 0;
        rl_inhibit_completion = 0;
        return gotLine;
    }
    // Set while an answer to a question is typed, not a command.
    static bool answering;

private:
    static bool edit(const char* prompt, std::string& line)
    {
        outFlush();
        char* typed = readline(prompt);
        stdioSink.lineAnswered();
        if (typed == nullptr) {
            line.clear();
            return false;
        }
        line = typed;
        std::free(typed);
        return true;
    }
    // A pasted block would otherwise arrive as one line holding all its
    // lines. Set after the player's own settings are read, so it holds.
    static void prepareEditor()
    {
        static bool prepared = false;
        if (prepared) return;
        prepared = true;
        rl_initialize();
        rl_variable_bind("enable-bracketed-paste", "off");
    }
};

bool ReadlineLineSource::answering = false;

// Readline asks for one match at a time; the first call computes them all.
char* nextMatch(const char*, int state)
{
    static std::size_t next;
    const std::vector<std::string>& pendingMatches = runState().pendingMatches;
    if (state == 0) next = 0;
    if (next >= pendingMatches.size()) return nullptr;
    return strdup(pendingMatches[next++].c_str());
}

// Item and character names hold spaces ("Small Potion"), but readline
// replaces only the text after the last blank: offer each candidate's tail
// from that point, so the whole name is completed.
char** completeLine(const char* text, int start, int end)
{
    rl_attempted_completion_over = 1;
    bool answering = ReadlineLineSource::answering;
    const Completer& completer = answering ? runState().answerCompleter : runState().completer;
    if (!completer) return nullptr;
    auto [wordStart, words] = completer(std::string(rl_line_buffer, static_cast<std::size_t>(end)));
    std::size_t alreadyTyped =
        static_cast<std::size_t>(start) - std::min<std::size_t>(wordStart, start);
    // A finished verb wants a blank after it; a noun must not get one, as
    // "north " is not a direction, nor a name, which would end in "_".
    bool completingVerb =
        !answering &&
        std::string(rl_line_buffer, wordStart).find_first_not_of(" \t") == std::string::npos;
    rl_completion_append_character = completingVerb ? static_cast<int>(' ') : 0;
    std::vector<std::string>& pendingMatches = runState().pendingMatches;
    pendingMatches.clear();
    for (const std::string& word : words)
        if (word.size() >= alreadyTyped) pendingMatches.push_back(word.substr(alreadyTyped));
    if (pendingMatches.empty()) return nullptr;
    return rl_completion_matches(text, nextMatch);
}

OutputSink* sink = &stdioSink;
LineSource* source = nullptr;

void vwrite(bool toError, const char* format, va_list args)
{
    char small[1024];
    va_list copy;
    va_copy(copy, args);
    // The analyzer does not follow va_copy from a parameter; the list is set.
    // NOLINTNEXTLINE(clang-analyzer-valist.Uninitialized)
    int length = std::vsnprintf(small, sizeof small, format, copy);
    va_end(copy);
    if (length < 0) return;
    const char* data = small;
    std::vector<char> large;
    if (static_cast<std::size_t>(length) >= sizeof small) {
        large.resize(static_cast<std::size_t>(length) + 1);
        va_list again;
        va_copy(again, args);
        // NOLINTNEXTLINE(clang-analyzer-valist.Uninitialized)
        std::vsnprintf(large.data(), large.size(), format, again);
        va_end(again);
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
    // Asked once: the answer cannot change while the game runs.
    static const bool typed = isatty(STDIN_FILENO);
    if (typed) {
        stdioSink.keepsQuestion = true;
        return edited;
    }
    return piped;
}

LineSource* setLineSource(LineSource* newSource) { return std::exchange(source, newSource); }

OutputSink* setOutputSink(OutputSink* newSink)
{
    return std::exchange(sink, newSink ? newSink : &stdioSink);
}

std::function<int()> setRandomSource(std::function<int()> newSource)
{
    return std::exchange(runState().random, std::move(newSource));
}

LineSource& lineSource() { return source ? *source : terminalLineSource(); }

void out(const char* format, ...)
{
    // Most of what the game says is fixed text or one text as it stands;
    // neither needs formatting.
    if (std::strchr(format, '%') == nullptr) {
        sink->write(format, std::strlen(format));
        return;
    }
    va_list args;
    va_start(args, format);
    if (std::strcmp(format, "%s") == 0) {
        // The analyzer loses track of the va_start above; the list is set.
        // NOLINTNEXTLINE(clang-analyzer-valist.Uninitialized)
        const char* text = va_arg(args, const char*);
        if (text == nullptr) text = "(null)"; // as printf shows it
        sink->write(text, std::strlen(text));
    } else {
        vwrite(false, format, args);
    }
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

int gameRandom()
{
    const std::function<int()>& random = runState().random;
    return random ? random() : std::rand();
}

void setCompleter(Completer newCompleter)
{
    runState().completer = std::move(newCompleter);
    rl_attempted_completion_function = completeLine;
    rl_completer_word_break_characters = const_cast<char*>(" \t");
}

void rememberLine(const char* line) { add_history(line); }

void clearRememberedLines() { clear_history(); }

void limitRememberedLines(int count) { stifle_history(count); }

std::vector<std::string> rememberedLines()
{
    std::vector<std::string> lines;
    HIST_ENTRY** list = history_list();
    for (int i = 0; list != nullptr && list[i] != nullptr; ++i)
        lines.emplace_back(list[i]->line);
    return lines;
}

bool getInput(char* buf, int size)
{
    std::string line;
    bool gotLine = lineSource().readLine("--> ", line);
    std::memset(buf, 0, static_cast<std::size_t>(size));
    std::strncpy(buf, line.c_str(), static_cast<std::size_t>(size - 1));
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
    if (!lineSource().readPlainLine(answer)) return false;
    return !answer.empty() && (answer[0] == 'y' || answer[0] == 'Y');
}

void clearScreen()
{
    // Erase the screen and the scrollback, then home the cursor.
    out("\033[2J\033[3J\033[H");
}
