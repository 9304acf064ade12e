#include "app/help/hilfe_modul.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPdfWriter>
#include <QPrinter>
#include <QString>
#include <QTextDocument>

#include "app/context/befehle.h"
#include "app/context/kontext.h"
#include "app/context/mdi_dokument.h"
#include "app/help/kontexthilfe.h"
#include "app/platform/dateiwahl.h"
#include "app/platform/meldungsdienst.h"
#include "app/platform/wartecursor.h"
#include "app/plot/bildausgabe.h"
#include "app/plot/drucker.h"
#include "core/beispiele/beispiele.h"

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
    {CMD_INFO_LEHRSOFTWARE, "kan_inf.hlp", 275}, {CMD_INFO_PROGRAMM, "about.hlp", 0},
    {CMD_DOK_HILFE_INHALT, "inhalt.hlp", 0},   {CMD_DOK_HILFE_SUCHEN, "mm_hexbin.hlp", 0},
};
// clang-format on

// The text width QTextDocument::print leaves on the device, in pixels at 96 per inch: it
// keeps 2 cm margins inside the printable area.
qreal druckbreite(const QPagedPaintDevice& seite) {
    return (seite.width() / static_cast<qreal>(seite.logicalDpiX()) - 2 * 2 / 2.54) * 96.0;
}

}  // namespace

Ergebnis hilfeseiteSpeichern(const Hilfefenster& fenster, const QString& pfad) {
    if (const auto nein = ausgabeVerweigert(QFile::encodeName(pfad).toStdString(), {})) return Ergebnis::Fehler(*nein);
    QByteArray daten;
    const QString titel = fenster.browser()->documentTitle();
    const Druckergebnis e = pdfAlsDaten(daten, titel, [&](QPdfWriter& pdf) {
        fenster.druckfassung(druckbreite(pdf))->print(&pdf);
        return true;
    });
    if (e != Druckergebnis::Gedruckt)
        return Ergebnis::Fehler("Die Datei " + pfad.toStdString() + " kann nicht geschrieben werden!");
    return druckseiteSchreiben(pfad, daten, {});
}

HilfeModul::HilfeModul(Kontext& kontext) : Befehlsmodul(kontext) {
    new Kontexthilfe(kontext.fenster(), kontext.verzeichnis(),
                     [this](const QString& datei, QWidget*) { zeige(datei); });
}

const Modul& HilfeModul::beschreibung() {
    using H = HilfeModul;
    constexpr auto seite = ruft<&H::hilfe>;
    static const Modul m{
        .name = "Hilfe",
        .erzeuge = &fabrik<H>,
        .befehle =
            {
                {CMD_HILFE_F1,
                 seite,
                 "Online-Hilfe über Zor-Pim! ",
                 {im(MENU_START, "&Hilfe", 10, "H&ilfe\tF1", BEFEHL, "F1")},
                 {knopf(0, 50, "hilfe")}},
                {CMD_SKRIPTUM, seite, "Zeigt das Skriptum an", {im(MENU_START, "&Hilfe", 20, "&Skriptum")}},
                {CMD_HILFE_UEBER_HILFE,
                 seite,
                 "Hilfe über Microsoft Hilfesystem",
                 {im(MENU_START, "&Hilfe", 30, "Hil&fe über Hilfe")}},
                {CMD_UEBER,
                 seite,
                 "Zorwerk und Multimedia: Lehrprogramm zu Fehlermodellen digitaler Kanäle",
                 {im(MENU_START, "&Hilfe", 50, "Ü&ber")}},
                {CMD_UEBER_PROGRAMM,
                 seite,
                 "Informationen über das Programm!",
                 {im(BLOCK_HILFE, "", 10, "Ü&ber das Programm")},
                 {knopf(CMD_MULTIMEDIA, 150, "ueber"), knopf(CMD_ZORWERK, 180, "ueber")}},
                {CMD_HILFE,
                 seite,
                 "Anwendungs-hilfe!",
                 {im(BLOCK_HILFE, "", 20, "&Hilfe"), im(MENU_ZOR, "&Hilfe", 10, "&Hilfe")},
                 {knopf(CMD_ZORWERK, 190, "hilfe")}},
                {CMD_BEISPIELDATEIEN,
                 ruft<&H::beispieleKopieren>,
                 "Kopiert Beispieldateien (Bitmaps, Wave, MIDI, AVI) in einen Ordner!",
                 {im(BLOCK_HILFE, "", 30, "&Beispieldateien...")}},
                {CMD_THEORIE, seite, nullptr, {im(MENU_ZOR, "&Hilfe", 30, "&Theorie")}},
                {CMD_VORBEREITUNG, seite, nullptr, {im(MENU_ZOR, "&Hilfe/&Versuch", 10, "&Vorbereitung")}},
                {CMD_DURCHFUEHRUNG, seite, nullptr, {im(MENU_ZOR, "&Hilfe/&Versuch", 20, "&Durchführung")}},
                {CMD_INFO_ABTEILUNG, seite, nullptr, {im(MENU_ZOR, "&Hilfe/&Info", 10, "Über das &Fachgebiet")}},
                {CMD_INFO_PROGRAMM, seite, nullptr, {im(MENU_ZOR, "&Hilfe/&Info", 20, "Über das &Programm")}},
                {CMD_INFO_LEHRSOFTWARE,
                 seite,
                 nullptr,
                 {im(MENU_ZOR, "&Hilfe/&Info", 30, "Über andere Lehr-&Software")}},
                {CMD_DOK_HILFE_INHALT,
                 ruft<&H::inhalt>,
                 "Zeigt das Inhaltsverzeichnis der Hilfe!",
                 {im(MENU_HEX, "&Hilfe", 10, "&Inhalt")}},
                {CMD_DOK_HILFE_SUCHEN,
                 ruft<&H::suchen>,
                 "Sucht ein Wort in allen Hilfeseiten!",
                 {im(MENU_HEX, "&Hilfe", 20, "&Suchen...")}},
            },
        .fenster = {},
        .menues =
            {
                trenner(MENU_START, "&Hilfe", 40),
                trenner(MENU_ZOR, "&Hilfe", 20),
                popup(MENU_ZOR, "&Hilfe", 40, "&Versuch"),
                popup(MENU_ZOR, "&Hilfe", 50, "&Info"),
            },
        .knoepfe = {},
    };
    return m;
}

