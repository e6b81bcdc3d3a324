#include "screenText.h"

#include <cstdlib>

namespace {

constexpr char ESCAPE = '\033';
constexpr int TAB_STOP = 8;

// Length of the escape sequence starting at `at` ("\033[" ... final byte).
std::size_t sequenceLength(std::string_view text, std::size_t at)
{
    std::size_t end = at + 1;
    if (end < text.size() && text[end] == '[') {
        ++end;
        while (end < text.size() && (text[end] < 0x40 || text[end] > 0x7e))
            ++end;
    }
    return end < text.size() ? end + 1 - at : text.size() - at;
}

// Columns a byte takes at `column`: none for control bytes and for the
// continuation bytes of a UTF-8 character.
int widthAt(char byte, int column)
{
    auto value = static_cast<unsigned char>(byte);
    if (byte == '\t') return TAB_STOP - column % TAB_STOP;
    if (value < 0x20 || value == 0x7f || (value & 0xc0) == 0x80) return 0;
    return 1;
}

// The column reached after printing text from the first column.
int columnAfter(std::string_view text)
{
    int column = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ESCAPE)
            i += sequenceLength(text, i) - 1;
        else
            column += widthAt(text[i], column);
    }
    return column;
}

// Appends one line (no newline in it), broken at blanks to fit width.
void wrapLine(std::string_view line, int width, std::string& into)
{
    if (width <= 0) {
        into.append(line);
        return;
    }
    std::size_t lastBlank = std::string::npos;
    int column = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == ESCAPE) {
            std::size_t length = sequenceLength(line, i);
            into.append(line.substr(i, length));
            i += length - 1;
            continue;
        }
        int room = widthAt(line[i], column);
        if (column + room > width && line[i] == ' ') {
            into.push_back('\n');
            lastBlank = std::string::npos;
            column = 0;
            continue;
        }
        if (column + room > width && lastBlank != std::string::npos) {
            into[lastBlank] = '\n';
            column = columnAfter(std::string_view(into).substr(lastBlank + 1));
            lastBlank = std::string::npos;
            room = widthAt(line[i], column);
        }
        if (line[i] == ' ') lastBlank = into.size();
        into.push_back(line[i]);
        column += room;
    }
}

} // namespace

bool colourRefused()
{
    const char* value = std::getenv("NO_COLOR");
    return value != nullptr && value[0] != '\0';
}

void appendWithoutColours(std::string_view text, std::string& into)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ESCAPE) {
            std::size_t length = sequenceLength(text, i);
            if (text[i + length - 1] != 'm') into.append(text.substr(i, length));
            i += length - 1;
            continue;
        }
        into.push_back(text[i]);
    }
}

void appendWithoutSequences(std::string_view text, std::string& into)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ESCAPE)
            i += sequenceLength(text, i) - 1;
        else
            into.push_back(text[i]);
    }
}

void LineWrapper::add(std::string_view text, int width, std::string& into)
{
    std::size_t newline;
    while ((newline = text.find('\n')) != std::string_view::npos) {
        unfinished.append(text.substr(0, newline));
        wrapLine(unfinished, width, into);
        into.push_back('\n');
        unfinished.clear();
        text.remove_prefix(newline + 1);
    }
    unfinished.append(text);
}

void LineWrapper::finish(int width, std::string& into)
{
    wrapLine(unfinished, width, into);
    unfinished.clear();
}
