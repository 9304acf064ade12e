#include "core/io/folgenleser.h"

#include "core/util/format.h"

#include <algorithm>
#include <cstring>

namespace zor {

namespace {

// Index of the first byte that is neither "0" nor "1" (the size when there is none).
// Words first: a byte b is valid exactly when b ^ "0" is 0 or 1.
std::size_t ersterFremder(std::span<const unsigned char> t) {
    constexpr std::uint64_t NULLEN = 0x3030303030303030ull;
    constexpr std::uint64_t HOHE = 0xFEFEFEFEFEFEFEFEull;
    std::size_t i = 0;
    for (; i + 32 <= t.size(); i += 32) {
        std::uint64_t w[4];
        std::memcpy(w, t.data() + i, sizeof w);
        if (((w[0] ^ NULLEN) | (w[1] ^ NULLEN) | (w[2] ^ NULLEN) | (w[3] ^ NULLEN)) & HOHE) break;
    }
    for (; i < t.size(); ++i)
        if ((t[i] | 1u) != static_cast<unsigned char>(FFO_FEHLER)) return i;
    return t.size();
}

std::uint64_t gelesenBis(const Blockleser& l, std::optional<std::uint64_t> laenge, Lesestand& stand) {
    if (!l.offen()) {
        stand = Lesestand::NichtOffen;
        return 0;
    }
    const std::uint64_t n = laenge.value_or(l.groesse());
    if (l.groesse() < n) {
        stand = Lesestand::Kuerzer;
        return 0;
    }
    return n;
}

}  // namespace

FfoLeser::FfoLeser(const std::string& pfad, std::size_t blockgroesse, std::optional<std::uint64_t> laenge)
    : leser_(pfad, blockgroesse) {
    const std::uint64_t n = gelesenBis(leser_, laenge, stand_);
    // Editors end a text with a line end; it is no part of the sequence.
    unsigned char ende[2] = {0, 0};
    const std::size_t k = static_cast<std::size_t>(std::min<std::uint64_t>(n, 2));
    std::uint64_t zeilenende = 0;
    if (k > 0 && leser_.lesenBei(n - k, ende, k) == k && ende[k - 1] == '\n')
        zeilenende = k == 2 && ende[0] == '\r' ? 2 : 1;
    zeichen_ = n - zeilenende;
}

std::span<const unsigned char> FfoLeser::naechster(std::uint64_t hoechstens) {
    const std::uint64_t offen = std::min(zeichen_ - gelesen_, hoechstens);
    if (stand_ != Lesestand::Gut || offen == 0) return {};
    if (block_.empty()) {
        block_ = leser_.naechster();
        if (block_.empty()) {
            stand_ = leser_.fehler() ? Lesestand::Lesefehler : Lesestand::Kuerzer;
            return {};
        }
    }
    const auto teil = block_.first(static_cast<std::size_t>(std::min<std::uint64_t>(block_.size(), offen)));
    block_ = block_.subspan(teil.size());
    if (const std::size_t i = ersterFremder(teil); i < teil.size()) {
        stand_ = Lesestand::Ungueltig;
        ungueltigBei_ = gelesen_ + i + 1;
        return {};
    }
    gelesen_ += teil.size();
    return teil;
}

std::string FfoLeser::ungueltigText(const std::string& name) const {
    return format(TEXT_FFO_ZEICHEN, static_cast<unsigned long long>(ungueltigBei_), name.c_str());
}

FabLeser::FabLeser(const std::string& pfad, std::size_t blockgroesse, std::optional<std::uint64_t> laenge)
    : leser_(pfad, blockgroesse) {
    const std::uint64_t n = gelesenBis(leser_, laenge, stand_);
    eintraege_ = n / FAB_RECORD;
    rest_ = n % FAB_RECORD;
}

// A record across a block border, or the next block.
bool FabLeser::langsam(std::int32_t& abstand) {
    if (stand_ != Lesestand::Gut) return false;
    unsigned char b[FAB_RECORD];
    for (int i = 0; i < FAB_RECORD; ++i) {
        if (pos_ == block_.size()) {
            block_ = leser_.naechster();
            pos_ = 0;
            if (block_.empty()) {
                stand_ = leser_.fehler() ? Lesestand::Lesefehler : Lesestand::Kuerzer;
                return false;
            }
        }
        b[i] = block_[pos_++];
    }
    abstand = annehmen(fabWert(b));
    return true;
}

std::string lesestandText(Lesestand l, const std::string& name, std::uint64_t laenge, const FfoLeser* ffo) {
    switch (l) {
    case Lesestand::NichtOffen: return "Datei kann nicht geöffnet werden!\n\n" + name;
    case Lesestand::Kuerzer:
        return "Die Datei ist kürzer als beim Auswählen (" + std::to_string(laenge) +
               " Bytes)!\nBitte wählen Sie die Datei neu aus.\n\n" + name;
    case Lesestand::Lesefehler: return "Fehler beim Lesen der Datei!\n\n" + name;
    case Lesestand::Ungueltig: return ffo ? ffo->ungueltigText(name) : "Fehler beim Lesen der Datei!\n\n" + name;
    case Lesestand::Gut: break;
    }
    return {};
}

std::vector<std::string> fabHinweise(const FabLeser& leser, const std::string& name) {
    std::vector<std::string> texte;
    if (const std::uint64_t u = leser.unterEins(); u == 1)
        texte.push_back(format(TEXT_FAB_UNTER_EINS_1, name.c_str()));
    else if (u > 1)
        texte.push_back(format(TEXT_FAB_UNTER_EINS, static_cast<unsigned long long>(u), name.c_str()));
    if (leser.rest() != 0)
        texte.push_back(format(TEXT_FAB_REST, static_cast<unsigned long long>(leser.rest()), name.c_str()));
    return texte;
}

std::optional<std::uint64_t> fabBits(const std::string& pfad, std::size_t blockgroesse,
                                     std::optional<std::uint64_t> laenge) {
    FabLeser leser(pfad, blockgroesse, laenge);
    std::uint64_t summe = 0;
    bool voll = false;
    std::int32_t g;
    while (leser.naechster(g))
        voll = voll || __builtin_add_overflow(summe, static_cast<std::uint64_t>(g), &summe);
    if (!leser.gut()) return std::nullopt;
    return voll ? std::numeric_limits<std::uint64_t>::max() : summe;
}

}  // namespace zor
