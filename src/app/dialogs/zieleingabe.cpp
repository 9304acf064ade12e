#include "app/dialogs/zieleingabe.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "core/plot/plotzahlen.h"
#include "core/util/format.h"

namespace zor::app {
namespace {

constexpr const char* TITEL = "Nach Kenngrößen";
// In the order of Zielfeld.
constexpr const char* BESCHRIFTUNG[4] = {"mittlere Fehlerwahrscheinlichkeit =", "mittlere Bündellänge (Bit) =",
                                         "Fehlerwahrscheinlichkeit in BAD =", "Fehlerwahrscheinlichkeit in GOOD ="};
constexpr const char* UEBERNEHMEN = "Ü&bernehmen";
constexpr const char* KEINE_UEBERGAENGE = "Übergänge: –";

// Nine digits: the start values read back to the stored single-precision fields.
QString zahl(double v) { return QString::fromStdString(gcvtForm(v, 9)); }
// The transitions as they will be stored: single precision, its shortest text.
QString uebergang(float v) { return QString::fromStdString(kurvenzahl(v)); }

}  // namespace

Zieleingabe::Zieleingabe(Modellart art, Uebernahme uebernahme, QWidget* eltern)
    : QGroupBox(QString::fromUtf8(TITEL), eltern), art_(art), uebernahme_(std::move(uebernahme)) {
    setObjectName(QStringLiteral("zieleingabe"));
    auto* g = new QGridLayout(this);
    g->setColumnStretch(1, 1);
    for (int i = 0; i < 4; ++i) {
        auto* b = new QLabel(QString::fromUtf8(BESCHRIFTUNG[i]), this);
        auto* e = new QLineEdit(this);
        e->setObjectName(QStringLiteral("id_%1").arg(ID_ZIEL_MITTEL + i));
        b->setBuddy(e);
        auto* m = new QLabel(this);
        m->setObjectName(QStringLiteral("id_%1").arg(ID_ZIEL_MELDUNG + i));
        m->setWordWrap(true);
        m->setStyleSheet(QStringLiteral("color: #b00000"));
        m->setVisible(false);
        g->addWidget(b, 2 * i, 0);
        g->addWidget(e, 2 * i, 1);
        g->addWidget(m, 2 * i + 1, 0, 1, 2);
        felder_[static_cast<std::size_t>(i)] = e;
        meldungen_[static_cast<std::size_t>(i)] = m;
        connect(e, &QLineEdit::textChanged, this, [this, i] {
            bearbeitet_ = static_cast<Zielfeld>(i);
            veraendert_ = true;
            pruefen();
        });
    }
    {
        const QSignalBlocker b(felder_[3]);
        felder_[3]->setText(QStringLiteral("0"));  // the Gilbert channel
    }
    uebergaenge_ = new QLabel(QString::fromUtf8(KEINE_UEBERGAENGE), this);
    uebergaenge_->setObjectName(QStringLiteral("id_%1").arg(ID_ZIEL_UEBERGAENGE));
    uebergaenge_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    knopf_ = new QPushButton(QString::fromUtf8(UEBERNEHMEN), this);
    knopf_->setObjectName(QStringLiteral("id_%1").arg(ID_ZIEL_UEBERNEHMEN));
    knopf_->setAutoDefault(false);
    connect(knopf_, &QPushButton::clicked, this, &Zieleingabe::uebernehmen);
    g->addWidget(uebergaenge_, 8, 0);
    g->addWidget(knopf_, 8, 1, Qt::AlignRight);
}

void Zieleingabe::vorbelegen(const Kenngroessen& k, float fehlerBad, float fehlerGood) {
    const QSignalBlocker b0(felder_[0]), b1(felder_[1]), b2(felder_[2]), b3(felder_[3]);
    felder_[0]->setText(zahl(k.fehlerwahrscheinlichkeit));
    felder_[1]->setText(k.zustaende.size() == 2 ? zahl(k.zustaende[1].verweildauer) : QString());
    felder_[2]->setText(zahl(fehlerBad));
    felder_[3]->setText(zahl(fehlerGood));
    bearbeitet_ = Zielfeld::Fehlerwahrscheinlichkeit;
    veraendert_ = false;
    pruefen();
}

void Zieleingabe::pruefen() {
    std::array<std::string, 4> texte;
    for (std::size_t i = 0; i < 4; ++i) texte[i] = felder_[i]->text().trimmed().toStdString();
    ergebnis_ = uebergaengeAusZieltexten(art_, texte, bearbeitet_);
    for (QLabel* m : meldungen_) m->setVisible(false);
    knopf_->setEnabled(static_cast<bool>(ergebnis_));
    if (!ergebnis_) {
        QLabel* m = meldungen_[static_cast<std::size_t>(bearbeitet_)];
        m->setText(QString::fromStdString(ergebnis_.meldung));
        m->setVisible(true);
        uebergaenge_->setText(QString::fromUtf8(KEINE_UEBERGAENGE));
        return;
    }
    const char* q = art_ == Modellart::MC ? "q" : "p";
    uebergaenge_->setText(QStringLiteral("%1(G|B) = %2, %1(B|G) = %3")
                              .arg(QLatin1String(q), uebergang(ergebnis_.uebergaenge->Good_From_Bad),
                                   uebergang(ergebnis_.uebergaenge->Bad_From_Good)));
}

void Zieleingabe::uebernehmen() {
    if (ergebnis_ && uebernahme_ && veraendert_) uebernahme_(ergebnis_.ziele, *ergebnis_.uebergaenge);
}

}  // namespace zor::app
