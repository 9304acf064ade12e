#include "core/corruption/muster.h"

#include "core/io/dateijob.h"
#include "core/io/dateityp.h"
#include "core/io/folgenleser.h"
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

Eingaben musterEingaben(const MusterAuftrag& a) { return eingabenUnd({a.szInPutFile, a.szFfoFabFile}, a.geschuetzt); }

// The three files of a pattern job, opened in the order of their messages.
template <class Muster>
struct Dateien {
    Blockleser eingabe;
    Muster muster;
    Ausgabedatei ausgabe;
    Dateien(const MusterAuftrag& a, std::size_t eingabeBlock, std::size_t musterBlock)
        : eingabe(a.szInPutFile, eingabeBlock), muster(a.szFfoFabFile, musterBlock),
          ausgabe(a.szOutPutFile, musterEingaben(a)) {}
};

template <class Muster>
std::optional<JobErgebnis> oeffnenPruefen(const MusterAuftrag& a, const Dateien<Muster>& d) {
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

// Masks of eight FFO characters each, from the first `bedarf` characters of the pattern.
class Maskenleser {
public:
    enum class Stand { Ok, Ungueltig, ZuKurz };
    Maskenleser(FfoLeser& l, std::uint64_t bedarf) : leser_(l), bedarf_(bedarf) {}

    // XORs the masks of the next 8 * bytes.size() characters into the bytes.
    Stand anwenden(std::span<unsigned char> bytes) {
        std::size_t i = 0;
        while (i < bytes.size()) {
            if (stueck_.size() < 8) {
                std::array<unsigned char, 8> acht{};
                if (!ueberStueckgrenze(acht)) return leser_.stand() == Lesestand::Ungueltig ? Stand::Ungueltig : Stand::ZuKurz;
                bytes[i++] ^= maske(acht.data());
                continue;
            }
            const std::size_t anzahl = std::min(bytes.size() - i, stueck_.size() / 8);
            for (std::size_t k = 0; k < anzahl; ++k) bytes[i + k] ^= maske(stueck_.data() + 8 * k);
            stueck_ = stueck_.subspan(8 * anzahl);
            i += anzahl;
        }
        return Stand::Ok;
    }

private:
    // Character j ("0" or "1", as the reader checked) becomes bit 7 - j of the mask.
    static unsigned char maske(const unsigned char* p) {
        std::uint64_t w;
        std::memcpy(&w, p, 8);
        if constexpr (std::endian::native == std::endian::big) w = __builtin_bswap64(w);
        return static_cast<unsigned char>(((w ^ 0x3030303030303030ull) * 0x8040201008040201ull) >> 56);
    }

    // Eight characters that straddle the end of the current piece.
    bool ueberStueckgrenze(std::array<unsigned char, 8>& acht) {
        for (std::size_t n = 0; n < 8; ++n) {
            if (stueck_.empty()) stueck_ = leser_.naechster(bedarf_ - leser_.gelesen());
            if (stueck_.empty()) return false;
            acht[n] = stueck_[0];
            stueck_ = stueck_.subspan(1);
        }
        return true;
    }

    FfoLeser& leser_;
    std::uint64_t bedarf_;
    std::span<const unsigned char> stueck_;
};

enum class FabLauf { Fertig, Lesefehler, Musterfehler, Schreibfehler, Abgebrochen };

// One pass over input and pattern together: gaps are at least 1, so the position only
// moves forward and each input block is written once it lies behind it.
FabLauf fabInEinemLauf(Dateien<FabLeser>& d, Fortschritt& f, std::uint64_t& uebersprungen) {
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

    std::uint64_t pos = 0;  // one past the bit of the previous error
    std::uint64_t r = 0;
    std::int32_t g;
    while (d.muster.naechster(g)) {
        schritte.bis(++r, f);
        if (schritte.abgebrochen()) return FabLauf::Abgebrochen;
        pos += static_cast<std::uint64_t>(g);
        if (pos > bits) {
            ++uebersprungen;
            continue;
        }
        const std::uint64_t p = pos - 1;
        while (p >= anfang + 8 * puffer.size())
            if (!weiter()) return d.ausgabe.ok() ? FabLauf::Lesefehler : FabLauf::Schreibfehler;
        puffer[(p - anfang) >> 3] ^= static_cast<unsigned char>(0x80u >> (p & 7));
    }
    if (!d.muster.gut()) return FabLauf::Musterfehler;
    do {
        if (!d.ausgabe.schreiben(puffer.data(), puffer.size())) return FabLauf::Schreibfehler;
    } while (laden());
    return d.eingabe.fehler() || d.eingabe.gelesen() != d.eingabe.groesse() ? FabLauf::Lesefehler : FabLauf::Fertig;
}

}  // namespace

