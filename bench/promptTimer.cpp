// Start-up as a player feels it: the time from starting a program until its
// first "--> " prompt arrives, through a pipe. Each program is started many
// times, alternating, and the median is reported.
//
//   promptTimer RUNS PROGRAM [ARG...] -- PROGRAM [ARG...] ...
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsToPrompt(const std::vector<std::string>& command)
{
    int toChild[2];
    int fromChild[2];
    if (pipe(toChild) != 0 || pipe(fromChild) != 0) return -1;
    auto start = Clock::now();
    pid_t child = fork();
    if (child == 0) {
        dup2(toChild[0], 0);
        dup2(fromChild[1], 1);
        close(toChild[1]);
        close(fromChild[0]);
        std::vector<char*> argv;
        argv.reserve(command.size() + 1);
        for (const std::string& word : command)
            argv.push_back(const_cast<char*>(word.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(toChild[0]);
    close(fromChild[1]);
    std::string seen;
    double elapsed = -1;
    char buffer[4096];
    ssize_t got;
    while ((got = read(fromChild[0], buffer, sizeof buffer)) > 0) {
        seen.append(buffer, static_cast<std::size_t>(got));
        if (seen.find("--> ") != std::string::npos) {
            elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            break;
        }
    }
    ssize_t sent = write(toChild[1], "3\n", 2);
    (void)sent;
    close(toChild[1]);
    while (read(fromChild[0], buffer, sizeof buffer) > 0) {
    }
    close(fromChild[0]);
    waitpid(child, nullptr, 0);
    return elapsed;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM [ARG...] [-- PROGRAM [ARG...]]...\n", argv[0]);
        return 2;
    }
    int runs = std::stoi(argv[1]);
    std::vector<std::vector<std::string>> commands(1);
    for (int i = 2; i < argc; ++i) {
        if (std::string(argv[i]) == "--")
            commands.emplace_back();
        else
            commands.back().push_back(argv[i]);
    }
    std::vector<std::vector<double>> times(commands.size());
    for (int run = 0; run < runs; ++run)
        for (std::size_t c = 0; c < commands.size(); ++c)
            times[c].push_back(millisecondsToPrompt(commands[c]));
    for (std::size_t c = 0; c < commands.size(); ++c) {
        std::sort(times[c].begin(), times[c].end());
        std::string name;
        for (const std::string& word : commands[c])
            name += word + " ";
        std::printf("%8.3f ms median to the first prompt  %s\n", times[c][times[c].size() / 2],
                    name.c_str());
    }
    return 0;
}
