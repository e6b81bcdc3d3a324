// The game's random numbers: the sequence the GNU C library's generator
// draws from the same seed, so a given seed plays the same in the terminal,
// the page and the Node host, and the same as earlier versions of the game.
#pragma once

#include <cstdint>

#include "ports.h"

class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(unsigned seed);
    int draw() override;

private:
    std::int32_t table[31]{};
    int front = 3;
    int rear = 0;
};
