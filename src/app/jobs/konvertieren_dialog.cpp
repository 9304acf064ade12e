#include "app/jobs/konvertieren_dialog.h"

#include "app/context/befehle.h"
#include "app/context/folgedatei.h"
#include "app/context/kontext.h"
#include "app/hintergrund/hintergrund.h"
#include "app/platform/dateiwahl.h"
#include "app/platform/hinweise.h"
#include "app/platform/meldungsdienst.h"
#include "core/seqfiles/dateiquelle.h"
#include "core/seqfiles/konvertieren.h"
#include "core/util/format.h"

#include <filesystem>

namespace zor::app {
namespace {

void allesZeigen(Meldungsdienst& dienst, const JobErgebnis& e) {
    for (const Meldung& m : e.meldungen) zeige(dienst, m);
}

// Both converters ask the same question before an existing output is replaced.
bool ueberschreibenErlaubt(Meldungsdienst& dienst, const std::string& frage) {
    return dienst.zeige(QString::fromStdString(frage), QString::fromUtf8(TITEL_PROGRAMM), Symbol::Ausrufezeichen,
                        Knoepfe::JaNein) == Antwort::Ja;
}

}  // namespace

KonvertierenModul::KonvertierenModul(Kontext& kontext) : Befehlsmodul(kontext) {}

const Modul& KonvertierenModul::beschreibung() {
    using K = KonvertierenModul;
    // Both commands ask for the file only.
    static const Fenster dateiwahl{
        .hilfe = QStringLiteral("konvertieren.hlp"),
        .befehl = CMD_KONVERTIEREN_ZOR,
        .filter = {&SATZ_FFO_FAB},
        .bilder = {dateiwahlBild(QStringLiteral("konvertieren"), true, CMD_KONVERTIEREN_ZOR)},
    };
    static const Modul m{
        .name = "Konvertieren",
        .erzeuge = &fabrik<K>,
        .befehle =
            {
                {CMD_KONVERTIEREN_ZOR,
                 ruft<&K::kanalmodell>,
                 "Konvertiert Fehlerfolge nach Fehlerabstand und umgekehrt!",
                 {im(MENU_ZOR, "&Datei", 40, "&Konvertieren...")},
                 {knopf(CMD_ZORWERK, 100, "konvertieren")}},
                {CMD_KONVERTIEREN,
                 ruft<&K::multimedia>,
                 "Konvertiert eine FFO-Datei nach FAB-Datei und umgekehrt!",
                 {im(BLOCK_ERSTELLEN, "", 30, "&Konvertieren...")}},
            },
        .fenster = {&dateiwahl},
        .menues = {},
        .knoepfe = {},
    };
    return m;
}

// The overwrite question is asked before the job: nothing may wait for the user while
// the conversion runs in the background.
void KonvertierenModul::Konvertieren() {
    const auto name = folgedateiWaehlen(kontext(), Richtung::Oeffnen);
    if (!name) return;
    const auto ueberschreiben = [this](const std::string& frage) { return ueberschreibenErlaubt(kontext().meldung(), frage); };
    KonvertierenVorbereitung v = konvertierenVorbereiten(kontext().zustand(), name->toStdString(), ueberschreiben);
    if (!v.auftrag) {
        allesZeigen(kontext().meldung(), v.ablehnung.job);
        return;
    }
    kontext().hintergrund().starten<JobErgebnis>(
        nullptr, {v.auftrag->ausgabe, TEXT_WIRD_ERZEUGT},
        [a = *v.auftrag](Fortschritt& f) { return konvertierenAusfuehren(a, f); },
        [this, a = *v.auftrag](JobErgebnis job) {
            if (job.abgebrochen) return;
            const KonvertierenErgebnis e = konvertierenEintragen(kontext().zustand(), a, std::move(job));
            allesZeigen(kontext().meldung(), e.job);
            if (e.job.ok) kontext().geschriebenMelden(QString::fromStdString(a.ausgabe));
            kontext().befehleAbgleichen();
        });
}

void KonvertierenModul::SelectConvertFunction() {
    const auto name =
        kontext().dateiwahl().GetFileNameInFWK(QStringLiteral("FFO<=>FAB (konvertieren)"), QString(), SATZ_FFO_FAB);
    const std::string eingabe = name.value_or(QString()).toStdString();
    std::error_code ec;
    if (const std::string ausgabe = multimediaAusgabe(eingabe);
        !eingabe.empty() && ausgabe != eingabe && std::filesystem::exists(ausgabe, ec) &&
        !ueberschreibenErlaubt(kontext().meldung(), format(TEXT_EXISTIERT, ausgabe.c_str())))
        return;
    kontext().hintergrund().starten<JobErgebnis>(
        nullptr, {eingabe, TEXT_WIRD_ERSTELLT},
        [eingabe, geschuetzt = satzDateien(kontext().zustand())](Fortschritt& f) {
            return zor::SelectConvertFunction(eingabe, f, Blockleser::STANDARD_BLOCK, geschuetzt);
        },
        [this](JobErgebnis e) {
            if (e.abgebrochen) return;
            allesZeigen(kontext().meldung(), e);
            if (e.ok) kontext().geschriebenMelden(QString::fromStdString(e.ausgabe));
        });
}

}  // namespace zor::app
