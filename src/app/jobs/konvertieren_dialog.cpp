#include "app/jobs/konvertieren_dialog.h"

#include "app/kontext/befehle.h"
#include "app/kontext/folgedatei.h"
#include "app/kontext/kontext.h"
#include "app/platform/dateiwahl.h"
#include "app/platform/hinweise.h"
#include "app/platform/meldungsdienst.h"
#include "app/platform/wartecursor.h"
#include "core/seqfiles/dateiquelle.h"
#include "core/seqfiles/konvertieren.h"

namespace zor::app {
namespace {

constexpr int FFO_FAB_FILTER = 1;

void allesZeigen(Meldungsdienst& dienst, const JobErgebnis& e) {
    for (const Meldung& m : e.meldungen) zeige(dienst, m);
}

}  // namespace

KonvertierenModul::KonvertierenModul(Kontext& kontext) : Befehlsmodul(kontext) {
    registriere({CMD_KONVERTIEREN_ZOR}, [this](int) { Konvertieren(); });
    registriere({CMD_KONVERTIEREN}, [this](int) { SelectConvertFunction(); });
}

void KonvertierenModul::Konvertieren() {
    ZorState& s = kontext().zustand();
    const auto name = folgedateiWaehlen(kontext(), Richtung::Oeffnen);
    if (!name) return;
    std::string szFile = name->toStdString();
    const auto ueberschreiben = [this](const std::string& frage) {
        Normalcursor n;
        return kontext().meldung().zeige(QString::fromStdString(frage), QString::fromUtf8(TITEL_PROGRAMM),
                                         Symbol::Ausrufezeichen, Knoepfe::JaNein) == Antwort::Ja;
    };
    KonvertierenErgebnis e;
    {
        Wartecursor w;
        e = zor::Konvertieren(s, szFile, ueberschreiben, kontext().fortschritt());
    }
    allesZeigen(kontext().meldung(), e.job);
    if (e.aktualisierenFreigeben) kontext().setzeAktiv(CMD_AKTUALISIEREN, true);
}

void KonvertierenModul::SelectConvertFunction() {
    const auto name = kontext().dateiwahl().GetFileNameInFWK(QStringLiteral("FFO<=>FAB (konvertieren)"), QString(),
                                                             FFO_FAB_FILTER);
    JobErgebnis e;
    {
        Wartecursor w;
        e = zor::SelectConvertFunction(name.value_or(QString()).toStdString(), kontext().fortschritt(),
                                       Blockleser::STANDARD_BLOCK, satzDateien(kontext().zustand()));
    }
    allesZeigen(kontext().meldung(), e);
}

}  // namespace zor::app
