#include "app/hilfe/hilfe_modul.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QString>

#include "app/kontext/befehle.h"
#include "app/platform/dateiwahl.h"
#include "core/beispiele/beispiele.h"
#include "app/kontext/kontext.h"
#include "app/hilfe/kontexthilfe.h"
#include "app/kontext/mdi_dokument.h"
#include "app/platform/meldungsdienst.h"

namespace zor::app {
namespace {

struct Seite {
    int id;
    const char* datei;
    int kontext;
};

// clang-format off
constexpr Seite SEITEN[] = {
    {CMD_SKRIPTUM, "VOZAD.hlp", 0},          {CMD_HILFE_F1, "VOZAD.hlp", 0},
    {CMD_HILFE_UEBER_HILFE, "hilfe.hlp", 0}, {CMD_UEBER, "about.hlp", 0},
    {CMD_UEBER_PROGRAMM, "about.hlp", 0},    {CMD_HILFE, "revid.hlp", 0},
    {CMD_THEORIE, "revid_the_neu.hlp", 0},   {CMD_VORBEREITUNG, "kan_vor.hlp", 0},
    {CMD_DURCHFUEHRUNG, "kan_dur.hlp", 0},   {CMD_INFO_ABTEILUNG, "kan_inf.hlp", 273},
    {CMD_INFO_LEHRSOFTWARE, "kan_inf.hlp", 275},
};
// clang-format on

}  // namespace

HilfeModul::HilfeModul(Kontext& kontext) : Befehlsmodul(kontext) {
    for (const Seite& s : SEITEN) registriere({s.id}, [this](int id) { hilfe(id); });
    registriere({CMD_BEISPIELDATEIEN}, [this](int) { beispieleKopieren(); });
    new Kontexthilfe(kontext.fenster(), [this](const QString& datei, QWidget*) { zeige(datei); });
}

void HilfeModul::hilfe(int id) {
    for (const Seite& s : SEITEN) {
        if (s.id != id) continue;
        QString datei = QString::fromLatin1(s.datei);
        // F1 with a document active explains that document.
        if (id == CMD_HILFE_F1)
            if (MdiDokument* d = kontext().aktivesDokument(); d && !kontextHilfedatei(d).isEmpty())
                datei = kontextHilfedatei(d);
        if (!zeige(datei, s.kontext))
            kontext().meldung().zeige(QStringLiteral("Die Hilfedatei %1 fehlt.").arg(datei),
                                      QString::fromUtf8(TITEL_PROGRAMM), Symbol::Ausrufezeichen);
        return;
    }
}

void HilfeModul::beispieleKopieren() {
    const auto ordner = kontext().dateiwahl().ordnerWaehlen(QString::fromUtf8(TITEL_BEISPIELE_WAHL), QDir::homePath());
    if (!ordner) return;
    const std::string pfad = QFile::encodeName(*ordner).toStdString();
    const auto da = vorhandeneBeispiele(pfad);
    if (!da.empty()) {
        const QString frage =
            QString::fromStdString(format(TEXT_BEISPIELE_ERSETZEN, pfad.c_str(), namensliste(da).c_str()));
        if (kontext().meldung().zeige(frage, QString::fromUtf8(TITEL_PROGRAMM), Symbol::Frage, Knoepfe::JaNein) !=
            Antwort::Ja)
            return;
    }
    for (const Meldung& m : beispieleSchreiben(pfad, !da.empty()).job.meldungen) app::zeige(kontext().meldung(), m);
}

bool HilfeModul::zeige(const QString& datei, int kontextNr) {
    if (!fenster_) fenster_ = new Hilfefenster(kontext().fenster());
    anModalesFenster();
    return fenster_->zeige(datei, kontextNr);
}

void HilfeModul::anModalesFenster() {
    if (!fenster_) return;
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == fenster_) modal = nullptr;
    QWidget* eltern = modal ? modal : kontext().fenster();
    if (fenster_->parentWidget() == eltern) return;
    const bool sichtbar = fenster_->isVisible();
    const QRect lage = fenster_->geometry();
    fenster_->setParent(eltern, Qt::Window);
    fenster_->setGeometry(lage);
    if (sichtbar) fenster_->show();
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        QObject::connect(dialog, &QDialog::finished, fenster_, [this] { anModalesFenster(); },
                         Qt::SingleShotConnection);
}

}  // namespace zor::app
