#include "core/plot/vorlagenleser.h"

#include <charconv>
#include <cmath>

#include "core/plot/plotzahlen.h"

namespace zor {
namespace {

bool leer(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }
bool ziffer(char c) { return c >= '0' && c <= '9'; }

}  // namespace

void Vorlagenleser::leerraumUeberspringen() {
    while (pos_ < text_.size() && leer(text_[pos_])) ++pos_;
}

std::optional<std::string_view> Vorlagenleser::wort() {
    leerraumUeberspringen();
    const std::size_t anfang = pos_;
    while (pos_ < text_.size() && !leer(text_[pos_])) ++pos_;
    if (pos_ == anfang) return std::nullopt;
    return text_.substr(anfang, pos_ - anfang);
}

std::optional<int> Vorlagenleser::ganzzahl() {
    leerraumUeberspringen();
    std::size_t p = pos_;
    if (p < text_.size() && text_[p] == '+') ++p;
    int wert = 0;
    const char* ende = text_.data() + text_.size();
    // from_chars takes a minus sign but no plus, and no sign after a plus.
    if (p > pos_ && p < text_.size() && text_[p] == '-') return std::nullopt;
    const auto [zeiger, fehler] = std::from_chars(text_.data() + p, ende, wert);
    if (fehler != std::errc{}) return std::nullopt;
    pos_ = static_cast<std::size_t>(zeiger - text_.data());
    return wert;
}

std::optional<float> Vorlagenleser::reell() {
    leerraumUeberspringen();
    std::size_t p = pos_;
    if (p < text_.size() && text_[p] == '+') ++p;
    if (p >= text_.size() || !(ziffer(text_[p]) || text_[p] == '-' || text_[p] == '.')) return std::nullopt;
    if (p > pos_ && text_[p] == '-') return std::nullopt;
    double wert = 0;
    const auto [zeiger, fehler] =
        std::from_chars(text_.data() + p, text_.data() + text_.size(), wert, std::chars_format::general);
    if (fehler != std::errc{} || !std::isfinite(wert) || std::abs(wert) > 3.0e38) return std::nullopt;
    pos_ = static_cast<std::size_t>(zeiger - text_.data());
    return static_cast<float>(wert);
}

std::optional<char> Vorlagenleser::zeichen() {
    if (pos_ >= text_.size()) return std::nullopt;
    return text_[pos_++];
}

bool Vorlagenleser::lesen(std::string_view format, Felder& felder) {
    std::size_t n = 0;
    for (const char f : format) {
        if (f == ',') {
            if (pos_ >= text_.size() || text_[pos_] != ',') return false;
            ++pos_;
            continue;
        }
        if (f == ' ') {
            leerraumUeberspringen();
            continue;
        }
        if (n >= felder.size()) return false;
        Feld& feld = felder[n++];
        switch (f) {
        case 'd': if (auto v = ganzzahl()) feld.ganz = kappen(*v); else return false; break;
        case 'f': if (auto v = reell()) feld.reell = *v; else return false; break;
        case 'c': if (auto v = zeichen()) feld.zeichen = *v; else return false; break;
        case 's': if (auto v = wort()) feld.wort = *v; else return false; break;
        default: return false;
        }
    }
    return true;
}

}  // namespace zor
