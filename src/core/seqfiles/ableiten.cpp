// The bits of a file (a comparison file or any file) as FFO or FAB.
#include "core/io/dateijob.h"
#include "core/io/dateityp.h"
#include "core/seqfiles/folgen_strom.h"
#include "core/util/fortschritt.h"
#include "core/seqfiles/vergleich.h"
#include "core/util/systemfehler.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>

namespace zor {

namespace {

// Expanding to characters goes in slices so that a block never becomes 8 blocks of text.
constexpr std::size_t SCHEIBE = std::size_t{1} << 15;

// Set bits of a file, counted in one pass (nothing when it cannot be read).
std::optional<std::uint64_t> gesetzteBits(const std::string& pfad, std::size_t block) {
    Blockleser in(pfad, block);
    std::uint64_t n = 0;
    for (auto b = in.naechster(); !b.empty(); b = in.naechster()) {
        std::size_t i = 0;
        for (std::uint64_t w; i + 8 <= b.size(); i += 8) {
            std::memcpy(&w, b.data() + i, 8);
            n += static_cast<std::uint64_t>(std::popcount(w));
        }
        for (; i < b.size(); ++i) n += static_cast<std::uint64_t>(std::popcount(b[i]));
    }
    if (!in.offen() || in.fehler()) return std::nullopt;
    return n;
}

// The output's size must fit beside it: 8 characters per byte for an FFO, a record per
// set bit for a FAB (counted only when the worst case, every bit set, would not fit).
std::optional<JobErgebnis> platzPruefen(const std::string& quelle, std::uint64_t n, const std::string& ausgabe,
                                        int typ, std::size_t block) {
    n = std::min(n, std::numeric_limits<std::uint64_t>::max() / (8 * FAB_RECORD));
    if (typ == TYP_FFO) return platzVerweigern(ausgabe, 8 * n);
    if (!platzVerweigern(ausgabe, 8 * FAB_RECORD * n)) return std::nullopt;
    const auto bits = gesetzteBits(quelle, block);
    if (!bits) return JobErgebnis::Fehler(TEXT_LESEN);
    return platzVerweigern(ausgabe, FAB_RECORD * *bits);
}


JobErgebnis bitsAlsFolge(const std::string& quelle, const std::string& ausgabe, int typ, const std::string& label,
                         Fortschritt& f, std::size_t block, const Eingaben& geschuetzt) {
    const Eingaben eingaben = eingabenUnd({quelle}, geschuetzt);
    if (auto nein = ausgabeVerweigern(ausgabe, eingaben)) return *nein;
    Blockleser in(quelle, block);
    if (!in.offen()) return JobErgebnis::Fehler(mitGrund(format(TEXT_LESEN_DATEI, quelle.c_str()), in.fehlernummer()));
    if (auto nein = platzPruefen(quelle, in.groesse(), ausgabe, typ, block)) return *nein;
    Ausgabedatei aus(ausgabe, eingaben);
    if (!aus.ok()) return JobErgebnis::Fehler(mitGrund(format(TEXT_ERZEUGEN, ausgabe.c_str()), aus.fehlernummer()));

    Fortschrittsrahmen fenster(f, label, TEXT_WIRD_ERSTELLT);
    Schritte schritte(in.groesse() / 100, 1);
    FfoPuffer ffo(aus);
    AbstandZaehler z(aus);
    for (auto b = in.naechster(); !b.empty(); b = in.naechster()) {
        schritte.bis(in.gelesen(), f);
        if (schritte.abgebrochen()) return JobErgebnis::Abgebrochen();
        bool gut = true;
        if (typ == TYP_FFO)
            for (std::size_t i = 0; gut && i < b.size(); i += SCHEIBE) gut = ffo.bitsVon(b.subspan(i, std::min(SCHEIBE, b.size() - i)));
        else
            gut = z.bits(b);
        if (!gut)
            return JobErgebnis::Fehler(z.zuGross() ? TEXT_ABSTAND_ZU_GROSS : mitGrund(TEXT_SCHREIBEN, aus.fehlernummer()));
    }
    if (in.fehler()) return JobErgebnis::Fehler(mitGrund(TEXT_LESEN, in.fehlernummer()));
    if (!(typ == TYP_FFO ? ffo.leeren() : z.leeren()) || !aus.abschliessen())
        return JobErgebnis::Fehler(mitGrund(TEXT_SCHREIBEN, aus.fehlernummer()));
    JobErgebnis e;
    e.ok = true;
    e.ausgabe = ausgabe;
    e.dateigroesse = in.groesse();
    return e;
}

}  // namespace

JobErgebnis MakeFehlerFolge(const std::string& vergleich, const std::string& ffo, Fortschritt& f, std::size_t block,
                            const Eingaben& geschuetzt) {
    return bitsAlsFolge(vergleich, ffo, TYP_FFO, ffo, f, block, geschuetzt);
}

JobErgebnis MakeFehlerAbstand(const std::string& vergleich, const std::string& fab, Fortschritt& f, std::size_t block,
                              const Eingaben& geschuetzt) {
    JobErgebnis e = bitsAlsFolge(vergleich, fab, TYP_FAB, format("Datei: %s", fab.c_str()), f, block, geschuetzt);
    if (e) e.melden(format(TEXT_ABSTAND_ERSTELLT, fab.c_str()), TITEL_PROGRAMM, Symbol::Information);
    return e;
}

JobErgebnis FfoOderFabErstellen(const std::string& vergleich, const std::string& ausgabe, Fortschritt& f,
                                std::size_t block, const Eingaben& geschuetzt) {
    return dateitypMultimedia(ausgabe) == TYP_FFO ? MakeFehlerFolge(vergleich, ausgabe, f, block, geschuetzt)
                                                  : MakeFehlerAbstand(vergleich, ausgabe, f, block, geschuetzt);
}

JobErgebnis SaveBinFileFFO(const std::string& quelle, const std::string& ausgabe, Fortschritt& f, std::size_t block,
                           const Eingaben& geschuetzt) {
    return bitsAlsFolge(quelle, ausgabe, TYP_FFO, ausgabe, f, block, geschuetzt);
}

JobErgebnis SaveBinFileFab(const std::string& quelle, const std::string& ausgabe, Fortschritt& f, std::size_t block,
                           const Eingaben& geschuetzt) {
    return bitsAlsFolge(quelle, ausgabe, TYP_FAB, ausgabe, f, block, geschuetzt);
}

}  // namespace zor
