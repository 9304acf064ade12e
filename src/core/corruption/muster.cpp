#include "core/corruption/muster.h"

#include "core/io/dateijob.h"
#include "core/io/dateityp.h"
#include "core/io/formate.h"
#include "core/util/fortschritt.h"
#include "core/seqfiles/vergleich.h"
#include "core/io/ausgabedatei.h"
#include "core/util/systemfehler.h"

#include <array>
#include <bit>
#include <cstring>
#include <optional>

namespace zor {

namespace {

constexpr const char* TEXT_EINGABE_LESEN = "Fehler bei Lesen der Datei!";

// The three files of a pattern job, opened in the order of their messages.
struct Dateien {
    Blockleser eingabe, muster;
    Ausgabedatei ausgabe;
    Dateien(const MusterAuftrag& a, std::size_t eingabeBlock, std::size_t musterBlock)
        : eingabe(a.szInPutFile, eingabeBlock), muster(a.szFfoFabFile, musterBlock), ausgabe(a.szOutPutFile) {}
};

std::optional<JobErgebnis> oeffnenPruefen(const MusterAuftrag& a, const Dateien& d) {
    if (!d.eingabe.offen())
        return JobErgebnis::Fehler(mitGrund(format(TEXT_OEFFNEN_1, a.szInPutFile.c_str()), d.eingabe.fehlernummer()));
    if (!d.muster.offen())
        return JobErgebnis::Fehler(mitGrund(format(TEXT_OEFFNEN_2, a.szFfoFabFile.c_str()), d.muster.fehlernummer()));
    if (!d.ausgabe.ok())
        return JobErgebnis::Fehler(mitGrund(format(TEXT_ERZEUGEN, a.szOutPutFile.c_str()), d.ausgabe.fehlernummer()));
    return std::nullopt;
}

JobErgebnis erfolg(const MusterAuftrag& a, std::uint64_t n) {
    JobErgebnis e;
    e.ok = true;
    e.ausgabe = a.szOutPutFile;
    e.dateigroesse = n;
    return e;
}

// Masks of eight FFO characters each, streamed from the pattern file.
class Maskenleser {
public:
    enum class Stand { Ok, Ungueltig, ZuKurz };
    explicit Maskenleser(Blockleser& l) : leser_(l) {}

    // XORs the masks of the next 8 * bytes.size() characters into the bytes.
    Stand anwenden(std::span<unsigned char> bytes) {
        std::size_t i = 0;
        while (i < bytes.size()) {
            if (block_.size() - pos_ < 8) {
                std::array<unsigned char, 8> acht{};
                if (!ueberBlockgrenze(acht)) return Stand::ZuKurz;
                if (!maske(acht.data(), bytes[i++])) return Stand::Ungueltig;
                continue;
            }
            const std::size_t anzahl = std::min(bytes.size() - i, (block_.size() - pos_) / 8);
            for (std::size_t k = 0; k < anzahl; ++k, pos_ += 8)
                if (!maske(block_.data() + pos_, bytes[i + k])) return Stand::Ungueltig;
            i += anzahl;
        }
        return Stand::Ok;
    }

private:
    // Character j of "0"/"1" becomes bit 7 - j of the mask; false for any other character.
    static bool maske(const unsigned char* p, unsigned char& byte) {
        std::uint64_t w;
        std::memcpy(&w, p, 8);
        if constexpr (std::endian::native == std::endian::big) w = __builtin_bswap64(w);
        const std::uint64_t x = w ^ 0x3030303030303030ull;
        if (x & ~0x0101010101010101ull) return false;
        byte = static_cast<unsigned char>(byte ^ ((x * 0x8040201008040201ull) >> 56));
        return true;
    }

    // Eight characters that straddle the end of the current block.
    bool ueberBlockgrenze(std::array<unsigned char, 8>& acht) {
        std::size_t n = 0;
        while (n < 8) {
            if (pos_ == block_.size()) {
                block_ = leser_.naechster();
                pos_ = 0;
                if (block_.empty()) return false;
            }
            acht[n++] = block_[pos_++];
        }
        return true;
    }

