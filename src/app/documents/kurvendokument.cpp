#include "app/documents/kurvendokument.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QTimer>

#include <utility>

#include "app/context/befehle.h"
#include "app/context/kontext.h"
#include "app/hintergrund/hintergrund.h"
#include "app/platform/meldungsdienst.h"
#include "app/platform/wartecursor.h"
#include "app/plot/dokumentbilder.h"
#include "app/plot/qpainter_canvas.h"

namespace zor::app {
namespace {

constexpr std::pair<int, Cursortaste> TASTEN[] = {
    {Qt::Key_PageUp, Cursortaste::BildAuf}, {Qt::Key_PageDown, Cursortaste::BildAb},
    {Qt::Key_End, Cursortaste::Ende},       {Qt::Key_Home, Cursortaste::Pos1},
    {Qt::Key_Left, Cursortaste::Links},     {Qt::Key_Right, Cursortaste::Rechts},
};

}  // namespace

std::optional<Cursortaste> cursortaste(const QKeyEvent& e) {
    if (e.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return std::nullopt;
    for (const auto& [taste, t] : TASTEN)
        if (e.key() == taste) return t;
    return std::nullopt;
}

KurvenDokument::KurvenDokument(Kontext& kontext, const ModellDokumentart& dokumentart, const Kurvenart& art,
                               Vorlagenquelle vorlagen)
    : ModellDokument(kontext, dokumentart), art_(art), vorlagen_(std::move(vorlagen)) {
    setMouseTracking(true);
    // Whatever job ended, curves that are still stale may now be computed.
    connect(&kontext.hintergrund(), &Hintergrund::beendet, this, [this] {
        if (veraltet()) update();
    });
}

ZorState& KurvenDokument::zustand() const { return kontext().zustand(); }
bool KurvenDokument::cursorAn() const { return zustand().Cursor.*art_.cursor != 0; }

bool KurvenDokument::veraltet() const {
    const STRUCT_TOCHTER& t = zustand().*art_.tochter;
    return t.ermittelt1 == 0 || t.ermittelt2 == 0;
}

Abbildung KurvenDokument::abbildung() const { return Abbildung::fenstereigenschaften(width(), height()); }

bool KurvenDokument::befehl(int id) {
    ZorState& s = zustand();
    if (id == art_.cursorZeigen) {
        s.Cursor.*art_.cursor = 1;
        setFocus();
        update();
        return true;
    }
    if (id == art_.cursorLoeschen) {
        s.Cursor.*art_.cursor = 0;
        s.*art_.xpos = 0;
        update();
        return true;
    }
    return ModellDokument::befehl(id);
}

bool KurvenDokument::abgebrochen() const { return abgebrochen_ && abgebrochen_(zustand()); }

void KurvenDokument::bereit(std::function<void()> danach) {
    if (zustand().Fenster.aktualisiert == 0) kontext().befehl(CMD_AKTUALISIEREN);
    // A job of this or another window may be running: ask again when it has ended.
    kontext().hintergrund().danach(this, [this, danach = std::move(danach)]() mutable {
        if (!veraltet()) {
            danach();
            return;
        }
        abgebrochen_ = nullptr;
        ermittelnStarten(std::move(danach));
    });
}

void KurvenDokument::ermittelnStarten(std::function<void()> danach) {
    if (rechnet_ || !veraltet() || abgebrochen()) return;
    Hintergrund& h = kontext().hintergrund();
    // Another job runs: this document asks again when it has ended (beendet).
    if (h.laeuft()) return;
    auto r = std::make_shared<Kurvenrechnung>(art_.rechnung(zustand()));
    rechnet_ = h.starten(this, {art_.titel}, r->rechnen, [this, r, danach = std::move(danach)](bool abgebrochen) {
        ergebnisDa(*r, abgebrochen);
        if (danach && !abgebrochen && !veraltet()) danach();
    });
}

void KurvenDokument::ergebnisDa(Kurvenrechnung& r, bool abgebrochen) {
    rechnet_ = false;
    if (abgebrochen) {
        abgebrochen_ = std::move(r.gleich);
        update();
        return;
    }
    abgebrochen_ = nullptr;
    berichtMerken(r.eintragen(zustand()));
    // The other curve document shows the new state of the sets too.
    for (MdiDokument* d : kontext().dokumente())
        if (qobject_cast<KurvenDokument*>(d)) d->update();
}

void KurvenDokument::berichtMerken(Kurvenbericht bericht) {
    if (bericht.rechenzeit) ausstehend_.push_back(std::move(*bericht.rechenzeit));
    for (Meldung& m : bericht.meldungen) ausstehend_.push_back(std::move(m));
}

void KurvenDokument::abgebrochenMalen(QPainter& p) {
    p.fillRect(rect(), Qt::white);
    p.drawText(rect(), Qt::AlignCenter, QString::fromUtf8(TEXT_BERECHNUNG_ABGEBROCHEN));
}

void KurvenDokument::paintEvent(QPaintEvent* e) {
    ZorState& s = zustand();
    if (s.Fenster.aktualisiert == 0) kontext().befehl(CMD_AKTUALISIEREN);
    // Stale curves are computed in the background; meanwhile the window shows what it
    // has (the last picture, or white) and is painted anew when the result arrives.
    if (veraltet()) {
        ermittelnStarten();
        QPainter p(this);
        if (abgebrochen())
            abgebrochenMalen(p);
        else if (hintergrund_.deviceIndependentSize() == QSizeF(size()))
            p.drawImage(QPointF(0, 0), hintergrund_);
        else
            p.fillRect(rect(), Qt::white);
        return;
    }
    const bool nurCursor = hintergrund_.deviceIndependentSize() == QSizeF(size()) &&
                           (e->region() - cursorStreifen_).isEmpty();
    cursorStreifen_ = {};
    if (s.Modell.inaktiv) {
        gezeichnet_ = {};
        hintergrund_ = {};
    } else {
        if (!cursorAn() && art_.autoCursor(s)) s.Cursor.*art_.cursor = 1;
        if (!nurCursor) hintergrundMalen();
        QPainter p(this);
        const qreal dpr = hintergrund_.devicePixelRatio();
        for (const QRect& r : e->region())
            p.drawImage(QRectF(r), hintergrund_, QRectF(QPointF(r.topLeft()) * dpr, QSizeF(r.size()) * dpr));
        if (cursorAn()) cursorMalen(p);
    }
    meldungenNachDemMalen();
}

void KurvenDokument::hintergrundMalen() {
    ZorState& s = zustand();
    const qreal dpr = devicePixelRatioF();
    hintergrund_ = QImage(size() * dpr, QImage::Format_RGB32);
    hintergrund_.setDevicePixelRatio(dpr);
    QPainter p(&hintergrund_);
    int& cursor = s.Cursor.*art_.cursor;
    const int an = std::exchange(cursor, 0);
    gezeichnet_ = art_.malen(p, size(), s, vorlagen_, 0);
    cursor = an;
}

// The screen cursor as the documents' painting draws it: labels, line and values.
void KurvenDokument::cursorMalen(QPainter& p) {
    const ZorState& s = zustand();
    kurvenCursorMalen(p, size(), art_.geometrie(s), art_.kurven(s, gezeichnet_), s.*art_.xpos);
}

// A message box must not open inside a paint.
void KurvenDokument::meldungenNachDemMalen() {
    if (ausstehend_.empty()) return;
    QTimer::singleShot(0, this, [this] { sammelberichtZeigen(); });
}

namespace {

int gewicht(Symbol s) {
    switch (s) {
    case Symbol::Stopp: return 3;
    case Symbol::Ausrufezeichen: return 2;
    case Symbol::Information: return 1;
    default: return 0;
    }
}

// The messages of one refresh as one box: their texts in order, the first's caption and
// the gravest icon.
Meldung zusammenfassen(std::vector<Meldung> alle) {
    Meldung m = std::move(alle.front());
    for (std::size_t i = 1; i < alle.size(); ++i) {
        m.text += "\n\n" + alle[i].text;
        if (gewicht(alle[i].symbol) > gewicht(m.symbol)) m.symbol = alle[i].symbol;
    }
    return m;
}

}  // namespace

// One report after a refresh: while another visible curve document still has to compute,
// its turn comes first and the last one done shows everybody's messages, computing times
// and method warnings alike, together (a box per message stacked up, and the next
// computation waited for the first OK).
void KurvenDokument::sammelberichtZeigen() {
    std::vector<KurvenDokument*> kurven;
    for (MdiDokument* d : kontext().dokumente())
        if (auto* k = qobject_cast<KurvenDokument*>(d)) kurven.push_back(k);
    for (const KurvenDokument* k : kurven)
        if (k->isVisible() && k->veraltet() && !k->abgebrochen()) return;
    std::vector<Meldung> alle;
    for (KurvenDokument* k : kurven)
        for (Meldung& m : std::exchange(k->ausstehend_, {})) alle.push_back(std::move(m));
    if (!alle.empty()) meldungZeigen(zusammenfassen(std::move(alle)));
}

void KurvenDokument::meldungZeigen(const Meldung& m) { zeige(kontext().meldung(), m); }

void KurvenDokument::zeichnen(QPainter& p, QSize groesse) {
    art_.malen(p, groesse, zustand(), vorlagen_, 0);
}

void KurvenDokument::exportBild(QPainter& p, QSize groesse, Legendenort ort) {
    zeichnen(p, groesse);
    kurvenLegendeMalen(p, groesse, zustand(), art_.fav, ort, 0);
}

std::string KurvenDokument::alsCsv() {
    return art_.csv(zustand());
}

void KurvenDokument::resizeEvent(QResizeEvent* e) {
    mouse_ = false;
    ModellDokument::resizeEvent(e);
}

void KurvenDokument::keyPressEvent(QKeyEvent* e) {
    const auto t = cursortaste(*e);
    if (!t) {
        ModellDokument::keyPressEvent(e);
        return;
    }
    // A hidden cursor does not move: nothing would show where it went.
    if (cursorAn()) {
        const ZorState& s = zustand();
        const int d = s.*art_.defbereich;
        cursorBewegen(cursorTaste(*t, s.*art_.xpos, d, d - art_.rechtsVorEnde, art_.kurven(s, gezeichnet_)));
    }
    e->accept();
}

void KurvenDokument::mouseMoveEvent(QMouseEvent* e) {
    if (!cursorAn() || !mouse_) {
        mouse_ = true;
        return;
    }
    const LPunkt l = abbildung().logisch({e->position().x(), e->position().y()});
    if (const auto pos = art_.maus(l.x, zustand())) cursorBewegen(*pos);
}

void KurvenDokument::mousePressEvent(QMouseEvent* e) {
    // After a cancel a click asks for the same curves again.
    if (e->button() == Qt::LeftButton && abgebrochen()) {
        abgebrochen_ = nullptr;
        update();
    }
    if (e->button() == Qt::RightButton) {
        e->accept();
        kontext().befehl(art_.optionen);
        return;
    }
    ModellDokument::mousePressEvent(e);
}

// The right button opens the options; the menu key does the same.
void KurvenDokument::contextMenuEvent(QContextMenuEvent* e) {
    e->accept();
    if (e->reason() != QContextMenuEvent::Mouse) kontext().befehl(art_.optionen);
}

void KurvenDokument::closeEvent(QCloseEvent* e) {
    if (cursorAn()) befehl(art_.cursorLoeschen);
    ModellDokument::closeEvent(e);
}

// Only the strips the cursor leaves and enters are painted again.
void KurvenDokument::cursorBewegen(int neu) {
    int& xpos = zustand().*art_.xpos;
    if (neu == xpos) return;
    QRegion r = cursorBereich(xpos);
    xpos = neu;
    r += cursorBereich(neu);
    cursorStreifen_ += r;
    update(r);
}

QRegion KurvenDokument::cursorBereich(int xpos) const {
    QImage messen(1, 1, QImage::Format_RGB32);
    QPainter p(&messen);
    const Abbildung a = abbildung();
    QPainterCanvas dc(p, a);
    dc.setzeSchrift({Schriftfamilie::Swiss, KURVEN_SCHRIFTHOEHE});
    const ZorState& s = zustand();
    QRegion r;
    for (const LRechteck& l : Markierung_Bereiche(dc, art_.geometrie(s), art_.kurven(s, gezeichnet_), xpos)) {
        const Geraetepunkt a1 = a.geraet({l.links, l.oben}), a2 = a.geraet({l.rechts, l.unten});
        // Antialiased edges reach a pixel beyond the exact rectangle.
        r += QRectF(QPointF(a1.x, a1.y), QPointF(a2.x, a2.y)).normalized().toAlignedRect().adjusted(-2, -2, 2, 2);
    }
    return r;
}

}  // namespace zor::app