void HilfeModul::hilfe(int id) {
    for (const Seite& s : SEITEN) {
        if (s.id != id) continue;
        QString datei = QString::fromLatin1(s.datei);
        // F1 with a document active explains that document.
        if (id == CMD_HILFE_F1)
            if (MdiDokument* d = kontext().aktivesDokument();
                d && !kontextHilfedatei(kontext().verzeichnis(), d).isEmpty())
                datei = kontextHilfedatei(kontext().verzeichnis(), d);
        if (!zeige(datei, s.kontext))
            kontext().meldung().zeige(QStringLiteral("Die Hilfedatei %1 fehlt.").arg(datei),
                                      QString::fromUtf8(TITEL_PROGRAMM), Symbol::Ausrufezeichen);
        return;
    }
}

void HilfeModul::inhalt(int) { hilfe(CMD_DOK_HILFE_INHALT); }

void HilfeModul::suchen(int) {
    hilfe(CMD_DOK_HILFE_SUCHEN);
    if (fenster_) fenster_->suchfeldWaehlen();
}

void HilfeModul::beispieleKopieren(int) {
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

void HilfeModul::seiteAlsPdf() {
    if (!fenster_) return;
    const auto pfad = kontext().dateiwahl().GetFileNameOutFWK(QString::fromUtf8(TEXT_HILFE_ALS_PDF),
                                                              fenster_->browser()->documentTitle(), SATZ_HILFE_PDF);
    if (!pfad) return;
    Ergebnis e;
    mitWartecursor([&] { e = hilfeseiteSpeichern(*fenster_, *pfad); });
    if (!e) app::zeige(kontext().meldung(), e.meldung);
}

// A page of help is laid out in a moment, so it prints on the GUI thread.
void HilfeModul::seiteDrucken() {
    if (!fenster_) return;
    const QString name = standardDrucker();
    if (name.isEmpty()) return seiteAlsPdf();
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setPrinterName(name);
    drucker.setDocName(fenster_->browser()->documentTitle());
    druckseiteEinrichten(drucker);
    mitWartecursor([&] { fenster_->druckfassung(druckbreite(drucker))->print(&drucker); });
}

bool HilfeModul::zeige(const QString& datei, int kontextNr) {
    if (!fenster_) {
        fenster_ = new Hilfefenster(kontext().fenster());
        QObject::connect(fenster_, &Hilfefenster::druckenGewuenscht, fenster_, [this] { seiteDrucken(); });
        QObject::connect(fenster_, &Hilfefenster::pdfGewuenscht, fenster_, [this] { seiteAlsPdf(); });
    }
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
        QObject::connect(
            dialog, &QDialog::finished, fenster_, [this] { anModalesFenster(); }, Qt::SingleShotConnection);
}

}  // namespace zor::app
