#pragma once
// The subcommands of zor. Each one adds its options to its CLI11 subcommand and returns
// the function that runs it after parsing; that function returns the exit code:
// 0 success, 1 the job failed, 2 bad usage (also bad numbers), 3 a listing that stopped
// early at a damaged place of its file (zor midi).

#include <CLI/CLI.hpp>

#include <functional>

namespace zorcli {

constexpr int ERFOLG = 0;
constexpr int FEHLGESCHLAGEN = 1;
constexpr int FALSCHE_EINGABE = 2;
constexpr int UNVOLLSTAENDIG = 3;

using Ausfuehrung = std::function<int()>;

struct Befehl {
    const char* name;
    const char* beschreibung;
    Ausfuehrung (*einrichten)(CLI::App& sub);
};

Ausfuehrung sequenceEinrichten(CLI::App& sub);
Ausfuehrung favEinrichten(CLI::App& sub);
Ausfuehrung fkfEinrichten(CLI::App& sub);
Ausfuehrung ge2mcEinrichten(CLI::App& sub);
Ausfuehrung fitEinrichten(CLI::App& sub);
Ausfuehrung convertEinrichten(CLI::App& sub);
Ausfuehrung compareEinrichten(CLI::App& sub);
Ausfuehrung deriveEinrichten(CLI::App& sub);
Ausfuehrung corruptEinrichten(CLI::App& sub);
Ausfuehrung hexEinrichten(CLI::App& sub);
Ausfuehrung binEinrichten(CLI::App& sub);
Ausfuehrung midiEinrichten(CLI::App& sub);
Ausfuehrung buendelEinrichten(CLI::App& sub);
Ausfuehrung bloeckeEinrichten(CLI::App& sub);
Ausfuehrung kenngroessenEinrichten(CLI::App& sub);
Ausfuehrung netemEinrichten(CLI::App& sub);
Ausfuehrung beispieleEinrichten(CLI::App& sub);

// Every subcommand, in the order `zor --help` lists them.
inline const Befehl BEFEHLE[] = {
    {"sequence", "Fehlerfolge eines Parametersatzes als FFO- oder FAB-Datei speichern", sequenceEinrichten},
    {"fav", "Fehlerabstandsverteilung P(a>=k) eines Parametersatzes", favEinrichten},
    {"fkf", "Fehlerkorrelationsfunktion R(k) eines Parametersatzes", fkfEinrichten},
    {"buendel", "Bündelstatistik (Länge, Gewicht, Abstand) eines Parametersatzes", buendelEinrichten},
    {"bloecke", "Blockfehlerstatistik P(m,n) und P(>t) eines Parametersatzes, mit Verschachtelung", bloeckeEinrichten},
    {"ge2mc", "Parameter des äquivalenten MC-Modells zu einem GE-Modell", ge2mcEinrichten},
    {"kenngroessen", "Kenngrößen eines Parametersatzes: Fehlerwahrscheinlichkeit, Verweildauern, Bündellänge", kenngroessenEinrichten},
    {"netem", "Verlustmodell von netem (tc) zu einem BSC- oder GE-Parametersatz", netemEinrichten},
    {"fit", "Die vier Kanalmodelle an eine Fehlerfolge anpassen und nach BIC ordnen", fitEinrichten},
    {"convert", "FFO <=> FAB konvertieren", convertEinrichten},
    {"compare", "Vergleichsdatei zweier gleich großer Dateien erstellen", compareEinrichten},
    {"derive", "Fehlerfolge bzw. Fehlerabstand aus einer Vergleichsdatei erstellen", deriveEinrichten},
    {"corrupt", "Kopie einer Datei verfälschen (pattern, bsc, ge, mc)", corruptEinrichten},
    {"hex", "Zeilen der Hex-Ansicht einer Datei ausgeben", hexEinrichten},
    {"bin", "Zeilen der Bin-Ansicht einer Datei ausgeben", binEinrichten},
    {"midi", "Informationen einer MIDI-Datei ausgeben", midiEinrichten},
    {"beispiele", "Beispieldateien für den Versuch schreiben (Bitmaps, Wave, MIDI, AVI)", beispieleEinrichten},
};

}  // namespace zorcli