    Blockleser& leser_;
    std::span<const unsigned char> block_;
    std::size_t pos_ = 0;
};

enum class FabLauf { Fertig, Rueckwaerts, Lesefehler, Musterfehler, Schreibfehler };

// One pass over input and pattern together, for records that never move the position
// back into a block already written. Rueckwaerts when one does.
FabLauf fabInEinemLauf(Dateien& d, FabLeser& fab, Fortschritt& f, std::uint64_t& uebersprungen) {
    const std::uint64_t bits = 8 * d.eingabe.groesse();
    const std::uint64_t m = d.muster.groesse();
    Schritte schritte(m / 100 / FAB_RECORD, 0);  // offsets k * step, step a multiple of 4
    std::span<unsigned char> puffer;
    std::uint64_t anfang = 0;  // first bit of the block in `puffer`
    auto laden = [&] {
        puffer = d.eingabe.naechsterZumAendern();
        anfang = 8 * (d.eingabe.gelesen() - puffer.size());
        return !puffer.empty();
    };
    auto weiter = [&] { return d.ausgabe.schreiben(puffer.data(), puffer.size()) ? laden() : false; };
    if (!laden()) return FabLauf::Lesefehler;

    std::int64_t pos = -1;
    std::uint64_t r = 0;
    std::int32_t g;
    while (fab.naechster(g)) {
        schritte.bis(++r, f);
        pos += g;
        if (pos < 0 || static_cast<std::uint64_t>(pos) >= bits) {
            ++uebersprungen;
            continue;
        }
        const auto p = static_cast<std::uint64_t>(pos);
        if (p < anfang) return FabLauf::Rueckwaerts;
        while (p >= anfang + 8 * puffer.size())
            if (!weiter()) return d.ausgabe.ok() ? FabLauf::Lesefehler : FabLauf::Schreibfehler;
        puffer[(p - anfang) >> 3] ^= static_cast<unsigned char>(0x80u >> (p & 7));
    }
    if (fab.fehler()) return FabLauf::Musterfehler;
    do {
        if (!d.ausgabe.schreiben(puffer.data(), puffer.size())) return FabLauf::Schreibfehler;
    } while (laden());
    return d.eingabe.fehler() || d.eingabe.gelesen() != d.eingabe.groesse() ? FabLauf::Lesefehler : FabLauf::Fertig;
}

// Any records: each input block takes its own pass over the whole pattern.
FabLauf fabBlockweise(Dateien& d, const std::string& muster, std::size_t block, Fortschritt& f,
                      std::uint64_t& uebersprungen) {
    const std::uint64_t bits = 8 * d.eingabe.groesse();
    Schritte schritte(d.eingabe.groesse() / 100, 0);
    bool erster = true;
    for (auto puffer = d.eingabe.naechsterZumAendern(); !puffer.empty(); puffer = d.eingabe.naechsterZumAendern()) {
        const std::uint64_t anfang = 8 * (d.eingabe.gelesen() - puffer.size());
        const std::uint64_t ende = anfang + 8 * puffer.size();
        schritte.bis(d.eingabe.gelesen(), f);
        FabLeser fab(muster, block);
        std::int64_t pos = -1;
        std::int32_t g;
        while (fab.naechster(g)) {
            pos += g;
            if (pos < 0 || static_cast<std::uint64_t>(pos) >= bits) {
                uebersprungen += erster;
                continue;
            }
            const auto p = static_cast<std::uint64_t>(pos);
            if (p >= anfang && p < ende) puffer[(p - anfang) >> 3] ^= static_cast<unsigned char>(0x80u >> (p & 7));
        }
        if (fab.fehler() || !fab.offen()) return FabLauf::Musterfehler;
        if (!d.ausgabe.schreiben(puffer.data(), puffer.size())) return FabLauf::Schreibfehler;
        erster = false;
    }
    return d.eingabe.fehler() || d.eingabe.gelesen() != d.eingabe.groesse() ? FabLauf::Lesefehler : FabLauf::Fertig;
}

}  // namespace

JobErgebnis CreateFfoErrorFile(const MusterAuftrag& a, Fortschritt& f, std::size_t block) {
    if (auto gleich = gleicheDateiVerweigern(a.szOutPutFile, {a.szInPutFile, a.szFfoFabFile})) return *gleich;
    // Eight pattern characters per input byte: the input goes in blocks an eighth as large.
    Dateien d(a, std::max<std::size_t>(block / 8, 1), block);
    if (auto fehler = oeffnenPruefen(a, d)) return *fehler;
    const std::uint64_t n = d.eingabe.groesse();
    if (d.muster.groesse() < 8 * n) return JobErgebnis::Ablehnung(format(TEXT_ZU_KLEIN, a.szFfoFabFile.c_str()));
    if (n == 0) return JobErgebnis::Ablehnung(TEXT_EINGABE_LESEN);

    Fortschrittsrahmen fenster(f, a.szOutPutFile, TEXT_WIRD_ERSTELLT);
    Schritte schritte(n / 100, 1);
    Maskenleser masken(d.muster);
    for (auto puffer = d.eingabe.naechsterZumAendern(); !puffer.empty(); puffer = d.eingabe.naechsterZumAendern()) {
        schritte.bis(d.eingabe.gelesen(), f);
        switch (masken.anwenden(puffer)) {
        case Maskenleser::Stand::Ungueltig: return JobErgebnis::Fehler(TEXT_UNGUELTIGE_FFO, TITEL_PROGRAMM);
        case Maskenleser::Stand::ZuKurz: return JobErgebnis::Fehler(TEXT_MUSTER_LESEN);
        case Maskenleser::Stand::Ok: break;
        }
        if (!d.ausgabe.schreiben(puffer.data(), puffer.size()))
            return JobErgebnis::Fehler(mitGrund(TEXT_WRITEFILE, d.ausgabe.fehlernummer()));
    }
    if (d.eingabe.fehler() || d.eingabe.gelesen() != n)
        return JobErgebnis::Fehler(mitGrund(TEXT_EINGABE_LESEN, d.eingabe.fehlernummer()));
    if (!d.ausgabe.abschliessen()) return JobErgebnis::Fehler(mitGrund(TEXT_WRITEFILE, d.ausgabe.fehlernummer()));
    return erfolg(a, n);
}

JobErgebnis CreateFabErrorFile(const MusterAuftrag& a, Fortschritt& f, std::size_t block) {
    if (auto gleich = gleicheDateiVerweigern(a.szOutPutFile, {a.szInPutFile, a.szFfoFabFile})) return *gleich;
    FabLauf lauf = FabLauf::Rueckwaerts;
    std::uint64_t uebersprungen = 0;
    std::uint64_t n = 0, m = 0;
    for (bool blockweise : {false, true}) {
        Dateien d(a, block, 1);  // the pattern itself is read as records
        if (auto fehler = oeffnenPruefen(a, d)) return *fehler;
        n = d.eingabe.groesse();
        m = d.muster.groesse();
        if (n == 0) return JobErgebnis::Ablehnung(TEXT_EINGABE_LESEN);
        Fortschrittsrahmen fenster(f, a.szOutPutFile, TEXT_WIRD_ERSTELLT);
        uebersprungen = 0;
        if (blockweise) {
            lauf = fabBlockweise(d, a.szFfoFabFile, block, f, uebersprungen);
        } else {
            FabLeser fab(a.szFfoFabFile, block);
            lauf = fabInEinemLauf(d, fab, f, uebersprungen);
        }
        if (lauf == FabLauf::Rueckwaerts) continue;
        if (lauf == FabLauf::Lesefehler)
            return JobErgebnis::Fehler(mitGrund(TEXT_EINGABE_LESEN, d.eingabe.fehlernummer()));
        if (lauf == FabLauf::Musterfehler) return JobErgebnis::Fehler(TEXT_MUSTER_LESEN);
        if (lauf == FabLauf::Schreibfehler || !d.ausgabe.abschliessen())
            return JobErgebnis::Fehler(mitGrund(TEXT_WRITEFILE, d.ausgabe.fehlernummer()));
        break;
    }
    JobErgebnis e = erfolg(a, n);
    e.uebersprungen = uebersprungen;
    if (uebersprungen > 0)
        e.melden(format(TEXT_UEBERSPRUNGEN, static_cast<unsigned long long>(uebersprungen), a.szFfoFabFile.c_str()),
                 TITEL_PROGRAMM, Symbol::Information);
    fabRestMelden(e, a.szFfoFabFile, m);
    return e;
}

JobErgebnis MusterVerfaelschen(const MusterAuftrag& a, Fortschritt& f, std::size_t block) {
    return dateitypMultimedia(a.szFfoFabFile) == TYP_FFO ? CreateFfoErrorFile(a, f, block)
                                                         : CreateFabErrorFile(a, f, block);
}

}  // namespace zor
