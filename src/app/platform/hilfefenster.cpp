#include "app/platform/hilfefenster.h"

#include <QAction>
#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QToolButton>
#include <QVBoxLayout>

#include <memory>

#include "core/io/oeffnen.h"

namespace zor::app {
namespace {

// A user preference of the help window only; model state is never stored. Only a regular
// file (or none yet) is used: QSettings would block for good on a FIFO in its place.
std::unique_ptr<QSettings> einstellungen() {
    const QString datei = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                          QStringLiteral("/zorwerk/hilfe.conf");
    if (QFileInfo::exists(datei) && !regulaerLesbar(QFile::encodeName(datei).toStdString())) return nullptr;
    return std::make_unique<QSettings>(datei, QSettings::IniFormat);
}

QToolButton* knopf(QWidget* eltern, const QString& text, const QString& tipp, const QKeySequence& taste) {
    auto* k = new QToolButton(eltern);
    k->setText(text);
    k->setToolTip(tipp + (taste.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(taste.toString(QKeySequence::NativeText))));
    if (!taste.isEmpty()) k->setShortcut(taste);
    k->setAutoRaise(true);
    return k;
}

QUrl seitenUrl(const QString& seite) { return QUrl(QStringLiteral("qrc") + seite); }

}  // namespace

QVariant HilfeBrowser::loadResource(int typ, const QUrl& name) {
    if (typ == QTextDocument::HtmlResource && name.scheme() == QStringLiteral("qrc")) {
        const QString html = hilfeHtml(QLatin1Char(':') + name.path());
        if (!html.isEmpty()) return html;
    }
    return QTextBrowser::loadResource(typ, name);
}

Hilfefenster::Hilfefenster(QWidget* eltern)
    : QWidget(eltern, Qt::Window), browser_(new HilfeBrowser(this)), suchfeld_(new QLineEdit(this)) {
    setObjectName(QStringLiteral("hilfe"));
    setWindowTitle(QStringLiteral("Hilfe"));
    browser_->setObjectName(QStringLiteral("hilfe_seite"));
    browser_->setOpenExternalLinks(true);
    browser_->document()->setDocumentMargin(14);
    suchfeld_->setObjectName(QStringLiteral("hilfe_suche"));
    suchfeld_->setPlaceholderText(QStringLiteral("In allen Seiten suchen…"));
    suchfeld_->setClearButtonEnabled(true);

    auto* zurueck = knopf(this, QStringLiteral("◀ Zurück"), QStringLiteral("Vorige Seite"), QKeySequence::Back);
    auto* vor = knopf(this, QStringLiteral("Vor ▶"), QStringLiteral("Nächste Seite"), QKeySequence::Forward);
    auto* inhalt = knopf(this, QStringLiteral("Inhalt"), QStringLiteral("Inhaltsverzeichnis aller Hilfeseiten"), {});
    auto* index = knopf(this, QStringLiteral("Index"), QStringLiteral("Stichwortverzeichnis"), {});
    auto* drucken = knopf(this, QStringLiteral("Drucken…"), QStringLiteral("Diese Seite drucken"), QKeySequence::Print);
    auto* pdf =
        knopf(this, QStringLiteral("Als PDF speichern…"), QStringLiteral("Diese Seite als PDF-Datei speichern"), {});
    drucken->setObjectName(QStringLiteral("hilfe_drucken"));
    pdf->setObjectName(QStringLiteral("hilfe_pdf"));
    connect(drucken, &QToolButton::clicked, this, &Hilfefenster::druckenGewuenscht);
    connect(pdf, &QToolButton::clicked, this, &Hilfefenster::pdfGewuenscht);
    zurueck->setEnabled(false);
    vor->setEnabled(false);
    connect(zurueck, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(vor, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, zurueck, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, vor, &QToolButton::setEnabled);
    connect(inhalt, &QToolButton::clicked, this, [this] { zeige(QStringLiteral("inhalt.hlp")); });
    connect(index, &QToolButton::clicked, this, [this] { zeige(QStringLiteral("index.hlp")); });
    connect(suchfeld_, &QLineEdit::returnPressed, this, [this] { suche(suchfeld_->text()); });
    connect(browser_, &QTextBrowser::sourceChanged, this, &Hilfefenster::seiteGeladen);

    auto* suchen = new QAction(this);
    suchen->setShortcut(QKeySequence::Find);
    connect(suchen, &QAction::triggered, this, &Hilfefenster::suchfeldWaehlen);
    addAction(suchen);
    auto* groesser = new QAction(this);
    groesser->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    connect(groesser, &QAction::triggered, browser_, [this] { browser_->zoomIn(1); });
    addAction(groesser);
    auto* kleiner = new QAction(this);
    kleiner->setShortcut(QKeySequence::ZoomOut);
    connect(kleiner, &QAction::triggered, browser_, [this] { browser_->zoomOut(1); });
    addAction(kleiner);

    auto* leiste = new QHBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(zurueck), static_cast<QWidget*>(vor), static_cast<QWidget*>(inhalt),
                       static_cast<QWidget*>(index), static_cast<QWidget*>(drucken), static_cast<QWidget*>(pdf)})
        leiste->addWidget(w);
    leiste->addStretch(1);
    leiste->addWidget(suchfeld_, 2);
    auto* rahmen = new QVBoxLayout(this);
    rahmen->setContentsMargins(4, 4, 4, 4);
    rahmen->addLayout(leiste);
    rahmen->addWidget(browser_, 1);

