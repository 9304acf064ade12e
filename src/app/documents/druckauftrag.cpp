#include "app/documents/druckauftrag.h"

#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/kontext/befehle.h"
#include "core/util/ergebnis.h"

namespace zor::app {
namespace {

Druckersuche& suche() {
    static Druckersuche s = [] { return QPrinterInfo::defaultPrinterName(); };
    return s;
}

// Dialog 99: says that the page is being printed; its Cancel button (or Escape) stops
// the job. It has no close button, and it blocks the frame while it is shown, so no
// command can start while the job waits for events.
class Druckabbruch final : public QDialog {
public:
    explicit Druckabbruch(QWidget* eltern)
        : QDialog(eltern, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
        setObjectName(QStringLiteral("id_%1").arg(DLG_DRUCKABBRUCH));
        setWindowTitle(QString::fromUtf8(TITEL_PROGRAMM));
        setWindowModality(Qt::ApplicationModal);
        auto* text = new QLabel(QString::fromUtf8(TEXT_ES_WIRD_GEDRUCKT), this);
        text->setAlignment(Qt::AlignCenter);
        auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
        abbrechen->setObjectName(QStringLiteral("id_%1").arg(ID_ABBRECHEN));
        abbrechen->setDefault(true);
        auto* l = new QVBoxLayout(this);
        l->setContentsMargins(24, 16, 24, 16);
        l->addWidget(text);
        l->addWidget(abbrechen, 0, Qt::AlignHCenter);
        connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
        connect(this, &QDialog::rejected, this, [this] { abgebrochen_ = true; });
        setFixedSize(QSize(260, sizeHint().height()));
    }
    bool abgebrochen() const { return abgebrochen_; }

private:
    bool abgebrochen_ = false;
};

// Paints the page with the cancel dialog shown. Waiting events are handled before and
// after the painting, as the spooler's abort callback did; false when cancelled.
bool seiteMitAbbruch(QPainter& p, QSize seite, QWidget* eltern, const Seitenmaler& malen) {
    Druckabbruch dialog(eltern);
    dialog.show();
    QCoreApplication::processEvents();
    if (dialog.abgebrochen() || !malen(p, seite)) return false;
    QCoreApplication::processEvents();
    return !dialog.abgebrochen();
}

}  // namespace

Druckersuche setzeDruckersuche(Druckersuche neu) { return std::exchange(suche(), std::move(neu)); }

QString standardDrucker() { return suche() ? suche()() : QString(); }

Druckergebnis druckeAufDrucker(const QString& name, QWidget* eltern, const Seitenmaler& malen) {
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setPrinterName(name);
    drucker.setDocName(QString::fromUtf8(DRUCK_DOKUMENTNAME));
    // An unknown name falls back to PDF output, which here would have no file.
    if (!drucker.isValid() || drucker.outputFormat() != QPrinter::NativeFormat || drucker.printerName() != name)
        return Druckergebnis::Fehler;
    QPainter p;
    if (!p.begin(&drucker)) return Druckergebnis::Fehler;
    if (!seiteMitAbbruch(p, QSize(drucker.width(), drucker.height()), eltern, malen)) {
        drucker.abort();
        p.end();
        return Druckergebnis::Abgebrochen;
    }
    return p.end() ? Druckergebnis::Gedruckt : Druckergebnis::Fehler;
}

Druckergebnis druckeAlsPdf(const QString& pfad, QWidget* eltern, const Seitenmaler& malen, const Eingaben& geschuetzt) {
    return druckseiteSpeichern(
        pfad, [&](QPainter& p, QSize seite) { return seiteMitAbbruch(p, seite, eltern, malen); }, geschuetzt);
}

void vorschauDruckerEinrichten(QPrinter& drucker) {
    if (const QString name = standardDrucker(); !name.isEmpty()) {
        drucker.setPrinterName(name);
        if (drucker.outputFormat() == QPrinter::NativeFormat && drucker.printerName() == name) return;
    }
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setResolution(DRUCK_AUFLOESUNG);
    druckseiteEinrichten(drucker);
}

}  // namespace zor::app
