#include "core/seqfiles/konvertieren.h"

#include "core/io/dateijob.h"
#include "core/seqfiles/dateiquelle.h"
#include "core/io/dateityp.h"
#include "core/seqfiles/folgen_strom.h"
#include "core/io/folgenleser.h"
#include "core/util/fortschritt.h"
#include "core/io/ausgabedatei.h"
#include "core/util/systemfehler.h"

#include <bit>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>

namespace zor {

namespace {

enum class Strom { Ok, Lesefehler, Schreibfehler, ZuGross, Ungueltig, Abgebrochen };

Strom lesestand(Lesestand l) {
    switch (l) {
    case Lesestand::Gut: return Strom::Ok;
    case Lesestand::Ungueltig: return Strom::Ungueltig;
    default: return Strom::Lesefehler;
    }
}

// A note when the FAB could not keep the correct bits after the last error.
void offeneKorrekteMelden(JobErgebnis& e, const AbstandZaehler& z) {
    if (const std::uint64_t n = z.offeneKorrekte(); n > 0)
        e.melden(format(TEXT_KORREKTE_ENTFALLEN, static_cast<unsigned long long>(n)), TITEL_PROGRAMM, Symbol::Information);
}

// FFO characters to FAB records.
Strom ffoZuFab(FfoLeser& in, AbstandZaehler& z, Schritte& schritte, Fortschritt& f) {
    for (auto b = in.naechster(); !b.empty(); b = in.naechster()) {
        schritte.bis(in.gelesen(), f);
        if (schritte.abgebrochen()) return Strom::Abgebrochen;
        if (!z.zeichen(b)) return z.zuGross() ? Strom::ZuGross : Strom::Schreibfehler;
    }
    if (!in.gut()) return lesestand(in.stand());
    return z.leeren() ? Strom::Ok : Strom::Schreibfehler;
}

// FAB records to FFO characters. The work is the characters written, so the steps are
// placed among them: one long gap moves the bar as much as many short ones.
Strom fabZuFfo(FabLeser& in, FfoPuffer& ffo, std::uint64_t bits, Fortschritt& f) {
    Schritte schritte(bits / 100, 0);
    std::uint64_t pos = 0;
    std::int32_t v;
    while (in.naechster(v)) {
        const std::uint64_t eins = pos + static_cast<std::uint64_t>(v) - 1;
        bool gut = true;
        const bool weiter = schritte.ueber(pos, eins + 1, f, [&](std::uint64_t a, std::uint64_t b) {
            gut = gut && ffo.nullen(std::min(b, eins) - a);
        });
        if (!weiter) return Strom::Abgebrochen;
        if (!gut || !ffo.eins()) return Strom::Schreibfehler;
        pos = eins + 1;
    }
    if (!in.gut()) return lesestand(in.stand());
    return ffo.leeren() ? Strom::Ok : Strom::Schreibfehler;
}

template <class Leser>
JobErgebnis stromFehler(Strom s, const Leser& in, const Ausgabedatei& aus, const std::string& name = {}) {
    switch (s) {
    case Strom::Abgebrochen: return JobErgebnis::Abgebrochen();
    case Strom::Lesefehler: return JobErgebnis::Fehler(mitGrund(TEXT_LESEN, in.fehlernummer()));
    case Strom::ZuGross: return JobErgebnis::Fehler(TEXT_ABSTAND_ZU_GROSS);
    case Strom::Ungueltig:
        if constexpr (requires { in.ungueltigText(name); })
            return JobErgebnis::Fehler(in.ungueltigText(name), TITEL_PROGRAMM, Symbol::Stopp);
        [[fallthrough]];
    default: return JobErgebnis::Fehler(mitGrund(TEXT_SCHREIBEN, aus.fehlernummer()));
    }
}

// The characters a FAB expands into, counted before anything is written: a few records
// can stand for gigabytes, which must fit beside the target.
std::optional<JobErgebnis> fabAusgabePruefen(const std::string& fab, const std::string& ausgabe, std::size_t block,
                                             std::uint64_t& bits) {
    const auto n = fabBits(fab, block);
    if (!n) return JobErgebnis::Fehler(TEXT_LESEN);
    bits = *n;
    return platzVerweigern(ausgabe, bits);
}

template <class Leser>
JobErgebnis oeffnenFehler(const Leser& in, const std::string& name) {
    return JobErgebnis::Fehler(mitGrund(format(TEXT_OEFFNEN_1, name.c_str()), in.fehlernummer()));
}

JobErgebnis erzeugenFehler(const Ausgabedatei& aus, const std::string& name) {
    return JobErgebnis::Fehler(mitGrund(format(TEXT_ERZEUGEN, name.c_str()), aus.fehlernummer()));
}

JobErgebnis erfolgreich(const std::string& ein, const std::string& aus) {
    JobErgebnis e;
    e.ok = true;
    e.ausgabe = aus;
    e.melden(format(TEXT_KONVERTIERT, ein.c_str(), aus.c_str()), TITEL_PROGRAMM, Symbol::Information);
    return e;
}

}  // namespace

std::string konvertierName(const std::string& eingabe, int zielTyp) {
    const std::size_t schraeg = eingabe.find_last_of('/');
    const std::size_t punkt = eingabe.find_last_of('.');
    const bool imNamen = punkt != std::string::npos && (schraeg == std::string::npos || punkt > schraeg);
    return (imNamen ? eingabe.substr(0, punkt) : eingabe) + (zielTyp == TYP_FAB ? ".FAB" : ".FFO");
}

std::string konvertierenName(const std::string& szFile, int eingabeTyp) {
    std::string aus = szFile;
    if (aus.size() >= 2) aus.replace(aus.size() - 2, 2, eingabeTyp == TYP_FFO ? "AB" : "FO");
    return aus;
}

JobErgebnis Convert_Ffo_To_Fab(const std::string& eingabe, Fortschritt& f, std::size_t block,
                               const Eingaben& geschuetzt) {
    const std::string ausgabe = konvertierName(eingabe, TYP_FAB);
    const Eingaben eingaben = eingabenUnd({eingabe}, geschuetzt);
    if (auto nein = ausgabeVerweigern(ausgabe, eingaben)) return *nein;
    FfoLeser in(eingabe, block);
    if (!in.offen()) return oeffnenFehler(in, eingabe);
    Ausgabedatei aus(ausgabe, eingaben);
    if (!aus.ok()) return erzeugenFehler(aus, ausgabe);
    const std::uint64_t n = in.groesse();
    if (n == 0) return JobErgebnis::Ablehnung("Kein Byte gelesen!", "Convert_Ffo_To_Fab");

    KeinFortschritt still;
    Fortschritt& anzeige = n / 100 >= 4 ? f : still;  // short files convert without a window
    Fortschrittsrahmen fenster(anzeige, ausgabe, TEXT_WIRD_ERSTELLT);
    Schritte schritte(n / 100, 1);
    AbstandZaehler z(aus);
    if (const Strom s = ffoZuFab(in, z, schritte, anzeige); s != Strom::Ok) return stromFehler(s, in, aus, eingabe);
    if (!aus.abschliessen()) return stromFehler(Strom::Schreibfehler, in, aus);
    JobErgebnis e = erfolgreich(eingabe, ausgabe);
    offeneKorrekteMelden(e, z);
    return e;
}

JobErgebnis Convert_Fab_To_Ffo(const std::string& eingabe, Fortschritt& f, std::size_t block,
                               const Eingaben& geschuetzt) {
    const std::string ausgabe = konvertierName(eingabe, TYP_FFO);
    const Eingaben eingaben = eingabenUnd({eingabe}, geschuetzt);
    if (auto nein = ausgabeVerweigern(ausgabe, eingaben)) return *nein;
    FabLeser in(eingabe, block);
    if (!in.offen()) return oeffnenFehler(in, eingabe);
    std::uint64_t bits = 0;
    if (auto nein = fabAusgabePruefen(eingabe, ausgabe, block, bits)) return *nein;
    Ausgabedatei aus(ausgabe, eingaben);
    if (!aus.ok()) return erzeugenFehler(aus, ausgabe);

    Fortschrittsrahmen fenster(f, ausgabe, TEXT_WIRD_ERSTELLT);
    FfoPuffer ffo(aus);
    if (const Strom s = fabZuFfo(in, ffo, bits, f); s != Strom::Ok) return stromFehler(s, in, aus);
    if (!aus.abschliessen()) return stromFehler(Strom::Schreibfehler, in, aus);
    JobErgebnis e = erfolgreich(eingabe, ausgabe);
    fabHinweiseMelden(e, in, eingabe);
    return e;
}

std::string multimediaAusgabe(const std::string& eingabe) {
    return konvertierName(eingabe, dateitypMultimedia(eingabe) == TYP_FFO ? TYP_FAB : TYP_FFO);
}

JobErgebnis SelectConvertFunction(const std::string& eingabe, Fortschritt& f, std::size_t block,
                                  const Eingaben& geschuetzt) {
    if (eingabe.empty()) return JobErgebnis::Ablehnung("Fehler beim Öffnen der Datei!");
    return dateitypMultimedia(eingabe) == TYP_FFO ? Convert_Ffo_To_Fab(eingabe, f, block, geschuetzt)
                                                  : Convert_Fab_To_Ffo(eingabe, f, block, geschuetzt);
}

KonvertierenVorbereitung konvertierenVorbereiten(const ZorState& s, const std::string& szFile,
                                                const std::function<bool(const std::string&)>& ueberschreiben) {
    using Art = KonvertierenErgebnis::Art;
    if (!s.Fenster.aktualisiert) return {{}, {Art::Aufforderung, {}, false}};
    const auto typ = Dateityp(szFile);
    if (!typ)
        return {{},
                {Art::Fehler, JobErgebnis::Ablehnung(TEXT_KEIN_GUELTIGER_DATEINAME, TITEL_PROGRAMM, Symbol::Ausrufezeichen),
                 false}};
    const Blockleser in(szFile, 1);  // only whether it opens; the format's reader follows
    std::error_code ec;
    if (!in.offen() || std::filesystem::is_directory(szFile, ec))
        return {{},
                {Art::Fehler,
                 JobErgebnis::Fehler(mitGrund("Datei kann nicht geöffnet werden!", in.offen() ? EISDIR : in.fehlernummer()),
                                     TITEL_PROGRAMM, Symbol::Ausrufezeichen),
                 false}};
    KonvertierenAuftrag a{szFile, konvertierenName(szFile, *typ), *typ, eingabenUnd({szFile}, satzDateien(s))};
    if (auto nein = ausgabeVerweigern(a.ausgabe, a.geschuetzt)) return {{}, {Art::Fehler, *nein, false}};
    if (std::filesystem::exists(a.ausgabe, ec) && !ueberschreiben(format(TEXT_EXISTIERT, a.ausgabe.c_str())))
        return {{}, {Art::Abgelehnt, {}, false}};
    return {std::move(a), {}};
}

JobErgebnis konvertierenAusfuehren(const KonvertierenAuftrag& a, Fortschritt& f, std::size_t block) {
    std::uint64_t bits = 0;
    if (a.typ == TYP_FAB)
        if (auto nein = fabAusgabePruefen(a.eingabe, a.ausgabe, block, bits)) return *nein;
    Ausgabedatei aus(a.ausgabe, a.geschuetzt);
    if (!aus.ok()) return erzeugenFehler(aus, a.ausgabe);
    Fortschrittsrahmen fenster(f, a.ausgabe, TEXT_WIRD_ERZEUGT);
    Strom st;
    std::optional<FfoLeser> ffo;
    std::optional<FabLeser> fab;
    std::optional<AbstandZaehler> z;
    if (a.typ == TYP_FFO) {
        ffo.emplace(a.eingabe, block);
        Schritte schritte(ffo->groesse() / 100, 1);
        z.emplace(aus);
        st = ffoZuFab(*ffo, *z, schritte, f);
    } else {
        fab.emplace(a.eingabe, block);
        FfoPuffer puffer(aus);
        st = fabZuFfo(*fab, puffer, bits, f);
    }
    if (st == Strom::Ok && !aus.abschliessen()) st = Strom::Schreibfehler;
    if (st != Strom::Ok) return ffo ? stromFehler(st, *ffo, aus, a.eingabe) : stromFehler(st, *fab, aus);
    JobErgebnis e;
    e.ok = true;
    e.ausgabe = a.ausgabe;
    if (fab) fabHinweiseMelden(e, *fab, a.eingabe);
    if (z) offeneKorrekteMelden(e, *z);
    return e;
}

KonvertierenErgebnis konvertierenEintragen(ZorState& s, const KonvertierenAuftrag& a, JobErgebnis job) {
    using Art = KonvertierenErgebnis::Art;
    if (!job.ok) return {Art::Fehler, std::move(job), false};
    const bool aktualisieren = Datei_ueberschrieben(s, a.ausgabe);
    return {Art::Erfolg, std::move(job), aktualisieren};
}

KonvertierenErgebnis Konvertieren(ZorState& s, std::string& szFile,
                                  const std::function<bool(const std::string&)>& ueberschreiben, Fortschritt& f,
                                  std::size_t block) {
    KonvertierenVorbereitung v = konvertierenVorbereiten(s, szFile, ueberschreiben);
    if (!v.auftrag) return v.ablehnung;
    szFile = v.auftrag->ausgabe;
    return konvertierenEintragen(s, *v.auftrag, konvertierenAusfuehren(*v.auftrag, f, block));
}

}  // namespace zor