    const auto s = einstellungen();
    const QSize gemerkt = s ? s->value(QStringLiteral("groesse"), QSize(760, 620)).toSize() : QSize(760, 620);
    // A stored size larger than the screen (or absurd) would make a window nobody can use.
    resize(gemerkt.boundedTo(screen()->availableGeometry().size()).expandedTo(QSize(320, 240)));
    if (!s) return;
    letzteSeite_ = s->value(QStringLiteral("seite")).toUrl();
    letztePosition_ = s->value(QStringLiteral("position"), 0).toInt();
}

Hilfefenster::~Hilfefenster() { merke(); }

bool Hilfefenster::zeige(const QString& hlpDatei, int kontext) {
    const QString seite = hilfeSeite(hlpDatei);
    if (seite.isEmpty()) return false;
    QUrl url = seitenUrl(seite);
    if (kontext != 0) url.setFragment(QStringLiteral("k%1").arg(kontext));
    const bool weiterlesen = kontext == 0 && letzteSeite_ == url;
    letzteSeite_ = QUrl();  // resume once per run; later requests start at the top
    markieren_.clear();
    browser_->setSource(url);
    show();
    raise();
    activateWindow();
    if (weiterlesen) browser_->verticalScrollBar()->setValue(letztePosition_);
    return true;
}

std::unique_ptr<QTextDocument> Hilfefenster::druckfassung(qreal breite) const {
    // A child of the browser, so that its pictures load through the browser's resources.
    std::unique_ptr<QTextDocument> d(browser_->document()->clone(browser_));
    for (QTextBlock b = d->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (!f.charFormat().isImageFormat()) continue;
            QTextImageFormat bild = f.charFormat().toImageFormat();
            const QImage img = d->resource(QTextDocument::ImageResource, QUrl(bild.name())).value<QImage>();
            const qreal w = bild.width() > 0 ? bild.width() : img.width();
            const qreal h = bild.height() > 0 ? bild.height() : img.height();
            if (w <= breite || w <= 0) continue;
            bild.setWidth(breite);
            bild.setHeight(h * breite / w);
            QTextCursor c(d.get());
            c.setPosition(f.position());
            c.setPosition(f.position() + f.length(), QTextCursor::KeepAnchor);
            c.setCharFormat(bild);
        }
    }
    return d;
}

void Hilfefenster::suchfeldWaehlen() {
    activateWindow();
    suchfeld_->setFocus();
    suchfeld_->selectAll();
}

int Hilfefenster::suche(const QString& text) {
    const QList<Hilfetreffer> treffer = sucheInHilfe(text);
    markieren_ = text.simplified();
    browser_->setHtml(trefferSeite(text, treffer));
    setWindowTitle(QStringLiteral("Hilfe – Suche"));
    return static_cast<int>(treffer.size());
}

void Hilfefenster::seiteGeladen() {
    const QString titel = browser_->documentTitle();
    setWindowTitle(titel.isEmpty() ? QStringLiteral("Hilfe") : QStringLiteral("Hilfe – %1").arg(titel));
    markiereSuchwoerter();
    merke();
}

void Hilfefenster::markiereSuchwoerter() {
    QList<QTextEdit::ExtraSelection> marken;
    QTextCursor erster;
    for (const QString& wort : markieren_.split(' ', Qt::SkipEmptyParts)) {
        for (QTextCursor c = browser_->document()->find(wort); !c.isNull(); c = browser_->document()->find(wort, c)) {
            QTextEdit::ExtraSelection m;
            m.cursor = c;
            m.format.setBackground(QColor(255, 230, 90));
            marken << m;
            if (erster.isNull() || c.position() < erster.position()) erster = c;
        }
    }
    browser_->setExtraSelections(marken);
    if (!erster.isNull() && browser_->source().fragment().isEmpty()) {
        erster.clearSelection();
        browser_->setTextCursor(erster);
        browser_->ensureCursorVisible();
        // Bring the first hit near the top, with a few lines of context above it.
        QScrollBar* s = browser_->verticalScrollBar();
        s->setValue(s->value() + browser_->cursorRect().top() - 3 * browser_->fontMetrics().height());
    }
}

void Hilfefenster::hideEvent(QHideEvent* e) {
    merke();
    QWidget::hideEvent(e);
}

void Hilfefenster::merke() const {
    const auto s = browser_->source().isEmpty() ? nullptr : einstellungen();
    if (!s) return;
    s->setValue(QStringLiteral("groesse"), size());
    QUrl seite = browser_->source();
    seite.setFragment(QString());
    s->setValue(QStringLiteral("seite"), seite);
    s->setValue(QStringLiteral("position"), browser_->verticalScrollBar()->value());
}

}  // namespace zor::app
