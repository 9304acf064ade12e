#include "app/dialogs/optionsdialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/context/befehle.h"
#include "app/context/kontext.h"
#include "app/platform/meldungsdienst.h"

namespace zor::app {
namespace {

QString idName(int id) { return QStringLiteral("id_%1").arg(id); }

}  // namespace

// A label as the user reads it: without its mnemonic marks and trailing blanks.
QString ohneKuerzel(const QString& text) { return QString(text).remove(QLatin1Char('&')).trimmed(); }

QHBoxLayout* mitFeld(QWidget* vorn, QLineEdit* feld, QWidget* hinten) {
    auto* h = new QHBoxLayout;
    h->addWidget(vorn);
    h->addWidget(feld);
    if (hinten) h->addWidget(hinten);
    h->addStretch(1);
    return h;
}

Optionsdialog::Optionsdialog(Kontext& kontext, int dialogId, const char* titel, QWidget* eltern)
    : QDialog(eltern), kontext_(kontext), layout_(new QVBoxLayout(this)) {
    setObjectName(idName(dialogId));
    setWindowTitle(QString::fromUtf8(titel));
    setModal(true);
    layout_->setSizeConstraint(QLayout::SetFixedSize);
}

QCheckBox* Optionsdialog::bandHaken(bool an) {
    QCheckBox* c = haken(ID_BAND, "Konfidenz&band anzeigen", an);
    layout_->addWidget(c);
    return c;
}

QCheckBox* Optionsdialog::haken(int id, const char* text, bool an) {
    auto* c = new QCheckBox(QString::fromUtf8(text), this);
    c->setObjectName(idName(id));
    c->setChecked(an);
    return c;
}

QLineEdit* Optionsdialog::zahlfeld(int id, const std::string& text) {
    auto* e = new QLineEdit(QString::fromStdString(text), this);
    e->setObjectName(idName(id));
    e->setFixedWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 14);
    return e;
}

QRadioButton* Optionsdialog::wahl(QButtonGroup* gruppe, int id, const char* text, QWidget* eltern) {
    auto* r = new QRadioButton(QString::fromUtf8(text), eltern);
    r->setObjectName(idName(id));
    gruppe->addButton(r, id);
    return r;
}

QGroupBox* Optionsdialog::ordinatenRahmen(const char* linear, const char* logarithmisch, const Skalierungstexte& t,
                                          int linearAnfangs) {
    auto* rahmen = new QGroupBox(QStringLiteral("Skalierung Ordinate"), this);
    ordinateName_ = rahmen->title();
    logName_ = QString::fromUtf8(logarithmisch);
    ordinate_ = new QButtonGroup(this);
    wertneg_ = zahlfeld(ID_WERTNEG, t.a1);
    wertpos_ = zahlfeld(ID_WERTPOS, t.a2);
    auto* l = new QVBoxLayout(rahmen);
    l->addWidget(wahl(ordinate_, ID_ORDINATE_LINEAR, linear, rahmen));
    auto* zeile = mitFeld(wahl(ordinate_, ID_ORDINATE_LOG, logarithmisch, rahmen), wertneg_);
    auto* bis = new QLabel(QStringLiteral("bis 1e-"), rahmen);
    bisName_ = bis->text();
    zeile->insertWidget(2, bis);
    zeile->insertWidget(3, wertpos_);
    l->addLayout(zeile);
    connect(ordinate_, &QButtonGroup::idClicked, this, &Optionsdialog::ordinateWaehlen);
    ordinateWaehlen(linearAnfangs != 0 ? ID_ORDINATE_LINEAR : ID_ORDINATE_LOG);
    return rahmen;
}

void Optionsdialog::ordinateWaehlen(int id) {
    ordinate_->button(id)->setChecked(true);
    freigeben();
}

void Optionsdialog::dekadenFreigeben(bool an) {
    wertneg_->setEnabled(an);
    wertpos_->setEnabled(an);
}

int Optionsdialog::ordinate() const { return ordinate_->checkedId() == ID_ORDINATE_LINEAR ? 1 : 0; }

Skalierungstexte Optionsdialog::skalierung() const {
    return {abszisse_->text().toStdString(), wertneg_->text().toStdString(), wertpos_->text().toStdString()};
}

void Optionsdialog::knoepfeAnfuegen() {
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(idName(ID_BESTAETIGEN));
    ok->setDefault(true);
    auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    abbrechen->setObjectName(idName(ID_ABBRECHEN));
    connect(ok, &QPushButton::clicked, this, &Optionsdialog::bestaetigen);
    connect(abbrechen, &QPushButton::clicked, this, [this] { done(0); });
    auto* h = new QHBoxLayout;
    h->addStretch(1);
    h->addWidget(ok);
    h->addWidget(abbrechen);
    layout_->addSpacing(6);
    layout_->addLayout(h);
}

std::string Optionsdialog::anwendenMitText() {
    const Optionsfehler f = anwenden();
    if (f == Optionsfehler::Keiner) return {};
    std::string text = f == Optionsfehler::Abszisse ? TEXT_FEHLEINGABE_ABSZISSE : TEXT_FEHLEINGABE_ORDINATE;
    if (const auto fehler = skalierungsfehler(skalierung())) {
        const QString feld = fehler->feld == Skalierungsfeld::Abszisse ? abszisseName_
                             : fehler->feld == Skalierungsfeld::UntereDekade
                                 ? ordinateName_ + QStringLiteral(": ") + logName_
                                 : ordinateName_ + QStringLiteral(": ") + bisName_;
        text += "\n\n" + feldZeile(ohneKuerzel(feld).toStdString(), fehler->regel);
    }
    return text;
}

void Optionsdialog::bestaetigen() {
    const std::string text = anwendenMitText();
    if (text.empty()) {
        done(1);
        return;
    }
    const Antwort a = kontext_.meldung().zeige(QString::fromStdString(text), QString::fromUtf8(TITEL_OPTIONEN),
                                               Symbol::Stopp, Knoepfe::WiederholenAbbrechen);
    if (a != Antwort::Wiederholen) done(0);
}

}  // namespace zor::app
