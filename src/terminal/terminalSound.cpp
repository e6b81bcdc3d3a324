#include "terminalSound.h"

#include <ao/ao.h>
#include <dlfcn.h>
#include <pthread.h>
#include <vorbis/vorbisfile.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>

namespace {

std::atomic<bool> libraryStarted{false};
// libao loads its driver plugins as it starts, which takes longer than all
// the rest of the game's start-up. So the first sound starts it, on its own
// thread, and the player never waits for it.
std::mutex libraryMutex;
// ALSA keeps one configuration for the whole process and rereads it as a
// device opens or closes, so two sounds must never open or close at once.
std::mutex deviceMutex;
bool libraryReady = false;
// Set while the game closes: playing sounds stop at their next chunk.
std::atomic<bool> stopping{false};
std::atomic<int> playingSounds{0};

constexpr auto SHUTDOWN_GRACE = std::chrono::milliseconds(250);
// Effects are short and overlap only briefly; a burst beyond this many would
// cost a thread, a decoder and an output device each and add nothing to hear.
constexpr int MOST_PLAYING = 4;

void quietAlsaHandler(const char*, int, const char*, int, const char*, ...) {}

// Without a sound card, ALSA reports its failure on the terminal from deep
// inside libao's driver. The game should simply stay silent, so its error
// reporter is quietened, if ALSA is present at all.
void quietenAlsa()
{
    void* alsa = dlopen("libasound.so.2", RTLD_LAZY | RTLD_NOLOAD);
    if (alsa == nullptr) alsa = dlopen("libasound.so.2", RTLD_LAZY);
    if (alsa == nullptr) return;
    using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
    using SetHandler = int (*)(Handler);
    auto setHandler = reinterpret_cast<SetHandler>(dlsym(alsa, "snd_lib_error_set_handler"));
    if (setHandler != nullptr) setHandler(quietAlsaHandler);
}

// True once the library is ready to play; false when the game is closing.
bool ensureLibrary()
{
    std::lock_guard<std::mutex> lock(libraryMutex);
    if (stopping) return false;
    if (!libraryReady) {
        ao_initialize();
        quietenAlsa();
        libraryReady = true;
    }
    return true;
}

ao_device* openDevice(ao_sample_format* format, ao_option* options)
{
    std::lock_guard<std::mutex> lock(deviceMutex);
    int driver = ao_default_driver_id();
    return driver < 0 ? nullptr : ao_open_live(driver, format, options);
}

void closeDevice(ao_device* device)
{
    std::lock_guard<std::mutex> lock(deviceMutex);
    ao_close(device);
}

// Decodes the file and plays it to its end, or until the game closes; on the
// sound's own thread.
void playSound(const char* path)
{
    if (!ensureLibrary()) return;
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) return;
    OggVorbis_File stream;
    if (ov_open(file, &stream, nullptr, 0) != 0) {
        std::fclose(file);
        return;
    }
    vorbis_info* info = ov_info(&stream, -1);
    ao_sample_format format{};
    format.bits = 16;
    format.rate = static_cast<int>(info->rate);
    format.channels = info->channels;
    format.byte_format = AO_FMT_LITTLE;
    format.matrix = nullptr;
    // A machine without a sound card must stay quiet on the terminal.
    ao_option* options = nullptr;
    ao_append_option(&options, "quiet", "");
    ao_device* device = openDevice(&format, options);
    ao_free_options(options);
    if (device == nullptr) {
        ov_clear(&stream);
        return;
    }
    char buffer[4096];
    int section = 0;
    long bytes;
    while (!stopping && (bytes = ov_read(&stream, buffer, sizeof buffer, 0, 2, 1, &section)) > 0)
        ao_play(device, buffer, static_cast<uint_32>(bytes));
    closeDevice(device);
    ov_clear(&stream);
}

void* soundThread(void* argument)
{
    char* path = static_cast<char*>(argument);
    playSound(path);
    std::free(path);
    playingSounds.fetch_sub(1);
    return nullptr;
}

} // namespace

void initAudio()
{
    stopping = false;
    libraryStarted = true;
}

void cleanupAudio()
{
    if (!libraryStarted.exchange(false)) return;
    stopping = true;
    // Each sound notices within one short chunk of audio. If one is stuck in
    // a driver, leave the library running rather than pull it from under it:
    // the process is ending anyway.
    auto deadline = std::chrono::steady_clock::now() + SHUTDOWN_GRACE;
    while (playingSounds.load() > 0 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    std::lock_guard<std::mutex> lock(libraryMutex);
    if (playingSounds.load() == 0 && libraryReady) {
        ao_shutdown();
        libraryReady = false;
    }
}

int playingSoundCount() { return playingSounds.load(); }

void playSoundAsync(const char* path)
{
    if (!libraryStarted || stopping) return;
    if (playingSounds.fetch_add(1) >= MOST_PLAYING) {
        playingSounds.fetch_sub(1);
        return;
    }
    char* copy = strdup(path);
    pthread_t thread;
    if (copy == nullptr || pthread_create(&thread, nullptr, soundThread, copy) != 0) {
        playingSounds.fetch_sub(1);
        std::free(copy);
        return;
    }
    pthread_detach(thread);
}

TerminalSound::TerminalSound(bool noAudio) : silent(noAudio)
{
    if (!silent) initAudio();
}

void TerminalSound::play(const char* effect)
{
    if (silent) return;
    std::string path = std::string("sound/") + effect + ".ogg";
    playSoundAsync(path.c_str());
}
