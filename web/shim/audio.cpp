// Sounds go to the host, which plays them itself and never makes the game
// wait; the path names the effect ("sound/door.ogg" is "door").
#include "audio.h"

#include <string_view>

#include "runState.h"
#include "webPorts.h"

namespace {
bool started = false;
SoundListener listener = nullptr;
web::SoundPort* port = nullptr;
} // namespace

void useSoundPort(web::SoundPort* sound) { port = sound; }

void initAudio() { started = true; }
void cleanupAudio() { started = false; }
int playingSoundCount() { return 0; }

SoundListener setSoundListener(SoundListener newListener)
{
    SoundListener old = listener;
    listener = newListener;
    return old;
}

void playSoundAsync(const char* path)
{
    if (listener) return listener(path);
    playSound(path);
}

void playSound(const char* path)
{
    if (!started || runState().soundOffAtStart || port == nullptr) return;
    std::string_view effect = path;
    effect.remove_prefix(std::min(effect.size(), effect.rfind('/') + 1));
    if (effect.ends_with(".ogg")) effect.remove_suffix(4);
    port->play(effect);
}