JobErgebnis CreateFfoErrorFile(const MusterAuftrag& a, Fortschritt& f, std::size_t block) {
    if (auto nein = ausgabeVerweigern(a.szOutPutFile, musterEingaben(a))) return *nein;
    // Eight pattern characters per input byte: the input goes in blocks an eighth as large.
    Dateien<FfoLeser> d(a, std::max<std::size_t>(block / 8, 1), block);
    if (auto fehler = oeffnenPruefen(a, d)) return *fehler;
    const std::uint64_t n = d.eingabe.groesse();
    if (d.muster.zeichen() < 8 * n) return JobErgebnis::Ablehnung(format(TEXT_ZU_KLEIN, a.szFfoFabFile.c_str()));
    if (n == 0) return JobErgebnis::Ablehnung(TEXT_EINGABE_LESEN);

    Fortschrittsrahmen fenster(f, a.szOutPutFile, TEXT_WIRD_ERSTELLT);
    Schritte schritte(n / 100, 1);
    Maskenleser masken(d.muster, 8 * n);
    for (auto puffer = d.eingabe.naechsterZumAendern(); !puffer.empty(); puffer = d.eingabe.naechsterZumAendern()) {
        schritte.bis(d.eingabe.gelesen(), f);
        if (schritte.abgebrochen()) return JobErgebnis::Abgebrochen();
        switch (masken.anwenden(puffer)) {
        case Maskenleser::Stand::Ungueltig:
            return JobErgebnis::Fehler(d.muster.ungueltigText(a.szFfoFabFile), TITEL_PROGRAMM, Symbol::Stopp);
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
    if (auto nein = ausgabeVerweigern(a.szOutPutFile, musterEingaben(a))) return *nein;
    Dateien<FabLeser> d(a, block, block);
    if (auto fehler = oeffnenPruefen(a, d)) return *fehler;
    const std::uint64_t n = d.eingabe.groesse();
    if (n == 0) return JobErgebnis::Fehler(TEXT_EINGABE_LESEN);
    std::uint64_t uebersprungen = 0;
    {
        Fortschrittsrahmen fenster(f, a.szOutPutFile, TEXT_WIRD_ERSTELLT);
        switch (fabInEinemLauf(d, f, uebersprungen)) {
        case FabLauf::Lesefehler: return JobErgebnis::Fehler(TEXT_EINGABE_LESEN);
        case FabLauf::Musterfehler: return JobErgebnis::Fehler(TEXT_MUSTER_LESEN);
        case FabLauf::Schreibfehler: return JobErgebnis::Fehler(TEXT_WRITEFILE);
        case FabLauf::Abgebrochen: return JobErgebnis::Abgebrochen();
        case FabLauf::Fertig: break;
        }
        if (!d.ausgabe.abschliessen()) return JobErgebnis::Fehler(mitGrund(TEXT_WRITEFILE, d.ausgabe.fehlernummer()));
    }
    JobErgebnis e = erfolg(a, n);
    e.uebersprungen = uebersprungen;
    if (uebersprungen > 0)
        e.melden(format(TEXT_UEBERSPRUNGEN, static_cast<unsigned long long>(uebersprungen), a.szFfoFabFile.c_str()),
                 TITEL_PROGRAMM, Symbol::Information);
    fabHinweiseMelden(e, d.muster, a.szFfoFabFile);
    return e;
}

JobErgebnis MusterVerfaelschen(const MusterAuftrag& a, Fortschritt& f, std::size_t block) {
    return dateitypMultimedia(a.szFfoFabFile) == TYP_FFO ? CreateFfoErrorFile(a, f, block)
                                                         : CreateFabErrorFile(a, f, block);
}

}  // namespace zor
