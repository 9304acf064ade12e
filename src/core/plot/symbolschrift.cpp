#include "core/plot/symbolschrift.h"

#include <array>
#include <cstdint>

namespace zor {
namespace {

// Unicode of the symbol-font code points 0x20..0x7E; 0 keeps the ASCII character.
constexpr std::array<char32_t, 95> UNTEN = {
    0, 0, U'∀', 0, U'∃', 0, 0, U'∋', 0, 0, U'∗', 0, 0, U'−', 0, 0,            // 0x20
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,                          // 0x30
    U'≅', U'Α', U'Β', U'Χ', U'Δ', U'Ε', U'Φ', U'Γ', U'Η', U'Ι', U'ϑ', U'Κ', U'Λ', U'Μ', U'Ν', U'Ο',
    U'Π', U'Θ', U'Ρ', U'Σ', U'Τ', U'Υ', U'ς', U'Ω', U'Ξ', U'Ψ', U'Ζ', 0, U'∴', 0, U'⊥', 0,
    U'‾', U'α', U'β', U'χ', U'δ', U'ε', U'φ', U'γ', U'η', U'ι', U'ϕ', U'κ', U'λ', U'μ', U'ν', U'ο',
    U'π', U'θ', U'ρ', U'σ', U'τ', U'υ', U'ϖ', U'ω', U'ξ', U'ψ', U'ζ', 0, 0, 0, U'∼',
};

// Unicode of the code points 0xA0..0xFF; 0 marks an empty slot (drawn as a blank).
constexpr std::array<char32_t, 96> OBEN = {
    U'€', U'ϒ', U'′', U'≤', U'⁄', U'∞', U'ƒ', U'♣', U'♦', U'♥', U'♠', U'↔', U'←', U'↑', U'→', U'↓',
    U'°', U'±', U'″', U'≥', U'×', U'∝', U'∂', U'•', U'÷', U'≠', U'≡', U'≈', U'…', U'⏐', U'⎯', U'↵',
    U'ℵ', U'ℑ', U'ℜ', U'℘', U'⊗', U'⊕', U'∅', U'∩', U'∪', U'⊃', U'⊇', U'⊄', U'⊂', U'⊆', U'∈', U'∉',
    U'∠', U'∇', U'®', U'©', U'™', U'∏', U'√', U'⋅', U'¬', U'∧', U'∨', U'⇔', U'⇐', U'⇑', U'⇒', U'⇓',
    U'◊', U'〈', U'®', U'©', U'™', U'∑', U'⎛', U'⎜', U'⎝', U'⎡', U'⎢', U'⎣', U'⎧', U'⎨', U'⎩', U'⎪',
    0, U'〉', U'∫', U'⌠', U'⎮', U'⌡', U'⎞', U'⎟', U'⎠', U'⎤', U'⎥', U'⎦', U'⎫', U'⎬', U'⎭', 0,
};

void anhaengen(std::string& aus, char32_t c) {
    if (c < 0x80) {
        aus += static_cast<char>(c);
    } else if (c < 0x800) {
        aus += static_cast<char>(0xC0 | (c >> 6));
        aus += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        aus += static_cast<char>(0xE0 | (c >> 12));
        aus += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        aus += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        aus += static_cast<char>(0xF0 | (c >> 18));
        aus += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        aus += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        aus += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Length of a well-formed UTF-8 multi-byte sequence starting at pos, or 0.
std::size_t utf8Laenge(std::string_view t, std::size_t pos) {
    const auto b = static_cast<std::uint8_t>(t[pos]);
    std::size_t n = b >= 0xF0 && b < 0xF5 ? 4 : b >= 0xE0 ? 3 : b >= 0xC2 && b < 0xE0 ? 2 : 0;
    if (n == 0 || pos + n > t.size()) return 0;
    for (std::size_t k = 1; k < n; ++k)
        if ((static_cast<std::uint8_t>(t[pos + k]) & 0xC0) != 0x80) return 0;
    return n;
}

char32_t symbolZeichen(std::uint8_t b) {
    if (b >= 0x20 && b < 0x7F) return UNTEN[b - 0x20] ? UNTEN[b - 0x20] : b;
    if (b >= 0xA0) return OBEN[b - 0xA0] ? OBEN[b - 0xA0] : U' ';
    return U' ';
}

}  // namespace

std::string symbolNachUnicode(std::string_view text) {
    std::string aus;
    for (std::size_t pos = 0; pos < text.size();) {
        if (const auto n = utf8Laenge(text, pos)) {
            aus.append(text.substr(pos, n));
            pos += n;
        } else {
            anhaengen(aus, symbolZeichen(static_cast<std::uint8_t>(text[pos])));
            ++pos;
        }
    }
    return aus;
}

}  // namespace zor
