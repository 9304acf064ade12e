#include "core/media/riff.h"

#include <algorithm>

namespace zor {

std::uint32_t le32(const unsigned char* p) {
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
}
std::uint16_t le16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }

std::optional<std::array<char, 4>> riffFormular(Bytequelle& q) {
    unsigned char k[12];
    if (q.lies(0, k, 12) != 12 || k[0] != 'R' || k[1] != 'I' || k[2] != 'F' || k[3] != 'F') return std::nullopt;
    return std::array<char, 4>{static_cast<char>(k[8]), static_cast<char>(k[9]), static_cast<char>(k[10]),
                               static_cast<char>(k[11])};
}

RiffLeser::RiffLeser(Bytequelle& q, std::uint64_t anfang, std::uint64_t ende)
    : q_(q), pos_(anfang), ende_(std::min(ende, q.groesse())) {}

std::optional<RiffAbschnitt> RiffLeser::naechster() {
    if (abgeschnitten_ || pos_ >= ende_ || ende_ - pos_ < 8) return std::nullopt;
    unsigned char k[8];
    if (q_.lies(pos_, k, 8) != 8) return std::nullopt;
    RiffAbschnitt a;
    std::copy(k, k + 4, a.kennung.begin());
    a.kopf = pos_;
    a.groesse = le32(k + 4);
    if (a.groesse > ende_ - a.daten()) {
        // Recorders that never fixed up the size leave it too large; the data ends with the file.
        a.groesse = ende_ - a.daten();
        abgeschnitten_ = true;
    }
    pos_ = a.naechster();
    return a;
}

}  // namespace zor
