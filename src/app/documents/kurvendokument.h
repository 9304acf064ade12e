#pragma once
// The base of the two curve documents (gap distribution, error correlation): stale curves
// computed before the paint that needs them, the reports shown after it, and the
// measurement cursor driven by commands, keys and the mouse.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/documents/modelldokument.h"
#include "core/documents/kurven_malen.h"
#include "core/documents/messcursor.h"
#include "core/models/kurven_ermitteln.h"
#include "core/plot/abbildung.h"
#include "core/plot/plotag.h"

#include <QImage>
#include <QKeyEvent>
#include <QRegion>

namespace zor::app {

// One computation of a document's stale curves, ordered on the GUI thread: the work for
// the worker (it holds a copy of the order, never the state), storing the results, and
// whether the state would order the same again.
struct Kurvenrechnung {
    std::function<void(Fortschritt&)> rechnen;
    std::function<Kurvenbericht(ZorState&)> eintragen;
    std::function<bool(const ZorState&)> gleich;
};

// The computation of one kind of curve (favAuftrag, fkfAuftrag) as a Kurvenrechnung.
template <class Auftrag>
Kurvenrechnung kurvenrechnung(Auftrag (*bestellen)(const ZorState&), const ZorState& s) {
    auto a = std::make_shared<const Auftrag>(bestellen(s));
    using Ergebnisse = decltype(berechnen(*a, std::declval<Fortschritt&>()));
    auto e = std::make_shared<Ergebnisse>();
    return {[a, e](Fortschritt& f) { *e = berechnen(*a, f); }, [a, e](ZorState& z) { return eintragen(z, *a, *e); },
            [a, bestellen](const ZorState& z) { return bestellen(z) == *a; }};
}

// What sets the two curve documents apart, as data.
struct Kurvenart {
    int cursorZeigen, cursorLoeschen, optionen;  // command ids
    STRUCT_TOCHTER ZorState::*tochter;
    int STRUCT_CURSOR::*cursor;
    int ZorState::*xpos;
    int ZorState::*defbereich;
    int rechtsVorEnde;  // how far below the number of points the right arrow stops
    bool (*autoCursor)(const ZorState&);
    Kurvenrechnung (*rechnung)(const ZorState&);
    const char* titel;  // the progress window's name of the job
    Gezeichnet (*malen)(QPainter&, QSize, ZorState&, const Vorlagenquelle&, int);
    CursorGeometrie (*geometrie)(const ZorState&);
    CursorKurven (*kurven)(const ZorState&, Gezeichnet);
    std::optional<int> (*maus)(double, const ZorState&);
    std::string (*csv)(ZorState&);
    bool fav = false;  // which legend the export draws
};

// The cursor key a key press means (PgUp, PgDn, End, Home, arrows without Ctrl or Alt).
std::optional<Cursortaste> cursortaste(const QKeyEvent& e);

class KurvenDokument : public ModellDokument {
    Q_OBJECT
public:
    KurvenDokument(Kontext& kontext, const ModellDokumentart& dokumentart, const Kurvenart& art,
                   Vorlagenquelle vorlagen);
    // Cursor on and off; the rest as every document.
    bool befehl(int id) override;

    // Paints the cached curves (export, clipboard: after bereit).
    void zeichnen(QPainter& p, QSize groesse) override;
    void exportBild(QPainter& p, QSize groesse, Legendenort ort) override;
    bool hatLegende() const override { return true; }
    std::string alsCsv() override;
    bool hatCsv() const override { return true; }

    // Computes stale curves in the background first, also after a cancel: the user asked
    // for this document's content. Their reports wait for the next paint to finish.
    void bereit(std::function<void()> danach) override;
    bool veraltet() const;
    // A computation of this document runs in the background.
    bool rechnet() const { return rechnet_; }
    // The user cancelled the computation of the curves the state asks for now.
    bool abgebrochen() const;
    // The curves the latest paint drew.
    Gezeichnet gezeichnet() const { return gezeichnet_; }
    // The window's logical coordinates.
    Abbildung abbildung() const;
    const Kurvenart& kurvenart() const { return art_; }

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

    // Shows the combined report of a refresh.
    void meldungZeigen(const Meldung& m);
    ZorState& zustand() const;

private:
    bool cursorAn() const;
    // Starts the computation of the stale curves in the background, unless one runs;
    // danach runs when it has brought them up to date.
    void ermittelnStarten(std::function<void()> danach = {});
    void ergebnisDa(Kurvenrechnung& r, bool abgebrochen);
    void berichtMerken(Kurvenbericht bericht);
    void abgebrochenMalen(QPainter& p);
    void cursorBewegen(int neu);
    QRegion cursorBereich(int xpos) const;
    void hintergrundMalen();
    void cursorMalen(QPainter& p);
    void meldungenNachDemMalen();
    void sammelberichtZeigen();

    const Kurvenart& art_;
    Vorlagenquelle vorlagen_;
    Gezeichnet gezeichnet_;
    // The diagram without the cursor, kept so that a cursor move only copies its strips
    // back and draws the cursor anew; every other repaint paints it afresh. The window
    // always shows it through this picture: dotted lines painted straight onto the window
    // would take their dash phase from the window's position and not match the strips.
    QImage hintergrund_;
    QRegion cursorStreifen_;
    std::vector<Meldung> ausstehend_;
    bool rechnet_ = false;
    // The order the user cancelled: not started again until the state asks for another.
    std::function<bool(const ZorState&)> abgebrochen_;
    // False right after a resize: the next mouse move only re-arms tracking.
    bool mouse_ = false;
};

}  // namespace zor::app
