#include "app/platform/hinweise.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <vector>

#include "app/context/befehle.h"
#include "app/platform/warnton.h"
#include "core/models/eingaberegeln.h"

namespace zor::app {
namespace {

struct Taste {
    int id;
    const char* text;
    int ergebnis;
    bool vorgabe;
};

struct Vorlage {
    int id;
    const char* titel;
    const char* text;
    std::vector<Taste> tasten;
    QStyle::StandardPixmap symbol;
};

const Taste WIEDERHOLEN = {ID_WIEDERHOLEN, "&Wiederholen", 1, true};
const Taste ABBRECHEN = {ID_ABBRECHEN, "Abbrechen", 0, false};

const std::vector<Vorlage>& vorlagen() {
    static const std::vector<Vorlage> v = {
        {DLG_ENTSCHEIDUNG, "Ihre Entscheidung",
         "Alle Multimedia-Dokumente\nwerden geschlossen!\nfortfahren?",
         {{ID_JA, "&Ja", 1, true}, {ID_NEIN, "&Nein", 0, false}},
         QStyle::SP_MessageBoxQuestion},
        {DLG_AUFFORDERUNG, "Aufforderung",
         "Zuerst müssen die Dokumente\naktualisiert werden!",
         {{ID_BESTAETIGEN, "OK", 1, true}},
         QStyle::SP_MessageBoxInformation},
        {DLG_STARTFEHLER, TITEL_EINGABEFEHLER, TEXT_612,
         {WIEDERHOLEN, ABBRECHEN},
         QStyle::SP_MessageBoxWarning},
        {DLG_EINGABEFEHLER, TITEL_EINGABEFEHLER, TEXT_613,
         {WIEDERHOLEN, ABBRECHEN},
         QStyle::SP_MessageBoxWarning},
    };
    return v;
}

const Vorlage* finde(int id) {
    for (const Vorlage& v : vorlagen())
        if (v.id == id) return &v;
    return nullptr;
}

int zeige(int vorlage, QWidget* eltern, const QString& zusatz = {}) {
    Hinweisdialog d(vorlage, eltern, zusatz);
    return d.exec();
}

}  // namespace

Hinweisdialog::Hinweisdialog(int vorlage, QWidget* eltern, const QString& zusatz) : QDialog(eltern) {
    setObjectName(QStringLiteral("id_%1").arg(vorlage));
    const Vorlage* v = finde(vorlage);
    if (!v) return;
    setWindowTitle(QString::fromUtf8(v->titel));
    setModal(true);

    auto* symbol = new QLabel(this);
    const int groesse = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    symbol->setPixmap(style()->standardIcon(v->symbol, nullptr, this).pixmap(groesse, groesse));
    symbol->setAlignment(Qt::AlignTop);

    const QString text = QString::fromUtf8(v->text);
    auto* textfeld = new QLabel(zusatz.isEmpty() ? text : text + QStringLiteral("\n\n") + zusatz, this);
    textfeld->setObjectName(QStringLiteral("text"));

    auto* oben = new QHBoxLayout;
    oben->addWidget(symbol);
    oben->addSpacing(12);
    oben->addWidget(textfeld, 1);

    auto* unten = new QHBoxLayout;
    unten->addStretch(1);
    for (const Taste& t : v->tasten) {
        auto* b = new QPushButton(QString::fromUtf8(t.text), this);
        b->setObjectName(QStringLiteral("id_%1").arg(t.id));
        b->setDefault(t.vorgabe);
        b->setAutoDefault(t.vorgabe);
        const int ergebnis = t.ergebnis;
        connect(b, &QPushButton::clicked, this, [this, ergebnis] { done(ergebnis); });
        unten->addWidget(b);
    }
    unten->addStretch(1);
    abbruch_ = v->tasten.back().ergebnis;

    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(18, 18, 18, 12);
    l->setSpacing(16);
    l->addLayout(oben);
    l->addLayout(unten);
    setFixedSize(sizeHint().expandedTo(QSize(300, 0)));
}

int EingabeAbgelehnt(int vorlage, Warnton& ton, QWidget* eltern, const QString& zusatz) {
    ton.PlayTheResourceWave(WARNTON);
    return zeige(vorlage, eltern, zusatz);
}

int EntscheidungDialog(QWidget* eltern) { return zeige(DLG_ENTSCHEIDUNG, eltern); }
int AufforderungDialog(QWidget* eltern) { return zeige(DLG_AUFFORDERUNG, eltern); }
int StartFehlerDialog(QWidget* eltern) { return zeige(DLG_STARTFEHLER, eltern); }
int EingabeFehlerDialog(QWidget* eltern) { return zeige(DLG_EINGABEFEHLER, eltern); }

}  // namespace zor::app
