#pragma once
// Reads the fields of a plot template the way formatted input does: numbers skip
// leading blanks, a comma must follow directly, a character field is the very next
// character, a word is a run of non-blank characters.

#include <array>
#include <optional>
#include <string_view>

namespace zor {

struct Feld {
    int ganz = 0;
    float reell = 0;
    char zeichen = 0;
    std::string_view wort;
};

inline constexpr std::size_t MAX_FELDER = 16;
using Felder = std::array<Feld, MAX_FELDER>;

class Vorlagenleser {
public:
    explicit Vorlagenleser(std::string_view text) : text_(text) {}

    // A word; nothing at the end of the text.
    std::optional<std::string_view> wort();
    // A decimal integer within the int range.
    std::optional<int> ganzzahl();
    // A finite decimal real.
    std::optional<float> reell();
    // The next character, blank or not.
    std::optional<char> zeichen();

    // Reads fields by a format: 'd' integer (clamped to the plot range), 'f' real,
    // 'c' character, 's' word, ',' a comma that must come next, ' ' optional blank
    // space. Fills felder in order; false when a field is missing or malformed.
    bool lesen(std::string_view format, Felder& felder);

private:
    void leerraumUeberspringen();
    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace zor
