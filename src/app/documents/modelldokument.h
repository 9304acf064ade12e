#pragma once
// The base of the four channel-model documents (FF, FKF, FAV, PAR): the bookkeeping when
// one opens and closes (menu items, toolbar buttons, arrangement), bringing the documents
// up to date before the first paint, and one painting that serves the window, export and
// the clipboard.

#include <QImage>
#include <QPainter>

#include <functional>

#include "app/kontext/mdi_dokument.h"
#include "core/dokumente/anordnung.h"

class QMdiSubWindow;

namespace zor::app {

class ModellDokument : public MdiDokument {
    Q_OBJECT
public:
    ModellDokument(Kontext& kontext, Modelldokument welches);

    Modelldokument welches() const { return welches_; }
    Dokumentart art() const override;
    int kontextMenue() const override;

    // Opens the document in the MDI area and arranges it with the others; false when
    // the frame could not create it.
    bool oeffnen();

    // Runs danach once the content is up to date: at once, or after stale curves have
    // been computed in the background (never, when the user cancelled that).
    virtual void bereit(std::function<void()> danach) { danach(); }
    // Paints the document's content on a white area of the given size.
    virtual void zeichnen(QPainter& p, QSize groesse) = 0;
    // The content as text for the export, or empty when the document has none.
    virtual std::string alsText() { return {}; }
    virtual bool hatText() const { return false; }
    // The shown curves as CSV, for the export and beside the picture on the clipboard.
    virtual std::string alsCsv() { return {}; }
    virtual bool hatCsv() const { return false; }

    // Open command and close command of this kind (254..257, 261..264).
    int oeffnenBefehl() const;
    int schliessenBefehl() const;

    // The subwindow of an open channel-model document of this kind, or nullptr.
    static QMdiSubWindow* unterfenster(Kontext& k, Modelldokument d);

protected:
    void paintEvent(QPaintEvent*) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void anmelden();
    void abmelden();
    void anwenden(const Anordnung& a);
    void freigeben(const Freigabe& g);
    Flaeche flaeche() const;
    Minimiert minimiert() const;

    Modelldokument welches_;
    bool angemeldet_ = false;
};

// Every menu state that follows the number of open channel-model documents.
void modusWechselFreigeben(Kontext& k);

}  // namespace zor::app
