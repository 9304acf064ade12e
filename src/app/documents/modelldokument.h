#pragma once
// The base of the channel-model documents (FF, FKF, FAV, PAR and any further row of the
// documents' table): the bookkeeping when one opens and closes (arrangement and the
// frame's menu states), bringing the documents up to date before the first paint, and
// one painting that serves the window, export and the clipboard.

#include <QImage>
#include <QPainter>

#include <functional>

#include "app/context/mdi_dokument.h"
#include "app/documents/dokumentarten.h"
#include "core/documents/anordnung.h"
#include "core/documents/kurven_malen.h"
#include "core/io/ausgabedatei.h"

class QMdiSubWindow;

namespace zor::app {

// What a document shows after the user cancelled its computation.
inline constexpr const char* TEXT_BERECHNUNG_ABGEBROCHEN =
    "Die Berechnung wurde abgebrochen.\nEin Klick in das Fenster rechnet neu.";

class ModellDokument : public MdiDokument, public Druckbar {
    Q_OBJECT
public:
    ModellDokument(Kontext& kontext, const ModellDokumentart& art);

    const ModellDokumentart& art() const { return art_; }
    Druckbar* druckbar() override { return art_.druck ? this : nullptr; }
    const Druckart& druckart() const override { return *art_.druck; }

    // Opens the document in the MDI area and arranges it with the others; false when
    // the frame could not create it.
    bool oeffnen();

    // Runs danach once the content is up to date: at once, or after stale curves have
    // been computed in the background (never, when the user cancelled that).
    virtual void bereit(std::function<void()> danach) { danach(); }
    // Paints the document's content on a white area of the given size.
    virtual void zeichnen(QPainter& p, QSize groesse) = 0;
    // The exported picture: the content and, where the document has one, its legend.
    virtual void exportBild(QPainter& p, QSize groesse, Legendenort) { zeichnen(p, groesse); }
    virtual bool hatLegende() const { return false; }
    // The content as text for the export, or empty when the document has none.
    virtual std::string alsText() { return {}; }
    virtual bool hatText() const { return false; }
    // The shown curves as CSV, for the export and beside the picture on the clipboard.
    virtual std::string alsCsv() { return {}; }
    virtual bool hatCsv() const { return false; }
    // Files the document reads besides the sets' files: its export must not replace them.
    virtual Eingaben eingaben() const { return {}; }

    // The subwindow of the open document of that row, or nullptr.
    static QMdiSubWindow* unterfenster(Kontext& k, const ModellDokumentart& art);

protected:
    // The picture and, where it has them, the CSV to the clipboard, once up to date.
    void kopieren();
    void paintEvent(QPaintEvent*) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void anmelden();
    void abmelden();
    void anwenden(const Anordnung& a);
    Flaeche flaeche() const;
    Minimiert minimiert() const;

    const ModellDokumentart& art_;
    bool angemeldet_ = false;
};

}  // namespace zor::app
