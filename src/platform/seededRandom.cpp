#include "seededRandom.h"

// An additive generator over 31 numbers, seeded by a multiplicative
// generator, the first 310 draws thrown away.
SeededRandom::SeededRandom(unsigned seed)
{
    std::int32_t word = seed == 0 ? 1 : static_cast<std::int32_t>(seed);
    table[0] = word;
    for (int i = 1; i < 31; ++i) {
        std::int32_t hi = word / 127773;
        std::int32_t lo = word % 127773;
        word = 16807 * lo - 2836 * hi;
        if (word < 0) word += 2147483647;
        table[i] = word;
    }
    for (int i = 0; i < 310; ++i)
        draw();
}

int SeededRandom::draw()
{
    auto sum = static_cast<std::uint32_t>(table[front]) + static_cast<std::uint32_t>(table[rear]);
    table[front] = static_cast<std::int32_t>(sum);
    front = (front + 1) % 31;
    rear = (rear + 1) % 31;
    return static_cast<int>(sum >> 1);
}
