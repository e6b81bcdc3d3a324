// The functions the host script provides (web/hostLibrary.js).
#pragma once

#include <cstddef>

extern "C" {
void hostWrite(const char* data, std::size_t size, int toError);
int hostColumns();
// These two make the game wait for the host: a length and the bytes in one
// malloc'd block, or nullptr.
char* hostReadLine(int plain);
char* hostPack(const char* data, std::size_t size, int unpack);
void hostPlay(const char* effect, std::size_t size);
double hostNow();
int hostUmask();
int hostSyncFile(int fd);
}
