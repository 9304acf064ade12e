// zor sequence MODEL --n N --out FILE.FFO|FILE.FAB [--set 1|2]
#include "befehle.h"
#include "job_meldungen.h"
#include "modell_optionen.h"
#include "terminal_fortschritt.h"

#include "core/io/dateityp.h"
#include "core/seqfiles/folge_speichern.h"

#include <algorithm>
#include <iostream>
#include <memory>

namespace zorcli {

Ausfuehrung sequenceEinrichten(CLI::App& sub) {
    struct Optionen {
        ModellOptionen modell;
        std::string aus;
        int satz = 1;
    };
    auto o = std::make_shared<Optionen>();
    modellOptionenHinzufuegen(sub, o->modell);
    sub.add_option("--out", o->aus, "Ausgabedatei, *.FFO oder *.FAB")->required();
    sub.add_option("--set", o->satz, "Parametersatz 1 oder 2 (BSC mit --gaps unterscheidet sich am Ende)")
        ->check(CLI::IsMember({1, 2}));

    return [o]() {
        const auto typ = zor::Dateityp(o->aus);
        if (!typ) {
            std::cerr << zor::TEXT_KEIN_GUELTIGER_DATEINAME << "\n";
            return FALSCHE_EINGABE;
        }
        const int satz = o->satz - 1;
        const auto wahl = satzAusOptionen(o->modell, satz, false);
        if (wahl.ablehnung) return ablehnen(*wahl.ablehnung);
        if (wahl.satz.art == zor::Modellart::Datei) {
            std::cerr << "Eine Datei als Quelle hat keine Fehlerfolge zu erzeugen; kopieren Sie die Datei.\n";
            return FALSCHE_EINGABE;
        }
        TerminalFortschritt fortschritt;
        const auto ergebnis = zor::SaveFolge(wahl.satz, *typ, o->aus, fortschritt);
        if (!ergebnis) {
            // The name goes after the message's first line unless it names it; a reason line follows.
            std::string text = ergebnis.meldung.text;
            if (text.find(o->aus) == std::string::npos) text.insert(std::min(text.find('\n'), text.size()), " (" + o->aus + ")");
            std::cerr << text << "\n";
            return FEHLGESCHLAGEN;
        }
        geschriebenMelden(o->aus);
        return ERFOLG;
    };
}

}  // namespace zorcli
