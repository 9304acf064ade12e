#pragma once
// The help window: the program's German HTML help pages, opened by the name of the
// help file the commands ask for ("VOZAD.hlp"), optionally at a context number, with
// back/forward, contents, index and a search over all pages. It remembers its size and
// the last page read (with its scroll position) between runs.

#include <QTextBrowser>
#include <QUrl>
#include <QWidget>

#include <memory>

#include "app/platform/hilfeseiten.h"

class QLineEdit;
class QTextDocument;

namespace zor::app {

// Reads pages through hilfeHtml, so that they show the program's version.
class HilfeBrowser : public QTextBrowser {
    Q_OBJECT
public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int typ, const QUrl& name) override;
};

class Hilfefenster : public QWidget {
    Q_OBJECT
public:
    explicit Hilfefenster(QWidget* eltern = nullptr);
    ~Hilfefenster() override;

    // Shows the page of the help file (its contents, or the anchor "k<kontext>").
    // The contents page of the book read last time reopens where the reader stopped.
    // False when the program has no such page.
    bool zeige(const QString& hlpDatei, int kontext = 0);

    // Lists the pages containing every word of the text; returns how many there are.
    int suche(const QString& text);
    // Puts the focus into the search field, its text selected.
    void suchfeldWaehlen();

    // The page shown, ready to print: pictures wider than `breite` (pixels at 96 per inch,
    // the page's text width) are scaled down to it.
    std::unique_ptr<QTextDocument> druckfassung(qreal breite) const;

    QTextBrowser* browser() const { return browser_; }
    QUrl source() const { return browser_->source(); }
    QString toPlainText() const { return browser_->toPlainText(); }

signals:
    // "Drucken…" and "Als PDF speichern…": the help commands do the work.
    void druckenGewuenscht();
    void pdfGewuenscht();

protected:
    void hideEvent(QHideEvent* e) override;

private:
    void seiteGeladen();
    void markiereSuchwoerter();
    void merke() const;

    HilfeBrowser* browser_;
    QLineEdit* suchfeld_;
    QString markieren_;     // words to highlight on the next page loaded
    QUrl letzteSeite_;      // the page read when the window was last closed
    int letztePosition_ = 0;
};

}  // namespace zor::app
