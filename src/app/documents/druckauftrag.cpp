#include "app/documents/druckauftrag.h"

#include <QBuffer>
#include <QLabel>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/context/befehle.h"
#include "core/util/ergebnis.h"

namespace zor::app {
namespace {

class AufDrucker final : public Seitenauftrag {
public:
    explicit AufDrucker(const QString& name) : drucker_(QPrinter::HighResolution) {
        drucker_.setPrinterName(name);
        drucker_.setDocName(QString::fromUtf8(DRUCK_DOKUMENTNAME));
    }
    // An unknown name falls back to PDF output, which here would have no file.
    bool gueltig(const QString& name) const {
        return drucker_.isValid() && drucker_.outputFormat() == QPrinter::NativeFormat && drucker_.printerName() == name;
    }
    bool malen(const Seitenmaler& maler) override {
        if (!p_.begin(&drucker_)) return false;
        maler(p_, QSize(drucker_.width(), drucker_.height()));
        return true;
    }
    Druckergebnis abschliessen(bool abgebrochen) override {
        if (!p_.isActive()) return Druckergebnis::Fehler;
        if (abgebrochen) {
            drucker_.abort();
            p_.end();
            return Druckergebnis::Abgebrochen;
        }
        return p_.end() ? Druckergebnis::Gedruckt : Druckergebnis::Fehler;
    }

private:
    QPrinter drucker_;
    QPainter p_;
};

// The page goes into memory first, so that nothing is written before the job is done.
class AlsPdf final : public Seitenauftrag {
public:
    AlsPdf(QString pfad, Eingaben geschuetzt) : pfad_(std::move(pfad)), geschuetzt_(std::move(geschuetzt)) {}
    bool malen(const Seitenmaler& maler) override {
        ergebnis_ = druckseiteAlsPdf(daten_, maler);
        return ergebnis_ != Druckergebnis::Fehler;
    }
    Druckergebnis abschliessen(bool abgebrochen) override {
        if (abgebrochen) return Druckergebnis::Abgebrochen;
        if (ergebnis_ != Druckergebnis::Gedruckt) return ergebnis_;
        Ergebnis r = druckseiteSchreiben(pfad_, daten_, geschuetzt_);
        if (r.ok) return Druckergebnis::Gedruckt;
        grund_ = std::move(r.meldung.text);
        return Druckergebnis::Fehler;
    }
    std::string fehlergrund() const override { return grund_; }

private:
    QString pfad_;
    Eingaben geschuetzt_;
    QByteArray daten_;
    Druckergebnis ergebnis_ = Druckergebnis::Fehler;
    std::string grund_;
};

}  // namespace

std::unique_ptr<Seitenauftrag> Seitenauftrag::aufDrucker(const QString& name) {
    auto a = std::make_unique<AufDrucker>(name);
    if (!a->gueltig(name)) return nullptr;
    return a;
}

std::unique_ptr<Seitenauftrag> Seitenauftrag::alsPdf(const QString& pfad, Eingaben geschuetzt) {
    return std::make_unique<AlsPdf>(pfad, std::move(geschuetzt));
}

Druckabbruch::Druckabbruch(QWidget* eltern)
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
    connect(abbrechen, &QPushButton::clicked, this, &Druckabbruch::reject);
    setFixedSize(QSize(260, sizeHint().height()));
}

void Druckabbruch::jobBeginnt(const std::string&, const std::string&, std::function<void()> abbrechen) {
    abbrechen_ = std::move(abbrechen);
    show();
    raise();
    activateWindow();
}

void Druckabbruch::jobEndet() {
    abbrechen_ = nullptr;
    hide();
}

// The window stays until the job has noticed: it ends the job itself.
void Druckabbruch::reject() {
    if (abbrechen_) std::exchange(abbrechen_, nullptr)();
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
