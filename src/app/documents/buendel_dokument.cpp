#include "app/documents/buendel_dokument.h"

#include <QContextMenuEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <memory>
#include <utility>

#include "app/context/befehle.h"
#include "app/context/kontext.h"
#include "app/documents/kurvendokument.h"
#include "app/hintergrund/hintergrund.h"
#include "app/platform/meldungsdienst.h"
#include "app/plot/dokumentbilder.h"
#include "app/plot/druckseite.h"
#include "core/documents/diagrammcursor.h"
#include "core/plot/abbildung.h"

namespace zor::app {
namespace {

// The help picture: the window opened and maximised once its curves are there.
void bildAufnehmen(Bildaufnahme& a) {
    const QString bild = QStringLiteral("buendel");
    if (!modellDokumentZeigen(a, CMD_OEFFNEN_BUENDEL, bild)) return;
    auto* d = qobject_cast<BuendelDokument*>(a.kontext().mdiFlaeche().activeSubWindow()->widget());
    if (!d || !a.warte([d] { return !d->veraltet(); }, 30000)) {
        a.fehler(QStringLiteral("%1: Kurven nicht fertig").arg(bild));
        return;
    }
    a.bild(a.kontext().fenster(), bild);
}

}  // namespace

BuendelDokument::BuendelDokument(Kontext& kontext) : ModellDokument(kontext, dokumentart()) {
    setMouseTracking(true);
    // Whatever job ended, a stale picture may now be computed.
    connect(&kontext.hintergrund(), &Hintergrund::beendet, this, [this] {
        if (veraltet()) update();
    });
}

const ModellDokumentart& BuendelDokument::dokumentart() {
    static const ModellDokumentart a{
        .fenster = {.name = QStringLiteral("buendel"),
                    .hilfe = QStringLiteral("zor_buendel.hlp"),
                    .befehl = CMD_OEFFNEN_BUENDEL,
                    .titel = QStringLiteral("Bündel und Blöcke"),
                    .kontextMenue = MENU_ZOR,
                    .modell = Modellfenster{'b', CMD_OEFFNEN_BUENDEL, CMD_SCHLIESSEN_BUENDEL},
                    .filter = {&SATZ_EXPORT_BILD_CSV},
                    .bilder = {{QStringLiteral("buendel"), {}, &bildAufnehmen}}},
        .menuetext = "&Bündel und Blöcke",
        .hinweis = "Erstellt ein Dokument mit Fehlerbündeln und Blockfehlern!",
        .knopfRang = 45,
        .bild = "buendel",
        .druck = &DRUCK_BUENDEL,
        .erzeuge = [](Kontext& k, const Vorlagenquelle&) -> ModellDokument* { return new BuendelDokument(k); },
    };
    return a;
}

Buendelauftrag BuendelDokument::auftragJetzt() const {
    return buendelAuftrag(kontext().zustand(), buendelEinstellungen());
}

bool BuendelDokument::veraltet() const { return !auftrag_ || !(*auftrag_ == auftragJetzt()); }

void BuendelDokument::bereit(std::function<void()> danach) {
    if (kontext().zustand().Fenster.aktualisiert == 0) kontext().befehl(CMD_AKTUALISIEREN);
    kontext().hintergrund().danach(this, [this, danach = std::move(danach)]() mutable {
        if (!veraltet()) {
            danach();
            return;
        }
        abgebrochen_.reset();
        rechnen(std::move(danach));
    });
}

void BuendelDokument::rechnen(std::function<void()> danach) {
    Hintergrund& h = kontext().hintergrund();
    if (rechnet_ || !veraltet() || abgebrochen() || h.laeuft()) return;
    auto auftrag = std::make_shared<const Buendelauftrag>(auftragJetzt());
    auto daten = std::make_shared<Buendeldaten>();
    const char* titel = auftrag->bloecke ? BLOCK_FORTSCHRITT : BUENDEL_FORTSCHRITT;
    rechnet_ = h.starten(
        this, {titel}, [auftrag, daten](Fortschritt& f) { *daten = buendelBerechnen(*auftrag, f); },
        [this, auftrag, daten, danach = std::move(danach)](bool abgebrochen) {
            rechnet_ = false;
            if (abgebrochen || daten->abgebrochen) {
                abgebrochen_ = *auftrag;
            } else {
                abgebrochen_.reset();
                auftrag_ = *auftrag;
                daten_ = std::move(*daten);
                ausstehend_ = daten_.meldungen;
            }
            update();
            if (danach && !veraltet()) danach();
        });
}

void BuendelDokument::paintEvent(QPaintEvent*) {
    ZorState& s = kontext().zustand();
    if (s.Fenster.aktualisiert == 0) kontext().befehl(CMD_AKTUALISIEREN);
    QPainter p(this);
    if (veraltet()) rechnen();
    if (abgebrochen()) {
        p.fillRect(rect(), Qt::white);
        p.drawText(rect(), Qt::AlignCenter, QString::fromUtf8(TEXT_BERECHNUNG_ABGEBROCHEN));
        return;
    }
    // Meanwhile the last result stays in view; white before the first.
    if (auftrag_ && !s.Modell.inaktiv) zeichnen(p, size());
    else p.fillRect(rect(), Qt::white);
    meldungenZeigen();
}

// A message box must not open inside a paint.
void BuendelDokument::meldungenZeigen() {
    if (ausstehend_.empty()) return;
    QTimer::singleShot(0, this, [this, meldungen = std::exchange(ausstehend_, {})] {
        for (const Meldung& m : meldungen) zeige(kontext().meldung(), m);
    });
}

void BuendelDokument::zeichnen(QPainter& p, QSize groesse) {
    buendelBildMalen(p, groesse, kontext().zustand(), buendelEinstellungen(), daten_, 0);
}

std::string BuendelDokument::alsCsv() { return buendelCsv(buendelEinstellungen(), daten_); }

void BuendelDokument::cursorSetzen(double stelle) {
    double& x = buendelEinstellungen().cursorX;
    if (x == stelle) return;
    x = stelle;
    // The picture is a few curves: painting it all again costs less than keeping strips.
    update();
}

void BuendelDokument::cursorZurMaus(double x) {
    const Buendeleinstellungen& e = buendelEinstellungen();
    if (!e.cursor || !auftrag_) return;
    const LPunkt l = Abbildung::fenstereigenschaften(width(), height()).logisch({x, 0});
    if (const auto stelle = buendelCursorbild(e, daten_).unterMaus(l.x)) cursorSetzen(*stelle);
}

void BuendelDokument::keyPressEvent(QKeyEvent* e) {
    const auto t = cursortaste(*e);
    if (!t) {
        ModellDokument::keyPressEvent(e);
        return;
    }
    // A hidden cursor does not move: nothing would show where it went.
    const Buendeleinstellungen& s = buendelEinstellungen();
    if (s.cursor && auftrag_)
        if (const auto stelle = buendelCursorbild(s, daten_).nachTaste(*t, s.cursorX)) cursorSetzen(*stelle);
    e->accept();
}

void BuendelDokument::mouseMoveEvent(QMouseEvent* e) {
    if (!maus_) {
        maus_ = true;
        return;
    }
    cursorZurMaus(e->position().x());
}

void BuendelDokument::resizeEvent(QResizeEvent* e) {
    maus_ = false;
    ModellDokument::resizeEvent(e);
}

void BuendelDokument::mousePressEvent(QMouseEvent* e) {
    // After a cancel a click asks for the same results again.
    if (e->button() == Qt::LeftButton && abgebrochen()) {
        abgebrochen_.reset();
        update();
    }
    if (e->button() == Qt::RightButton) {
        e->accept();
        kontext().befehl(CMD_BUENDEL_OPTIONEN);
        return;
    }
    // A click sets the cursor also where no mouse move came before it.
    if (e->button() == Qt::LeftButton) cursorZurMaus(e->position().x());
    ModellDokument::mousePressEvent(e);
}

// The right button opens the options; the menu key does the same.
void BuendelDokument::contextMenuEvent(QContextMenuEvent* e) {
    e->accept();
    if (e->reason() != QContextMenuEvent::Mouse) kontext().befehl(CMD_BUENDEL_OPTIONEN);
}

}  // namespace zor::app
