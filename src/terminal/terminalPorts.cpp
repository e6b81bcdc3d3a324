#include "terminalPorts.h"

#include <readline/history.h>
#include <readline/readline.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string_view>
#include <utility>
#include <vector>

#include "portsInUse.h"
#include "screenText.h"
#include "session.h"

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
            line.append(start, std::min(length, LONGEST_TYPED_LINE - line.size()));
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
    bool readLine(const char*, std::string& line) override { return readStdinLine(line); }
    bool readPlainLine(std::string& line) override { return readStdinLine(line); }
};

// What Tab offers at the command prompt and at a question that offers
// answers (a save's name), whether an answer is being typed, and the matches
// readline is being handed one by one. Readline's callbacks take no context
// of their own.
Completer completer;
Completer answerCompleter;
bool answering = false;
std::vector<std::string> pendingMatches;

// Readline asks for one match at a time; the first call computes them all.
char* nextMatch(const char*, int state)
{
    static std::size_t next;
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
    const Completer& offered = answering ? answerCompleter : completer;
    if (!offered) return nullptr;
    auto [wordStart, words] = offered(std::string(rl_line_buffer, static_cast<std::size_t>(end)));
    std::size_t alreadyTyped = static_cast<std::size_t>(start) -
                               std::min<std::size_t>(wordStart, static_cast<std::size_t>(start));
    // A finished verb wants a blank after it; a noun must not get one, as
    // "north " is not a direction, nor a name, which would end in "_".
    bool completingVerb =
        !answering &&
        std::string(rl_line_buffer, wordStart).find_first_not_of(" \t") == std::string::npos;
    rl_completion_append_character = completingVerb ? static_cast<int>(' ') : 0;
    pendingMatches.clear();
    for (const std::string& word : words)
        if (word.size() >= alreadyTyped) pendingMatches.push_back(word.substr(alreadyTyped));
    if (pendingMatches.empty()) return nullptr;
    return rl_completion_matches(text, nextMatch);
}

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
    bool drawsPrompt() const override { return true; }
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
        rl_inhibit_completion = answerCompleter ? 0 : 1;
        answering = true;
        bool gotLine = edit(question.c_str(), line);
        answering = false;
        rl_already_prompted = 0;
        rl_inhibit_completion = 0;
        return gotLine;
    }
    void remember(const std::string& line) override { add_history(line.c_str()); }
    void offerCompletions(Completer offered) override
    {
        completer = std::move(offered);
        rl_attempted_completion_function = completeLine;
        rl_completer_word_break_characters = const_cast<char*>(" \t");
    }
    void offerAnswers(Completer offered) override { answerCompleter = std::move(offered); }

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

} // namespace

LineSource& terminalLines()
{
    static PipedLineSource piped;
    static ReadlineLineSource edited;
    // Asked once: the answer cannot change while the game runs.
    static const bool typed = isatty(STDIN_FILENO);
    if (!typed) return piped;
    stdioSink.keepsQuestion = true;
    static bool prepared = false;
    if (!prepared) {
        prepared = true;
        // The up arrow offers as many lines as "history" lists.
        stifle_history(static_cast<int>(Session::HISTORY_KEPT));
    }
    return edited;
}

OutputSink& terminalOutput() { return stdioSink; }

std::time_t SystemClock::now() { return std::time(nullptr); }
