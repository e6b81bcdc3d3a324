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
char* hostPack(const char* data, std::size_t size, int unpack);
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
// Non-zero where transcripts are kept.
int hostKeepsTranscripts();
}
