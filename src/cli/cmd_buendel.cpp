// zor buendel MODEL [--guard G] [--points K] [--quantity length|weight|gap] [--pk] [--json]
// zor bloecke MODEL [--block N] [--errors M] [--residual T] [--nmax NMAX] [--points P]
//             [--interleave D] [--theory] [--json]
#include "befehle.h"
#include "kurven_ausgabe.h"
#include "modell_optionen.h"
#include "terminal_fortschritt.h"

#include "core/buendel/auswertung.h"
#include "core/buendel/grenzen.h"
#include "core/util/format.h"

#include <iostream>
#include <memory>
#include <optional>

namespace zorcli {

namespace {

// Each text within its limits into its target; false (message printed) at the first refusal.
bool zahlenLesen(std::initializer_list<std::tuple<const std::string&, const zor::Grenze&, std::uint64_t&>> felder) {
    for (const auto& [text, grenze, ziel] : felder) {
        const auto v = zor::ganzeZahlIn(text, grenze);
        if (!v) {
            std::cerr << zor::grenzText(grenze, text) << '\n';
            return false;
        }
        ziel = *v;
    }
    return true;
}

// Messages of a failed computation to stderr; true when it failed.
bool fehlgeschlagen(bool ok, const std::vector<zor::Meldung>& meldungen) {
    if (ok) return false;
    for (const auto& m : meldungen) std::cerr << m.text << '\n';
    return true;
}

const char* const GROESSEN[] = {"length", "weight", "gap"};

}  // namespace

Ausfuehrung buendelEinrichten(CLI::App& sub) {
    struct Optionen {
        ModellOptionen modell;
        std::string schutz = "10", punkte = "100", groesse = "length";
        bool pk = false, json = false, csvDe = false;
    };
    auto o = std::make_shared<Optionen>();
    modellOptionenHinzufuegen(sub, o->modell);
    sub.add_option("--guard", o->schutz, "Schutzabstand g: so viele korrekte Bits trennen zwei Bündel (Vorgabe 10)");
    sub.add_option("--points", o->punkte, "Verteilung für k = 1..K (Vorgabe 100)");
    sub.add_option("--quantity", o->groesse, "length (Bündellänge), weight (Fehler je Bündel) oder gap (Abstand zwischen Bündeln)");
    sub.add_flag("--pk", o->pk, "Wahrscheinlichkeiten p(X=k) statt P(X>=k)");
    sub.add_flag("--json", o->json, "Ausgabe als JSON-Objekt");
    csvDeHinzufuegen(sub, o->csvDe);

    return [o]() {
        std::uint64_t schutz = 0, punkte = 0;
        if (!zahlenLesen({{o->schutz, zor::GRENZE_SCHUTZ, schutz}, {o->punkte, zor::GRENZE_PUNKTE, punkte}}))
            return FALSCHE_EINGABE;
        int g = -1;
        for (int i = 0; i < 3; ++i)
            if (o->groesse == GROESSEN[i]) g = i;
        if (g < 0) {
            std::cerr << zor::format(zor::TEXT_UNBEKANNTE_GROESSE, o->groesse.c_str()) << '\n';
            return FALSCHE_EINGABE;
        }
        const auto wahl = satzAusOptionen(o->modell, 0, false);
        if (wahl.ablehnung) return ablehnen(*wahl.ablehnung);
        TerminalFortschritt fortschritt;
        const auto b = zor::buendelErmitteln(wahl.satz, {.schutz = schutz, .punkte = static_cast<int>(punkte)}, fortschritt);
        if (fehlgeschlagen(b.ok, b.meldungen)) return FEHLGESCHLAGEN;
        const auto& s = b.statistik;
        const auto& v = s.von(static_cast<zor::Groesse>(g));
        const auto werte = o->pk ? v.genau() : v.abWert();
        std::vector<Wertepaar> punkteAus;
        for (std::size_t k = 0; k < werte.size(); ++k) punkteAus.push_back({static_cast<double>(k + 1), werte[k]});
        const auto& m = s.mittel[g];
        kurveAusgeben(punkteAus, {o->json, o->csvDe},
                      {{"buendel", std::to_string(s.buendel())},
                       {"bits", std::to_string(s.bits)},
                       {"mittelwert", kurvenzahl(m.wert)},
                       {"halbbreite", m.halbbreite ? kurvenzahl(*m.halbbreite) : "null"}},
                      b.ms, b.meldungen);
        return ERFOLG;
    };
}

Ausfuehrung bloeckeEinrichten(CLI::App& sub) {
    struct Optionen {
        ModellOptionen modell;
        std::string n = "63", M = "10", tiefe = "1", nMax = "1023", punkte = "50";
        std::optional<std::string> t;
        bool theorie = false, json = false, csvDe = false;
    };
    auto o = std::make_shared<Optionen>();
    modellOptionenHinzufuegen(sub, o->modell);
    sub.add_option("--block", o->n, "Blocklänge n (Vorgabe 63)");
    sub.add_option("--errors", o->M, "P(m,n) für m = 0..M (Vorgabe 10)");
    sub.add_option("--residual", o->t,
                   "statt P(m,n): Restblockfehlerwahrscheinlichkeit P(>t) eines t-Fehler-korrigierenden Codes über n");
    sub.add_option("--nmax", o->nMax, "mit --residual: größte Blocklänge (Vorgabe 1023)");
    sub.add_option("--points", o->punkte, "mit --residual: Anzahl der Blocklängen (Vorgabe 50)");
    sub.add_option("--interleave", o->tiefe,
                   "Verschachtelungstiefe d: d Blöcke zeilenweise geschrieben, spaltenweise gesendet (Vorgabe 1 = ohne)");
    sub.add_flag("--theory", o->theorie, "exakt aus dem Modell statt gezählt aus der Simulation");
    sub.add_flag("--json", o->json, "Ausgabe als JSON-Objekt");
    csvDeHinzufuegen(sub, o->csvDe);

    return [o]() {
        std::uint64_t n = 0, M = 0, t = 0, tiefe = 0, nMax = 0, punkte = 0;
        const std::string tText = o->t.value_or("0");
        if (!zahlenLesen({{o->n, zor::GRENZE_BLOCK, n},
                          {o->M, zor::GRENZE_FEHLER, M},
                          {tText, zor::GRENZE_KORREKTUR, t},
                          {o->nMax, zor::GRENZE_BLOCK, nMax},
                          {o->punkte, zor::GRENZE_RESTPUNKTE, punkte},
                          {o->tiefe, zor::GRENZE_TIEFE, tiefe}}))
            return FALSCHE_EINGABE;
        const auto wahl = satzAusOptionen(o->modell, 0, o->theorie);
        if (wahl.ablehnung) return ablehnen(*wahl.ablehnung);
        const zor::BlockOptionen bo{.n = n, .M = static_cast<int>(M), .t = static_cast<int>(t), .tiefe = tiefe,
                                    .nMax = nMax, .punkte = static_cast<int>(punkte)};
        TerminalFortschritt fortschritt;
        const auto b = zor::bloeckeErmitteln(wahl.satz, bo, fortschritt);
        if (fehlgeschlagen(b.ok, b.meldungen)) return FEHLGESCHLAGEN;
        // A file is always counted; a model by --theory exactly, else counted.
        const bool exakt = o->theorie && b.exakt;
        const auto& kurven = exakt ? (tiefe > 1 ? b.exaktVerschachtelt : b.exakt)
                                   : (tiefe > 1 ? b.gezaehltVerschachtelt : b.gezaehlt);
        if (!kurven) {
            std::cerr << zor::TEXT_KEINE_BLOCKSTATISTIK << '\n';
            return FEHLGESCHLAGEN;
        }
        std::vector<Wertepaar> punkteAus;
        std::vector<std::pair<std::string, std::string>> weitere;
        if (o->t) {
            for (std::size_t i = 0; i < b.laengen.size(); ++i)
                punkteAus.push_back({static_cast<double>(b.laengen[i]), kurven->rest[i]});
        } else {
            for (std::size_t m = 0; m + 1 < kurven->verteilung.size(); ++m)
                punkteAus.push_back({static_cast<double>(m), kurven->verteilung[m]});
            weitere.push_back({"mehr", kurvenzahl(kurven->verteilung.back())});
        }
        if (!exakt) weitere.push_back({"bloecke", std::to_string(kurven->bloecke)});
        weitere.push_back({"tiefe", std::to_string(tiefe)});
        kurveAusgeben(punkteAus, {o->json, o->csvDe}, weitere, b.ms, b.meldungen);
        return ERFOLG;
    };
}

}  // namespace zorcli
