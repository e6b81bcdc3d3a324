#include "portsInUse.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

thread_local Ports* inUse = nullptr;

// A printf format handed on from out() and outError(), checked at their callers.
__attribute__((format(printf, 2, 0))) void vwrite(bool toError, const char* format, va_list args)
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
    OutputSink& sink = ports().output;
    if (toError)
        sink.writeError(data, static_cast<std::size_t>(length));
    else
        sink.write(data, static_cast<std::size_t>(length));
}

} // namespace

Ports& ports()
{
    // Playing without ports is a fault in the program, not in the input.
    if (inUse == nullptr) std::abort();
    return *inUse;
}

PortsInUse::PortsInUse(Ports& installed) : previous(inUse) { inUse = &installed; }

PortsInUse::~PortsInUse() { inUse = previous; }

void out(const char* format, ...)
{
    OutputSink& sink = ports().output;
    // Most of what the game says is fixed text or one text as it stands;
    // neither needs formatting.
    if (std::strchr(format, '%') == nullptr) {
        sink.write(format, std::strlen(format));
        return;
    }
    va_list args;
    va_start(args, format);
    if (std::strcmp(format, "%s") == 0) {
        // The analyzer loses track of the va_start above; the list is set.
        // NOLINTNEXTLINE(clang-analyzer-valist.Uninitialized)
        const char* text = va_arg(args, const char*);
        if (text == nullptr) text = "(null)"; // as printf shows it
        sink.write(text, std::strlen(text));
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

void outFlush() { ports().output.flush(); }

int gameRandom() { return ports().random.draw(); }

void playSound(const char* effect) { ports().sound.play(effect); }

void clearScreen()
{
    // Erase the screen and the scrollback, then home the cursor.
    out("\033[2J\033[3J\033[H");
}
