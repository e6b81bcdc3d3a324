#include "terminalDriver.h"

#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

Terminal::Terminal(unsigned short columns)
{
    winsize window{24, columns, 0, 0};
    child = forkpty(&master, nullptr, nullptr, &window);
    if (child == 0) {
        setenv("TERM", "xterm", 1);
        execl(GAME_BINARY, GAME_BINARY, "--no-audio", static_cast<char*>(nullptr));
        _exit(127);
    }
}

Terminal::~Terminal()
{
    close(master);
    int status;
    kill(child, SIGKILL);
    waitpid(child, &status, 0);
}

void Terminal::resize(unsigned short columns)
{
    winsize window{24, columns, 0, 0};
    ioctl(master, TIOCSWINSZ, &window);
}

constexpr auto WAIT_AT_MOST = std::chrono::seconds(10);

void Terminal::type(const std::string& keys)
{
    ssize_t written = write(master, keys.data(), keys.size());
    (void)written;
}

void Terminal::waitForEditor()
{
    auto deadline = std::chrono::steady_clock::now() + WAIT_AT_MOST;
    termios mode{};
    while (tcgetattr(master, &mode) == 0 && (mode.c_lflag & ICANON) &&
           std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

bool readUntil(int fd, const std::string& text, std::string& screen, std::size_t& seen)
{
    auto deadline = std::chrono::steady_clock::now() + WAIT_AT_MOST;
    while (screen.find(text, seen) == std::string::npos) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return false;
        pollfd ready{fd, POLLIN, 0};
        if (poll(&ready, 1, static_cast<int>(left.count())) <= 0) return false;
        char buffer[4096];
        ssize_t got = read(fd, buffer, sizeof buffer);
        if (got <= 0) return false;
        screen.append(buffer, static_cast<std::size_t>(got));
    }
    seen = screen.find(text, seen) + text.size();
    return true;
}

testing::AssertionResult Terminal::play(const Steps& steps, bool editorFirst)
{
    for (const auto& [keys, text] : steps) {
        if (editorFirst) waitForEditor();
        type(keys);
        if (!waitFor(text))
            return testing::AssertionFailure()
                   << "no \"" << text << "\" after typing \"" << keys << "\"; the screen:\n"
                   << screen;
    }
    return testing::AssertionSuccess();
}
