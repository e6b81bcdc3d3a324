// The functions the host script provides (web/hostLibrary.js).
#pragma once

#include <cstddef>
#include <cstdint>

extern "C" {
void hostWrite(const char* data, std::size_t size, int toError);
int hostColumns();
// These two make the game wait for the host: a length and the bytes in one
// malloc'd block, or nullptr.
char* hostReadLine(int plain);
char* hostPack(const char* data, std::size_t size);
// The gzip data at `data` unpacked by the host's library, at most `room`
// bytes, in a block as above; nullptr when it is not whole within them.
// `used` receives how many of the packed bytes it took. The game waits.
char* hostUnpack(const char* data, std::size_t size, std::size_t room, std::uint32_t* used);
// A command line for the line editor's history (the up arrow).
void hostRemember(const char* line, std::size_t size);
void hostPlay(const char* effect, std::size_t size);
double hostNow();
int hostUmask();
// Makes a file or a folder, as it now stands, outlast the page or the
// machine; 0 when it did. The game waits for it.
int hostKeep(const char* path);
// When the file was last written, as seconds and nanoseconds; left as they
// are when the host cannot tell.
void hostWrittenAt(const char* path, std::int32_t* secondsAndNanoseconds);

// Non-zero where the host keeps saves, transcripts and the journey itself
// (the page, in the browser's storage), rather than as files.
int hostKeepsSaves();
// The page's storage. The game waits for each of these but the last.
// Every save, a line each: when it was written, in nanoseconds, a blank
// and its name.
char* hostListSaves();
// The save's file, at most `largest` bytes of it; nullptr when there is
// none, `failed` set when the storage could not be read.
char* hostReadSave(const char* name, std::size_t largest, int* failed);
// Nullptr once the file is kept whole, else why it is not, for the player.
char* hostWriteSave(const char* name, const char* data, std::size_t size);
// 0 when removed.
int hostRemoveSave(const char* name);
// Nullptr once the text is kept at the transcript's end, else why not.
char* hostAppendTranscript(const char* name, const char* text, std::size_t size);
// The journey as it now stands; kept in the background, never waited for.
void hostKeepJourney(const char* record, std::size_t size);
}
