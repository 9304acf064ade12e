// zor corrupt pattern|bsc|ge|mc: corrupted copies of a file. The entries are checked with
// the rules and in the order of the corruption dialogs.
#include "befehle.h"
#include "deutsch.h"
#include "job_meldungen.h"
#include "terminal_fortschritt.h"

#include "core/corruption/eingabe.h"
#include "core/corruption/muster.h"
#include "core/corruption/verfaelschen.h"

#include <iostream>
#include <memory>

namespace zorcli {

namespace {

void dateienHinzufuegen(CLI::App& sub, std::string& ein, std::string& aus, std::string& schutz, std::string& tiefe) {
    sub.add_option("--protect", schutz,
                   "Die ersten N Bytes nicht verfälschen (Vorgabe 0), oder auto: den Kopf einer BMP-, WAV-, AVI- "
                   "oder MIDI-Datei");
    sub.add_option("--interleave", tiefe,
                   "Verschachtelungstiefe d: Blockverschachtler mit d x d Bits, zeilenweise geschrieben, "
                   "spaltenweise gesendet (1 bis 4096, Vorgabe 1 = ohne)");
    sub.add_option("IN", ein, "Zu verfälschende Datei")->required();
    sub.add_option("OUT", aus, "Ausgabedatei")->required();
}

// Exit code of a refused entry: an input that cannot be opened fails the job; any other
// refusal is bad usage.
int abgelehnt(const zor::EingabePruefung& p) {
    std::cerr << p.meldung.text << "\n";
    return p.art == zor::Eingabefehler::Eingabedatei ? FEHLGESCHLAGEN : FALSCHE_EINGABE;
}

Ausfuehrung musterEinrichten(CLI::App& sub) {
    auto a = std::make_shared<zor::MusterAuftrag>();
    sub.add_option("IN", a->szInPutFile, "Zu verfälschende Datei")->required();
    sub.add_option("PATTERN", a->szFfoFabFile, "Fehlermuster: FFO, wenn der Name .FFO oder .ffo enthält, sonst FAB")
        ->required();
    sub.add_option("OUT", a->szOutPutFile, "Ausgabedatei")->required();
    return [a]() {
        TerminalFortschritt f;
        return jobMelden(zor::MusterVerfaelschen(*a, f));
    };
}

Ausfuehrung bscEinrichten(CLI::App& sub) {
    auto e = std::make_shared<zor::BscEingaben>();
    sub.add_option("--p", e->p, "Fehlerwahrscheinlichkeit 0 … 1 (Vorgabe 0.001)");
    sub.add_option("--seed", e->startwert, "Startwert 1 … 9999 (Vorgabe 1234)");
    dateienHinzufuegen(sub, e->eingabe, e->ausgabe, e->nProtect, e->tiefe);
    return [e]() {
        zor::BscAuftrag a;
        if (auto p = zor::bscPruefen(*e, a); !p) return abgelehnt(p);
        TerminalFortschritt f;
        return jobMelden(zor::MmMakeBscErr(a, f));
    };
}

using GeMcJob = zor::JobErgebnis (*)(const zor::GeMcAuftrag&, zor::Fortschritt&, std::size_t);
using GeMcPruefung = zor::EingabePruefung (*)(const zor::GeMcEingaben&, zor::GeMcAuftrag&);

Ausfuehrung geMcEinrichten(CLI::App& sub, zor::GeMcEingaben vorgabe, GeMcPruefung pruefen, GeMcJob job) {
    auto e = std::make_shared<zor::GeMcEingaben>(std::move(vorgabe));
    sub.add_option("--pgb", e->goodFromBad, "Übergang BAD → GOOD (Vorgabe " + e->goodFromBad + ")");
    sub.add_option("--pbg", e->badFromGood, "Übergang GOOD → BAD (Vorgabe " + e->badFromGood + ")");
    sub.add_option("--good", e->good, "Fehlerwahrscheinlichkeit im Zustand GOOD (Vorgabe " + e->good + ")");
    sub.add_option("--bad", e->bad, "Fehlerwahrscheinlichkeit im Zustand BAD (Vorgabe " + e->bad + ")");
    sub.add_option("--seed", e->startwert, "Startwert 1 … 9999 (Vorgabe " + e->startwert + ")");
    dateienHinzufuegen(sub, e->eingabe, e->ausgabe, e->nProtect, e->tiefe);
    return [e, pruefen, job]() {
        zor::GeMcAuftrag a;
        if (auto p = pruefen(*e, a); !p) return abgelehnt(p);
        TerminalFortschritt f;
        return jobMelden(job(a, f, zor::KANAL_BLOCK));
    };
}

}  // namespace

Ausfuehrung corruptEinrichten(CLI::App& sub) {
    sub.require_subcommand(1);
    struct Teil {
        CLI::App* app;
        Ausfuehrung ausfuehren;
    };
    auto teile = std::make_shared<std::vector<Teil>>();
    auto neu = [&](const char* name, const char* text) { return unterbefehl(sub, name, text); };
    CLI::App* app = neu("pattern", "Verfälschung durch eine Fehlerfolge- bzw. Fehlerabstand-Datei");
    teile->push_back({app, musterEinrichten(*app)});
    app = neu("bsc", "Verfälschung einer Datei nach BSC-Modell");
    teile->push_back({app, bscEinrichten(*app)});
    app = neu("ge", "Verfälschung einer Datei nach GE-Modell");
    teile->push_back({app, geMcEinrichten(*app, zor::geVorgabe(), zor::gePruefen, zor::MakeGeError)});
    app = neu("mc", "Verfälschung einer Datei nach MC-Modell");
    teile->push_back({app, geMcEinrichten(*app, zor::mcVorgabe(), zor::mcPruefen, zor::MakeMcError)});
    return [teile]() {
        for (const auto& t : *teile)
            if (t.app->parsed()) return t.ausfuehren();
        return FALSCHE_EINGABE;
    };
}

}  // namespace zorcli
