#pragma once
// The base of the two curve documents (gap distribution, error correlation): stale curves
// computed before the paint that needs them, the reports shown after it, and the
// measurement cursor driven by commands, keys and the mouse.

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
#include <QRegion>

namespace zor::app {

// What sets the two curve documents apart, as data.
struct Kurvenart {
    int cursorZeigen, cursorLoeschen, optionen;  // command ids
    STRUCT_TOCHTER ZorState::*tochter;
    int STRUCT_CURSOR::*cursor;
    int ZorState::*xpos;
    int ZorState::*defbereich;
    int rechtsVorEnde;  // how far below the number of points the right arrow stops
    bool (*autoCursor)(const ZorState&);
    Kurvenbericht (*ermitteln)(ZorState&, Fortschritt&);
    Gezeichnet (*malen)(QPainter&, QSize, ZorState&, const Vorlagenquelle&, int);
    CursorGeometrie (*geometrie)(const ZorState&);
    CursorKurven (*kurven)(const ZorState&, Gezeichnet);
    std::optional<int> (*maus)(double, const ZorState&);
    std::string (*csv)(ZorState&);
};

class KurvenDokument : public ModellDokument {
    Q_OBJECT
public:
    KurvenDokument(Kontext& kontext, const ModellDokumentart& dokumentart, const Kurvenart& art,
                   Vorlagenquelle vorlagen);
    // Cursor on and off; the rest as every document.
    bool befehl(int id) override;

    // Computes stale curves first, then paints (export, clipboard).
    void zeichnen(QPainter& p, QSize groesse) override;
    std::string alsCsv() override;
    bool hatCsv() const override { return true; }

    // Computes every curve whose cached copy is stale, with the progress window; its
    // reports wait for the next paint to finish.
    void ermitteln();
    bool veraltet() const;
    // The curves the latest paint drew.
    Gezeichnet gezeichnet() const { return gezeichnet_; }
    // The window's logical coordinates.
    Abbildung abbildung() const;

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

    // Shows one report of a computation; FKF routes its method warnings through commands.
    virtual void meldungZeigen(const Meldung& m);
    ZorState& zustand() const;

private:
    bool cursorAn() const;
    void cursorBewegen(int neu);
    QRegion cursorBereich(int xpos) const;
    void hintergrundMalen();
    void cursorMalen(QPainter& p);
    void meldungenNachDemMalen();

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
    bool ermittelnGeplant_ = false;
    // One computation at a time, in all curve documents: the progress window lets timers
    // and paints through while it waits to be shown.
    static inline bool rechnet_ = false;
    // False right after a resize: the next mouse move only re-arms tracking.
    bool mouse_ = false;
};

}  // namespace zor::app
