#include "app/media/midi_dialog.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QStringListModel>
#include <QVBoxLayout>

#include "app/context/befehle.h"
#include "app/context/kontext.h"
#include "app/media/medienfilter.h"
#include "app/platform/meldungsdienst.h"
#include "app/platform/wartecursor.h"
#include "core/media/midi.h"

namespace zor::app {

namespace {

constexpr int EINTRAG_MAX = 256;

QString tabulatorenAus(const QString& zeile) {
    QString aus;
    for (QChar c : zeile) {
        if (c == QLatin1Char('\t'))
            aus += QString(8 - aus.size() % 8, QLatin1Char(' '));
        else
            aus += c;
    }
    return aus;
}

}  // namespace

QStringList listenZeilen(const QString& text) {
    QStringList l;
    for (const QString& zeile : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        for (qsizetype i = 0; i < zeile.size(); i += EINTRAG_MAX) l << tabulatorenAus(zeile.mid(i, EINTRAG_MAX));
    return l;
}

MidiDialog::MidiDialog(Kontext& kontext, std::string& behalten, QWidget* eltern)
    : QDialog(eltern), kontext_(kontext), behalten_(behalten), liste_(new QStringListModel(this)) {
    setObjectName(QStringLiteral("id_%1").arg(DLG_MIDI));
    setWindowTitle(QStringLiteral("MIDI-Informationen"));
    auto* menue = new QMenuBar(this);
    menue->setObjectName(QStringLiteral("id_%1").arg(MENU_MIDI));
    QAction* oeffnen = menue->addMenu(QStringLiteral("&Datei"))->addAction(QStringLiteral("&Öffnen"));
    oeffnen->setObjectName(QStringLiteral("id_%1").arg(CMD_MIDI_OEFFNEN));
    oeffnen->setShortcut(QKeySequence::Open);
    connect(oeffnen, &QAction::triggered, this, &MidiDialog::oeffnen);

    auto* ansicht = new QListView(this);
    ansicht->setObjectName(QStringLiteral("id_%1").arg(ID_MIDI_LISTE));
    ansicht->setModel(liste_);
    ansicht->setUniformItemSizes(true);  // long listings stay fast
    ansicht->setTextElideMode(Qt::ElideNone);
    ansicht->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ansicht->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("id_%1").arg(ID_BESTAETIGEN));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* l = new QVBoxLayout(this);
    l->setMenuBar(menue);
    l->addWidget(ansicht, 1);
    l->addWidget(ok, 0, Qt::AlignHCenter);
    resize(760, 480);
    anhaengen(listenZeilen(QString::fromStdString(behalten_)));
}

QStringList MidiDialog::eintraege() const { return liste_->stringList(); }

void MidiDialog::anhaengen(const QStringList& zeilen) { liste_->setStringList(liste_->stringList() + zeilen); }

void MidiDialog::oeffnen() {
    const auto datei = kontext_.dateiwahl().GetFileNameInFWK(QStringLiteral("Datei Öffnen"), QStringLiteral("*.MID"), SATZ_MIDI);
    if (datei) lies(*datei);
}

void MidiDialog::lies(const QString& datei) {
    anhaengen({datei});
    const zor::MidiErgebnis e =
        mitWartecursor([&] { return zor::GetFileInfo(QFile::encodeName(datei).toStdString()); });
    if (!e) {
        zeige(kontext_.meldung(), e.meldung);
        return;
    }
    behalten_ = e.text;
    anhaengen(listenZeilen(QString::fromStdString(e.text)));
}

}  // namespace zor::app
