#include "completion.h"

#include <algorithm>
#include <cctype>
#include <iterator>

#include "commandTable.h"
#include "directions.h"
#include "presence.h"
#include "vocabulary.h"

namespace {

using Words = std::vector<std::string>;

bool startsWithIgnoringCase(const std::string& word, const std::string& prefix)
{
    if (prefix.size() > word.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(word[i])) !=
            std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    }
    return true;
}

Words firstWords()
{
    Words words;
    for (const SpecialWord& special : specialWords)
        if (special.word) words.push_back(special.word);
    for (const Command& command : commands)
        for (const char* word : command.words)
            if (word != nullptr) words.push_back(word);
    for (const Alias& alias : aliases)
        words.push_back(alias.input);
    // In the alphabet's order, as the terminal's line editor lists them.
    std::sort(words.begin(), words.end());
    return words;
}

void add(Words& words, WordList list) { words.insert(words.end(), list.begin(), list.end()); }

void addItems(Words& words, const Item* slots, int first, int last)
{
    for (int slot = first; slot <= last; ++slot)
        if (slots[slot].id > 0) words.push_back(slots[slot].name);
}

void addLyingItem(Words& words, const GameState* state)
{
    const Item& lying = state->locations[state->player.locationId].item;
    if (lying.id > 0) words.push_back(lying.name);
}

void addCharactersHere(Words& words, const GameState* state)
{
    forEachCharacterHere(state, [&words](const Character& character) {
        words.push_back(character.name);
        words.push_back(character.species);
    });
}

Words nounsFor(const GameState* state, const std::string& verb)
{
    int index = findCommandIndex(verb.c_str());
    if (index < 0) return {};
    const Item* carried = state->player.inventory;
    Words words;
    switch (commands[static_cast<std::size_t>(index)].noun) {
    case NounKind::Direction: add(words, vocabulary::DIRECTIONS); break;
    case NounKind::ItemHere:
        add(words, vocabulary::LYING_ITEM);
        add(words, vocabulary::GOLD);
        add(words, vocabulary::ITEM_AND_GOLD);
        addLyingItem(words, state);
        break;
    case NounKind::ItemCarried: addItems(words, carried, 0, NUM_CARRIED - 1); break;
    case NounKind::ItemWorn: addItems(words, carried, SLOT_WEAPON, SLOT_ACCESSORY); break;
    case NounKind::CharacterHere: addCharactersHere(words, state); break;
    case NounKind::AnythingInView:
        add(words, vocabulary::AROUND);
        addLyingItem(words, state);
        addItems(words, carried, 0, NUM_CARRIED - 1);
        addCharactersHere(words, state);
        break;
    case NounKind::OnOff:
        add(words, vocabulary::ON);
        add(words, vocabulary::OFF);
        break;
    case NounKind::None: break;
    }
    return words;
}

Words matching(Words words, const std::string& prefix)
{
    Words found;
    for (std::string& word : words) {
        // "Statue" the name and "statue" the kind are one word to the player.
        bool seen = std::any_of(found.begin(), found.end(), [&](const std::string& kept) {
            return strcmpi(kept.c_str(), word.c_str()) == 0;
        });
        if (!seen && startsWithIgnoringCase(word, prefix)) found.push_back(std::move(word));
    }
    return found;
}

} // namespace

Completions completeInput(const GameState* state, const std::string& typed)
{
    std::size_t verbStart = typed.find_first_not_of(" \t");
    if (verbStart == std::string::npos) return {typed.size(), matching(firstWords(), "")};
    std::size_t verbEnd = typed.find_first_of(" \t", verbStart);
    if (verbEnd == std::string::npos)
        return {verbStart, matching(firstWords(), typed.substr(verbStart))};
    std::size_t nounStart = typed.find_first_not_of(" \t", verbEnd);
    if (nounStart == std::string::npos) nounStart = typed.size();
    std::string verb = typed.substr(verbStart, verbEnd - verbStart);
    return {nounStart, matching(nounsFor(state, verb), typed.substr(nounStart))};
}
