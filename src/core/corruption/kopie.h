#pragma once
// The frame shared by the channel corruptions (BSC, GE, MC): stream the input in
// blocks, leave the protected byte ranges as they are, let the channel invert bits of
// the rest, and write the copy through a temporary file. Each job has its own texts.

#include "core/io/blockleser.h"
#include "core/io/bytebereiche.h"
#include "core/io/dateijob.h"
#include "core/util/fortschritt.h"
#include "core/io/ausgabedatei.h"
#include "core/util/systemfehler.h"

#include <algorithm>
#include <span>

namespace zor {

struct KopieTexte {
    const char* oeffnen;      // input cannot be opened (may take the name)
    const char* erzeugen;     // output cannot be created (may take the name)
    const char* nichtGelesen; // empty or unreadable input
    const char* schreiben;    // output cannot be written
    Symbol schreibSymbol;
    const char* status;       // progress status line
    std::uint64_t ersterSchritt;  // the first progress step falls before this byte
};

// Kanal: anwenden(std::span<unsigned char>) inverts bits of consecutive unprotected
// bytes in place; fehler() counts the inverted bits so far. A channel with beginnen(bytes)
// learns first how many unprotected bytes will pass.
template <class Kanal>
JobErgebnis verfaelschteKopie(const std::string& eingabe, const std::string& ausgabe, const Eingaben& geschuetzt,
                              const Schutzbereiche& schutz, const KopieTexte& t, Kanal& kanal, Fortschritt& f,
                              std::size_t block) {
    const Eingaben eingaben = eingabenUnd({eingabe}, geschuetzt);
    if (auto nein = ausgabeVerweigern(ausgabe, eingaben)) return *nein;
    Blockleser in(eingabe, block);
    if (!in.offen()) return JobErgebnis::Fehler(mitGrund(format(t.oeffnen, eingabe.c_str()), in.fehlernummer()));
    Ausgabedatei aus(ausgabe, eingaben);
    if (!aus.ok()) return JobErgebnis::Fehler(mitGrund(format(t.erzeugen, ausgabe.c_str()), aus.fehlernummer()));
    const std::uint64_t n = in.groesse();
    if (n == 0) return JobErgebnis::Ablehnung(t.nichtGelesen);

    if constexpr (requires { kanal.beginnen(n); }) kanal.beginnen(n - schutz.bytesVor(n));
    Fortschrittsrahmen fenster(f, ausgabe, t.status);
    Schritte schritte(n / 100, t.ersterSchritt);
    std::size_t bereich = 0;
    for (auto b = in.naechsterZumAendern(); !b.empty(); b = in.naechsterZumAendern()) {
        const std::uint64_t anfang = in.gelesen() - b.size();
        schritte.bis(in.gelesen(), f);
        if (schritte.abgebrochen()) return JobErgebnis::Abgebrochen();
        schutz.freieTeile(anfang, b.size(), bereich, [&](std::uint64_t von, std::uint64_t laenge) {
            kanal.anwenden(b.subspan(static_cast<std::size_t>(von), static_cast<std::size_t>(laenge)));
        });
        if (!aus.schreiben(b.data(), b.size()))
            return JobErgebnis::Fehler(mitGrund(t.schreiben, aus.fehlernummer()), TITEL_FEHLER, t.schreibSymbol);
    }
    if (in.fehler() || in.gelesen() != n) return JobErgebnis::Fehler(mitGrund(t.nichtGelesen, in.fehlernummer()));
    if (!aus.abschliessen())
        return JobErgebnis::Fehler(mitGrund(t.schreiben, aus.fehlernummer()), TITEL_FEHLER, t.schreibSymbol);
    JobErgebnis e;
    e.ok = true;
    e.ausgabe = ausgabe;
    e.dateigroesse = n;
    e.fehlerAnzahl = kanal.fehler();
    return e;
}

}  // namespace zor
