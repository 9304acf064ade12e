#include "json_ausgabe.h"

#include "core/util/format.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace zorcli {

namespace {

// Length of the well-formed UTF-8 sequence at s[i], 0 when the bytes there are not one
// (overlong forms, surrogates and values past U+10FFFF included).
std::size_t utf8Laenge(const std::string& s, std::size_t i) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = b(i);
    std::size_t n;
    std::uint32_t wert;
    if (c < 0x80) return 1;
    if (c >= 0xC2 && c <= 0xDF) { n = 2; wert = c & 0x1Fu; }
    else if (c >= 0xE0 && c <= 0xEF) { n = 3; wert = c & 0x0Fu; }
    else if (c >= 0xF0 && c <= 0xF4) { n = 4; wert = c & 0x07u; }
    else return 0;
    if (i + n > s.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        if ((b(i + k) & 0xC0) != 0x80) return 0;
        wert = (wert << 6) | (b(i + k) & 0x3Fu);
    }
    const bool zuLang = (n == 3 && wert < 0x800) || (n == 4 && wert < 0x10000);
    const bool ersatz = wert >= 0xD800 && wert <= 0xDFFF;
    return zuLang || ersatz || wert > 0x10FFFF ? 0 : n;
}

}  // namespace

std::string jsonText(const std::string& text) {
    std::string j = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t n = utf8Laenge(text, i);
        if (n == 0) {
            j += "\\ufffd";
            ++i;
            continue;
        }
        if (n > 1) {
            j.append(text, i, n);
            i += n;
            continue;
        }
        ++i;
        switch (c) {
        case '"': j += "\\\""; break;
        case '\\': j += "\\\\"; break;
        case '\n': j += "\\n"; break;
        case '\r': j += "\\r"; break;
        case '\t': j += "\\t"; break;
        case '\b': j += "\\b"; break;
        case '\f': j += "\\f"; break;
        default:
            if (c < 0x20 || c == 0x7F) {
                char u[8];
                std::snprintf(u, sizeof u, "\\u%04x", c);
                j += u;
            } else {
                j += static_cast<char>(c);
            }
        }
    }
    return j + "\"";
}

std::string jsonZahl(double v) { return std::isfinite(v) ? zor::kurvenzahl(v) : "null"; }

JsonObjekt& JsonObjekt::wert(const std::string& name, std::string json) {
    // Callers may hand in kurvenzahl's text directly; JSON has no word for these.
    for (const char* keineZahl : {"nan", "-nan", "inf", "-inf"})
        if (json == keineZahl) json = "null";
    glieder_.emplace_back(name, std::move(json));
    return *this;
}

std::string JsonObjekt::json() const {
    std::string j = "{";
    for (std::size_t i = 0; i < glieder_.size(); ++i)
        j += (i ? ", " : "") + jsonText(glieder_[i].first) + ": " + glieder_[i].second;
    return j + "}";
}

std::string jsonFeld(const std::vector<std::string>& werte) {
    std::string j = "[";
    for (std::size_t i = 0; i < werte.size(); ++i) j += (i ? ", " : "") + werte[i];
    return j + "]";
}

}  // namespace zorcli
