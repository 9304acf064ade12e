#include "app/dialogs/ge_mc_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/context/befehle.h"
#include "core/plot/plotzahlen.h"

namespace zor::app {
namespace {

struct Feld {
    int id;
    const char* beschriftung;
    float GE_TO_MC_STRUCT::*wert;
};

// Column by column, as the template lays them out.
const Feld GE_SPALTE[] = {{ID_GE_GOOD, "pG        =", &GE_TO_MC_STRUCT::GeGood},
                          {ID_GE_BAD, "pB        =", &GE_TO_MC_STRUCT::GeBad},
                          {ID_GE_BAD_FROM_GOOD, "p(B|G) =", &GE_TO_MC_STRUCT::GeBadFromGood},
                          {ID_GE_GOOD_FROM_BAD, "p(G|B) =", &GE_TO_MC_STRUCT::GeGoodFromBad}};
const Feld MC_SPALTE[] = {{ID_MC_GOOD, "qG        =", &GE_TO_MC_STRUCT::McGood},
                          {ID_MC_BAD, "qB        =", &GE_TO_MC_STRUCT::McBad},
                          {ID_MC_BAD_FROM_GOOD, "q(B|G) =", &GE_TO_MC_STRUCT::McBadFromGood},
                          {ID_MC_GOOD_FROM_BAD, "q(G|B) =", &GE_TO_MC_STRUCT::McGoodFromBad}};
const Feld ZEILEN[] = {{ID_MITTEL, "mittlere Fehlerwahrscheinlichkeit:", &GE_TO_MC_STRUCT::GeToMcMittel},
                       {ID_KORRELATION, "Korrelationsdauer:", &GE_TO_MC_STRUCT::GeToMcKorrelation}};

constexpr const char* KEIN_WERT = "—";

void feld(QGridLayout* g, int zeile, int spalte, const Feld& f, const QString& wert, QWidget* eltern) {
    auto* b = new QLabel(QString::fromUtf8(f.beschriftung), eltern);
    b->setTextFormat(Qt::PlainText);
    auto* w = new QLabel(wert, eltern);
    w->setObjectName(QStringLiteral("id_%1").arg(f.id));
    w->setTextInteractionFlags(Qt::TextSelectableByMouse);
    g->addWidget(b, zeile, spalte);
    g->addWidget(w, zeile, spalte + 1);
}

QString zahl(float v) { return QString::fromStdString(gcvtForm(v, 7)); }

}  // namespace

GeMcDialog::GeMcDialog(const GE_TO_MC_STRUCT& r, QWidget* eltern) : QDialog(eltern) {
    setObjectName(QStringLiteral("id_%1").arg(DLG_GE_MC));
    setWindowTitle(QStringLiteral("GE->MC"));
    const bool gueltig = mcModellGueltig(r);

    auto* g = new QGridLayout;
    g->setHorizontalSpacing(10);
    g->setColumnMinimumWidth(2, 24);
    g->addWidget(new QLabel(QStringLiteral("GE-Modell:"), this), 0, 0, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("MC-Modell:"), this), 0, 3, 1, 2);
    for (int i = 0; i < 4; ++i) {
        feld(g, i + 1, 0, GE_SPALTE[i], zahl(r.*GE_SPALTE[i].wert), this);
        feld(g, i + 1, 3, MC_SPALTE[i], gueltig ? zahl(r.*MC_SPALTE[i].wert) : QString::fromUtf8(KEIN_WERT), this);
    }
    auto* unten = new QGridLayout;
    for (int i = 0; i < 2; ++i) feld(unten, i, 0, ZEILEN[i], zahl(r.*ZEILEN[i].wert), this);
    unten->setColumnStretch(2, 1);

    auto* l = new QVBoxLayout(this);
    l->addLayout(g);
    l->addSpacing(8);
    l->addLayout(unten);
    if (!gueltig) {
        auto* hinweis = new QLabel(QString::fromUtf8(TEXT_KEIN_MC_MODELL), this);
        hinweis->setObjectName(QStringLiteral("id_%1").arg(ID_KEIN_MC));
        hinweis->setWordWrap(true);
        hinweis->setMinimumWidth(hinweis->fontMetrics().horizontalAdvance(QStringLiteral("x")) * 48);
        l->addWidget(hinweis);
    }
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("id_%1").arg(ID_BESTAETIGEN));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(ok);
    knoepfe->addStretch(1);
    l->addLayout(knoepfe);
    l->setSizeConstraint(QLayout::SetFixedSize);
}

void Umrechnung(QWidget* eltern, const float* Wert) {
    GeMcDialog d(zor::Umrechnung(Wert), eltern);
    d.exec();
}

}  // namespace zor::app
