#include "programRunner.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <fstream>
#include <iterator>

pid_t startProgram(const std::vector<std::string>& options, const std::string& input,
                   const char* output, const Settings& environment)
{
    std::ofstream("input.txt", std::ios::binary) << input;
    return launchProgram(options, output, environment);
}

pid_t launchProgram(const std::vector<std::string>& options, const char* output,
                    const Settings& environment)
{
    pid_t child = fork();
    if (child == 0) {
        for (const std::string& setting : environment)
            putenv(const_cast<char*>(setting.c_str()));
        dup2(open("input.txt", O_RDONLY), 0);
        dup2(open(output, O_WRONLY | O_CREAT | O_TRUNC, 0644), 1);
        dup2(open("err.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
        std::vector<char*> argv{const_cast<char*>(GAME_BINARY)};
        for (const std::string& option : options)
            argv.push_back(const_cast<char*>(option.c_str()));
        argv.push_back(nullptr);
        execv(GAME_BINARY, argv.data());
        _exit(127);
    }
    return child;
}

int waitForExit(pid_t child, long* peakKb)
{
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (peakKb) *peakKb = usage.ru_maxrss;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

ProgramRun runProgram(const std::vector<std::string>& options, const std::string& input,
                      const Settings& environment)
{
    ProgramRun run;
    run.status = waitForExit(startProgram(options, input, "out.txt", environment));
    run.out = slurp("out.txt");
    run.err = slurp("err.txt");
    return run;
}

long peakKbPlaying(const std::string& head, const std::string& piece, int count,
                   const std::string& tail, const char* output)
{
    // Written piece by piece: a child starts out as big as this test is.
    std::ofstream input("input.txt", std::ios::binary);
    input << head;
    for (int i = 0; i < count; ++i)
        input << piece;
    input << tail;
    input.close();
    // The sanitizers' allocator holds freed memory back for a while, which
    // is not the game keeping it.
    const char* options = std::getenv("ASAN_OPTIONS");
    const std::string setting =
        std::string("ASAN_OPTIONS=") + (options ? options : "") + ":quarantine_size_mb=0";
    long peakKb = 0;
    bool ended = waitForExit(launchProgram({"--no-audio"}, output, {setting}), &peakKb) == 0;
    return ended ? peakKb : LONG_MAX;
}

std::string slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
