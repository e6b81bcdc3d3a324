#include "text.h"

#include <cctype>
#include <cstring>

#include "portsInUse.h"

int strcmpi(const char* a, const char* b)
{
    for (; *a && *b; ++a, ++b) {
        int la = std::tolower(static_cast<unsigned char>(*a));
        int lb = std::tolower(static_cast<unsigned char>(*b));
        if (la != lb) return la - lb;
    }
    // Where one word ends, the bytes are compared as signed characters.
    // NOLINTNEXTLINE(bugprone-signed-char-misuse)
    return static_cast<signed char>(*a) - static_cast<signed char>(*b);
}

std::size_t wholeCharactersWithin(std::string_view text, std::size_t budget)
{
    if (text.size() <= budget) return text.size();
    // Back over the bytes that continue a letter (10xxxxxx) to the one that
    // began it, and leave that letter out if it does not end within the budget.
    std::size_t start = budget;
    while (start > 0 && budget - start < 3 &&
           (static_cast<unsigned char>(text[start - 1]) >> 6) == 2)
        --start;
    if (start == 0) return budget;
    auto lead = static_cast<unsigned char>(text[start - 1]);
    std::size_t length = lead >= 0xF8   ? 1
                         : lead >= 0xF0 ? 4
                         : lead >= 0xE0 ? 3
                         : lead >= 0xC0 ? 2
                                        : 1;
    return start - 1 + length > budget ? start - 1 : budget;
}

void toLowerCase(const char* text, char* into, std::size_t size)
{
    std::size_t kept = wholeCharactersWithin({text, strnlen(text, size)}, size - 1);
    for (std::size_t i = 0; i < kept; ++i)
        into[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
    into[kept] = '\0';
}

bool isOneOf(const char* word, WordList words)
{
    for (const char* candidate : words)
        if (strcmpi(word, candidate) == 0) return true;
    return false;
}

void printWithArticle(const char* text)
{
    while (*text && std::isspace(static_cast<unsigned char>(*text)))
        ++text;
    char first = static_cast<char>(std::tolower(static_cast<unsigned char>(*text)));
    bool vowel = first != '\0' && std::strchr("aeiou", first) != nullptr;
    out(vowel ? "an %s" : "a %s", text);
}

void keepPrintable(char* text)
{
    char* kept = text;
    for (const char* c = text; *c != '\0'; ++c) {
        auto byte = static_cast<unsigned char>(*c);
        auto next = static_cast<unsigned char>(c[1]);
        if (byte == 0xC2 && next >= 0x80 && next < 0xA0) {
            ++c;
            continue;
        }
        if (byte >= 0x20 && byte != 0x7F) *kept++ = *c;
    }
    *kept = '\0';
}

void copyText(char* field, int width, const char* text)
{
    auto size = static_cast<std::size_t>(width);
    std::size_t kept = wholeCharactersWithin({text, strnlen(text, size)}, size - 1);
    std::memcpy(field, text, kept);
    field[kept] = '\0';
}
