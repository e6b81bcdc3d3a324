#include "text.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>

#include "console.h"
#include "itemFunc.h"
#include "locations.h"

bool getInput(char* buf, int size)
{
    std::string line;
    bool gotLine = lineSource().readLine("--> ", line);
    std::memset(buf, 0, static_cast<std::size_t>(size));
    std::strncpy(buf, line.c_str(), static_cast<std::size_t>(size - 1));
    return gotLine;
}

int strcmpi(const char* a, const char* b)
{
    for (; *a && *b; ++a, ++b) {
        int la = std::tolower(static_cast<unsigned char>(*a));
        int lb = std::tolower(static_cast<unsigned char>(*b));
        if (la != lb) return la - lb;
    }
    // Where one word ends, the bytes are compared as signed characters.
    return static_cast<signed char>(*a) -
           static_cast<signed char>(*b); // NOLINT(bugprone-signed-char-misuse)
}

void toLowerCase(const char* text, char* into, std::size_t size)
{
    std::size_t i = 0;
    for (; text[i] != '\0' && i + 1 < size; ++i)
        into[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
    into[i] = '\0';
}

bool isOneOf(const char* word, std::initializer_list<const char*> words)
{
    for (const char* candidate : words)
        if (strcmpi(word, candidate) == 0) return true;
    return false;
}

bool meansSelf(const char* noun) { return isOneOf(noun, {"self", "myself", "yourself"}); }

const char* nounOrAnswer(const char* noun, const char* question, char (&answer)[ANSWER_SIZE])
{
    if (noun[0] != '\0') return noun;
    out("%s", question);
    getInput(answer, ANSWER_SIZE);
    return answer;
}

void caseComparison(const char* text)
{
    while (*text && std::isspace(static_cast<unsigned char>(*text)))
        ++text;
    char first = static_cast<char>(std::tolower(static_cast<unsigned char>(*text)));
    bool vowel = first != '\0' && std::strchr("aeiou", first) != nullptr;
    out(vowel ? "an %s" : "a %s", text);
}

void clearScreen()
{
    // Erase the screen and the scrollback, then home the cursor.
    out("\033[2J\033[3J\033[H");
}

void copyText(char* field, int width, const char* text)
{
    std::snprintf(field, static_cast<std::size_t>(width), "%s", text);
}

const char* getLocationNameByID(int id)
{
    for (const Location& location : locations)
        if (location.id == id) return location.name;
    return "Unknown";
}

int getLookAction(const GameState* state, const char* noun)
{
    // A bare "look" arrives as "look around"; "look" followed only by blanks
    // names nothing and is answered like any unknown thing.
    if (noun == nullptr || strcmpi(noun, "around") == 0) return 0;
    if (itemIsHere(state, noun) || itemInInventory(&state->player, noun)) return 2;
    return 1;
}

const char* getAlignment(int standing)
{
    if (standing > 249) return "Honoured Wanderer";
    if (standing > 124) return "Reliable Ally";
    if (standing >= 0) return "Ambiguous Stranger";
    if (standing >= -125) return "Feared Outcast";
    return "Cursed Wretch";
}

const char* getAlignmentColor(int standing)
{
    if (standing > 249) return "\033[92m";
    if (standing > 124) return "\033[32m";
    if (standing >= 0) return "\033[37m";
    if (standing >= -125) return "\033[33m";
    return "\033[31m";
}

void hpBounds(Entity* entity)
{
    if (entity->hp <= 0) entity->hp = 1;
    if (entity->hp > entity->maxHp) entity->hp = entity->maxHp;
}

void getPronouns(int sex) { out("%s", sex == 1 ? "his" : sex == 2 ? "her" : "their"); }

bool isAfterlife(int locationId) { return locationId == LOC_HEAVEN || locationId == LOC_HELL; }

StandingBand standingBand(int standing)
{
    if (standing >= 250) return BAND_GOOD;
    if (standing >= -125) return BAND_NEUTRAL;
    return BAND_BAD;
}
