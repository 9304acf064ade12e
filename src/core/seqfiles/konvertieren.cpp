#include "core/seqfiles/konvertieren.h"

#include "core/io/dateijob.h"
#include "core/seqfiles/dateiquelle.h"
#include "core/io/dateityp.h"
#include "core/seqfiles/folgen_strom.h"
#include "core/util/fortschritt.h"
#include "core/io/ausgabedatei.h"
#include "core/util/systemfehler.h"

#include <bit>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace zor {

namespace {

enum class Strom { Ok, Lesefehler, Schreibfehler, ZuGross };

// FFO characters to FAB records. nurEins: only "1" is an error, else every byte but "0".
Strom ffoZuFab(Blockleser& in, AbstandZaehler& z, bool nurEins, Schritte& schritte, Fortschritt& f) {
    for (auto b = in.naechster(); !b.empty(); b = in.naechster()) {
        schritte.bis(in.gelesen(), f);
        if (!z.zeichen(b, nurEins)) return z.zuGross() ? Strom::ZuGross : Strom::Schreibfehler;
    }
    if (in.fehler()) return Strom::Lesefehler;
    return z.leeren() ? Strom::Ok : Strom::Schreibfehler;
}

// FAB records to FFO characters; the records are counted for the progress steps.
Strom fabZuFfo(FabLeser& in, FfoPuffer& ffo, Schritte& schritte, Fortschritt& f) {
    std::int32_t v;
    std::uint64_t r = 0;
    while (in.naechster(v)) {
        schritte.bis(++r, f);
        if (!fabExpandieren(ffo, v)) return Strom::Schreibfehler;
    }
    if (in.fehler()) return Strom::Lesefehler;
    return ffo.leeren() ? Strom::Ok : Strom::Schreibfehler;
}

template <class Leser>
JobErgebnis stromFehler(Strom s, const Leser& in, const Ausgabedatei& aus) {
    switch (s) {
    case Strom::Lesefehler: return JobErgebnis::Fehler(mitGrund(TEXT_LESEN, in.fehlernummer()));
    case Strom::ZuGross: return JobErgebnis::Fehler(TEXT_ABSTAND_ZU_GROSS);
    default: return JobErgebnis::Fehler(mitGrund(TEXT_SCHREIBEN, aus.fehlernummer()));
    }
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

// FAB progress: offsets k * step (in bytes, a multiple of 4) as record indices.
Schritte fabSchritte(std::uint64_t n, std::uint64_t zusatz) {
    return Schritte((n / 100 / FAB_RECORD * FAB_RECORD + zusatz) / FAB_RECORD, 0);
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

JobErgebnis Convert_Ffo_To_Fab(const std::string& eingabe, Fortschritt& f, std::size_t block) {
    const std::string ausgabe = konvertierName(eingabe, TYP_FAB);
    if (auto gleich = gleicheDateiVerweigern(ausgabe, {eingabe})) return *gleich;
    Blockleser in(eingabe, block);
    if (!in.offen()) return oeffnenFehler(in, eingabe);
    Ausgabedatei aus(ausgabe);
    if (!aus.ok()) return erzeugenFehler(aus, ausgabe);
    const std::uint64_t n = in.groesse();
    if (n == 0) return JobErgebnis::Ablehnung("Kein Byte gelesen!", "Convert_Ffo_To_Fab");

    KeinFortschritt still;
    Fortschritt& anzeige = n / 100 >= 4 ? f : still;  // short files convert without a window
    Fortschrittsrahmen fenster(anzeige, ausgabe, TEXT_WIRD_ERSTELLT);
    Schritte schritte(n / 100, 1);
    AbstandZaehler z(aus);
    if (const Strom s = ffoZuFab(in, z, true, schritte, anzeige); s != Strom::Ok) return stromFehler(s, in, aus);
    if (!aus.abschliessen()) return stromFehler(Strom::Schreibfehler, in, aus);
    return erfolgreich(eingabe, ausgabe);
}

JobErgebnis Convert_Fab_To_Ffo(const std::string& eingabe, Fortschritt& f, std::size_t block) {
    const std::string ausgabe = konvertierName(eingabe, TYP_FFO);
    if (auto gleich = gleicheDateiVerweigern(ausgabe, {eingabe})) return *gleich;
    FabLeser in(eingabe, block);
    if (!in.offen()) return oeffnenFehler(in, eingabe);
    Ausgabedatei aus(ausgabe);
    if (!aus.ok()) return erzeugenFehler(aus, ausgabe);

    Fortschrittsrahmen fenster(f, ausgabe, TEXT_WIRD_ERSTELLT);
    Schritte schritte = fabSchritte(in.groesse(), FAB_RECORD);
    FfoPuffer ffo(aus);
    if (const Strom s = fabZuFfo(in, ffo, schritte, f); s != Strom::Ok) return stromFehler(s, in, aus);
    if (!aus.abschliessen()) return stromFehler(Strom::Schreibfehler, in, aus);
    JobErgebnis e = erfolgreich(eingabe, ausgabe);
    fabRestMelden(e, eingabe, in.groesse());
    return e;
}

JobErgebnis SelectConvertFunction(const std::string& eingabe, Fortschritt& f, std::size_t block) {
    if (eingabe.empty()) return JobErgebnis::Ablehnung("Fehler beim Öffnen der Datei!");
    return dateitypMultimedia(eingabe) == TYP_FFO ? Convert_Ffo_To_Fab(eingabe, f, block)
                                                  : Convert_Fab_To_Ffo(eingabe, f, block);
}

KonvertierenErgebnis Konvertieren(ZorState& s, std::string& szFile,
                                  const std::function<bool(const std::string&)>& ueberschreiben, Fortschritt& f,
                                  std::size_t block) {
    using Art = KonvertierenErgebnis::Art;
    KonvertierenErgebnis e;
    if (!s.Fenster.aktualisiert) return {Art::Aufforderung, {}, false};
    const auto typ = Dateityp(szFile);
    if (!typ)
        return {Art::Fehler, JobErgebnis::Ablehnung(TEXT_KEIN_GUELTIGER_DATEINAME, TITEL_PROGRAMM, Symbol::Ausrufezeichen),
                false};
    const std::string eingabe = szFile;
    Blockleser in(eingabe, block);
    std::error_code ec;
    if (!in.offen() || std::filesystem::is_directory(eingabe, ec))
        return {Art::Fehler,
                JobErgebnis::Fehler(mitGrund("Datei kann nicht geöffnet werden!", in.offen() ? EISDIR : in.fehlernummer()),
                                    TITEL_PROGRAMM, Symbol::Ausrufezeichen),
                false};

    szFile = konvertierenName(eingabe, *typ);
    if (auto gleich = gleicheDateiVerweigern(szFile, {eingabe})) return {Art::Fehler, *gleich, false};
    if (std::filesystem::exists(szFile, ec) && !ueberschreiben(format(TEXT_EXISTIERT, szFile.c_str())))
        return {Art::Abgelehnt, {}, false};

    Ausgabedatei aus(szFile);
    if (!aus.ok()) return {Art::Fehler, erzeugenFehler(aus, szFile), false};
    Fortschrittsrahmen fenster(f, szFile, TEXT_WIRD_ERZEUGT);
    const std::uint64_t n = in.groesse();
    Strom st;
    if (*typ == TYP_FFO) {
        Schritte schritte(n / 100, 1);
        AbstandZaehler z(aus);
        st = ffoZuFab(in, z, false, schritte, f);
    } else {
        FabLeser fab(eingabe, block);
        Schritte schritte = fabSchritte(n, 0);
        FfoPuffer ffo(aus);
        st = fabZuFfo(fab, ffo, schritte, f);
    }
    if (st == Strom::Ok && !aus.abschliessen()) st = Strom::Schreibfehler;
    if (st != Strom::Ok) return {Art::Fehler, stromFehler(st, in, aus), false};
    e.art = Art::Erfolg;
    e.job.ok = true;
    e.job.ausgabe = szFile;
    if (*typ == TYP_FAB) fabRestMelden(e.job, eingabe, n);
    e.aktualisierenFreigeben = Datei_ueberschrieben(s, szFile);
    return e;
}

}  // namespace zor
