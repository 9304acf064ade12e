#include "app/documents/protokoll_modul.h"

#include <QDir>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "app/context/befehle.h"
#include "app/context/bildrezept.h"
#include "app/context/kontext.h"
#include "app/documents/anpassung_dokument.h"
#include "app/documents/buendel_dokument.h"
#include "app/hintergrund/hintergrund.h"
#include "app/platform/dateiwahl.h"
#include "app/platform/knopfkasten.h"
#include "app/platform/meldungsdienst.h"
#include "app/plot/vorlagen.h"
#include "core/documents/anordnung.h"
#include "core/documents/buendel_einstellungen.h"
#include "core/io/dateijob.h"
#include "core/seqfiles/dateiquelle.h"

namespace zor::app {

ProtokollDialog::ProtokollDialog(QWidget* eltern)
    : QDialog(eltern), name_(new QLineEdit(this)), notizen_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("protokoll"));
    setWindowTitle(QString::fromUtf8(TITEL_PROTOKOLL));
    name_->setObjectName(QStringLiteral("protokoll_name"));
    notizen_->setObjectName(QStringLiteral("protokoll_notizen"));
    notizen_->setTabChangesFocus(true);
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("&Name:"), name_);
    form->addRow(QStringLiteral("N&otizen:"), notizen_);
    form->addRow(okAbbrechenKasten(this));
}

QString ProtokollDialog::name() const { return name_->text().trimmed(); }
QString ProtokollDialog::notizen() const { return notizen_->toPlainText().trimmed(); }

ProtokollModul::ProtokollModul(Kontext& kontext)
    : Befehlsmodul(kontext), vorlagen_(programmVorlagen(QDir::currentPath())) {}

void ProtokollModul::protokoll(int) {
    ProtokollDialog dialog(kontext().fenster());
    if (dialog.exec() != QDialog::Accepted) return;
    const auto pfad = kontext().dateiwahl().GetFileNameOutFWK(QString::fromUtf8(TITEL_PROTOKOLL),
                                                              QStringLiteral("Protokoll"), SATZ_PROTOKOLL);
    if (!pfad) return;
    const Eingaben geschuetzt = satzDateien(kontext().zustand());
    if (auto nein = ausgabeVerweigern(pfad->toStdString(), geschuetzt)) {
        for (const Meldung& m : nein->meldungen) zeige(kontext().meldung(), m);
        return;
    }
    struct Auftrag {
        ZorState s;  // a copy: the windows go on painting from theirs
        Protokollangaben angaben;
        QByteArray daten;
        Druckbericht bericht;
        Kurvenbericht kurven;
        Druckergebnis ergebnis = Druckergebnis::Fehler;
    };
    auto a = std::make_shared<Auftrag>();
    a->s = kontext().zustand();
    a->angaben = protokollangaben(dialog.name(), dialog.notizen());
    if (offenFlag(a->s, BuendelDokument::dokumentart().fenster.modell->buchstabe) != 0)
        a->angaben.buendel = buendelEinstellungen();
    for (MdiDokument* d : kontext().dokumente())
        if (const auto* anpassung = qobject_cast<AnpassungDokument*>(d); anpassung && anpassung->anpassung().ok)
            a->angaben.anpassung = anpassung->anpassung();
    kontext().hintergrund().starten(
        nullptr, {TITEL_PROTOKOLL},
        [a, q = vorlagen_](Fortschritt& f) {
            a->kurven = protokollKurvenErmitteln(a->s, f);
            if (!a->kurven || f.abgebrochen()) return;
            a->ergebnis = protokollAlsPdf(a->daten, a->s, q, a->angaben, a->bericht);
        },
        [this, a, pfad = *pfad, geschuetzt](bool abgebrochen) {
            for (const Meldung& m : a->kurven.meldungen) zeige(kontext().meldung(), m);
            for (const Meldung& m : a->bericht.meldungen) zeige(kontext().meldung(), m);
            if (abgebrochen || !a->kurven) return;
            if (a->ergebnis != Druckergebnis::Gedruckt) {
                const char* text = a->bericht.vorlagenFehler ? TEXT_FEHLERHAFTE_PLOTDATEI : TEXT_PROTOKOLL_FEHLER;
                zeige(kontext().meldung(), {text, TITEL_PROGRAMM, Symbol::Ausrufezeichen});
                return;
            }
            if (const Ergebnis e = druckseiteSchreiben(pfad, a->daten, geschuetzt); !e)
                zeige(kontext().meldung(), e.meldung);
        });
}

const Modul& ProtokollModul::beschreibung() {
    using P = ProtokollModul;
    static const Fenster dialog{
        .name = QStringLiteral("protokoll"),
        .hilfe = QStringLiteral("protokoll.hlp"),
        .befehl = CMD_PROTOKOLL_PDF,
        .filter = {&SATZ_PROTOKOLL},
        .bilder = {dialogBild(QStringLiteral("protokoll"), true, CMD_PROTOKOLL_PDF, QStringLiteral("protokoll"))},
    };
    static const Modul m{
        .name = "Protokoll",
        .erzeuge = &fabrik<P>,
        .befehle = {{CMD_PROTOKOLL_PDF,
                     ruft<&P::protokoll>,
                     "Schreibt ein Versuchsprotokoll mit beiden Parametersätzen und ihren Diagrammen als PDF!",
                     {im(MENU_ZOR, "&Datei", 85, "&Protokoll als PDF...")}}},
        .fenster = {&dialog},
        .menues = {},
        .knoepfe = {},
    };
    return m;
}

}  // namespace zor::app
