#include "app/media/midi_dialog.h"

#include <QAbstractListModel>
#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <climits>
#include <variant>
#include <vector>

#include "app/context/befehle.h"
#include "app/context/kontext.h"
#include "app/media/medienfilter.h"
#include "app/platform/meldungsdienst.h"
#include "app/platform/wartecursor.h"
#include "core/media/midi.h"

namespace zor::app {

namespace {

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
        for (const std::string& e : listenEintraege(zeile.toStdString())) l << tabulatorenAus(QString::fromStdString(e));
    return l;
}

// The list's rows: pieces of fixed entries (the names of the files opened) and lazy
// listings, one after the other. Only the rows in view are ever made.
class MidiListenModell : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& eltern = {}) const override {
        if (eltern.isValid()) return 0;
        qint64 n = 0;
        for (const Stueck& s : stuecke_) n += laenge(s);
        return static_cast<int>(std::min<qint64>(n, INT_MAX));
    }

    QVariant data(const QModelIndex& index, int rolle) const override {
        if (rolle != Qt::DisplayRole || !index.isValid()) return {};
        qint64 zeile = index.row();
        for (const Stueck& s : stuecke_) {
            if (zeile < laenge(s)) {
                if (const auto* feste = std::get_if<QStringList>(&s)) return feste->at(static_cast<qsizetype>(zeile));
                const auto& liste = std::get<std::shared_ptr<MidiListe>>(s);
                return tabulatorenAus(QString::fromStdString(liste->eintrag(static_cast<std::uint64_t>(zeile))));
            }
            zeile -= laenge(s);
        }
        return {};
    }

    void anhaengen(std::variant<QStringList, std::shared_ptr<MidiListe>> stueck) {
        const int vorher = rowCount();
        const qint64 neu = laenge(stueck);
        if (neu == 0) return;
        beginInsertRows({}, vorher, static_cast<int>(std::min<qint64>(vorher + neu, INT_MAX) - 1));
        stuecke_.push_back(std::move(stueck));
        endInsertRows();
    }

private:
    using Stueck = std::variant<QStringList, std::shared_ptr<MidiListe>>;
    static qint64 laenge(const Stueck& s) {
        if (const auto* feste = std::get_if<QStringList>(&s)) return feste->size();
        return static_cast<qint64>(std::get<std::shared_ptr<MidiListe>>(s)->anzahl());
    }
    std::vector<Stueck> stuecke_;
};

MidiDialog::MidiDialog(Kontext& kontext, std::shared_ptr<MidiListe>& behalten, QWidget* eltern)
    : QDialog(eltern), kontext_(kontext), behalten_(behalten), liste_(new MidiListenModell(this)) {
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
    if (behalten_) liste_->anhaengen(behalten_);
}

QStringList MidiDialog::eintraege() const {
    QStringList alle;
    for (int i = 0; i < liste_->rowCount(); ++i) alle << liste_->data(liste_->index(i), Qt::DisplayRole).toString();
    return alle;
}

void MidiDialog::oeffnen() {
    const auto datei = kontext_.dateiwahl().GetFileNameInFWK(QStringLiteral("Datei Öffnen"), QStringLiteral("*.MID"), SATZ_MIDI);
    if (datei) lies(*datei);
}

void MidiDialog::lies(const QString& datei) {
    liste_->anhaengen(listenZeilen(datei));
    Meldung fehler;
    std::shared_ptr<MidiListe> gelesen =
        mitWartecursor([&] { return MidiListe::oeffnen(QFile::encodeName(datei).toStdString(), fehler); });
    if (!gelesen) {
        zeige(kontext_.meldung(), fehler);
        return;
    }
    behalten_ = gelesen;
    liste_->anhaengen(std::move(gelesen));
}

}  // namespace zor::app
