#include "app/platform/dateiwahl.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QImageReader>
#include <QRegularExpression>

namespace zor::app {
namespace {

// Every image format Qt's readers know, bitmaps aside.
QString bildformate() {
    QStringList muster;
    for (const QByteArray& f : QImageReader::supportedImageFormats())
        if (f != "bmp") muster << QStringLiteral("*.") + QString::fromLatin1(f) << QStringLiteral("*.") + QString::fromLatin1(f.toUpper());
    return QStringLiteral("Bilder (%1)").arg(muster.join(QLatin1Char(' ')));
}

}  // namespace

QStringList filterListe(const Filtersatz& satz, Richtung r) {
    const bool oeffnen = r == Richtung::Oeffnen || satz.speichern.empty();
    QStringList l;
    for (const char* f : oeffnen ? satz.oeffnen : satz.speichern) l << QString::fromUtf8(f);
    if (r == Richtung::Oeffnen && satz.bildformate) l.insert(std::min<qsizetype>(1, l.size()), bildformate());
    return l;
}

QString vorgabeEndung(const Filtersatz& satz, Richtung r) {
    const QStringList f = filterListe(satz, r);
    if (f.isEmpty()) return {};
    static const QRegularExpression muster(QStringLiteral("\\*\\.(\\w+)\\)"));
    const auto m = muster.match(f.first());
    return m.hasMatch() ? m.captured(1) : QString();
}

std::optional<QString> QtDateiwahl::GetFileNameInFWK(const QString& titel, const QString& vorschlag,
                                                     const Filtersatz& satz) {
    return waehle(titel, vorschlag, satz, Richtung::Oeffnen);
}

std::optional<QString> QtDateiwahl::GetFileNameOutFWK(const QString& titel, const QString& vorschlag,
                                                      const Filtersatz& satz, QString* filter) {
    return waehle(titel, vorschlag, satz, Richtung::Speichern, filter);
}

std::optional<QString> QtDateiwahl::waehle(const QString& titel, const QString& vorschlag, const Filtersatz& satz,
                                           Richtung r, QString* filter) {
    QWidget* eltern = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : eltern_;
    QFileDialog d(eltern, titel, QDir::currentPath());
    d.setNameFilters(filterListe(satz, r));
    d.setDefaultSuffix(vorgabeEndung(satz, r));
    d.setOption(QFileDialog::ReadOnly, false);
    if (r == Richtung::Oeffnen) {
        d.setAcceptMode(QFileDialog::AcceptOpen);
        d.setFileMode(QFileDialog::ExistingFile);
    } else {
        d.setAcceptMode(QFileDialog::AcceptSave);
        d.setFileMode(QFileDialog::AnyFile);
    }
    if (!vorschlag.isEmpty()) d.selectFile(vorschlag);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return std::nullopt;
    if (filter) *filter = d.selectedNameFilter();
    return d.selectedFiles().first();
}

std::optional<QString> QtDateiwahl::ordnerWaehlen(const QString& titel, const QString& vorschlag) {
    QWidget* eltern = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : eltern_;
    const QString ordner = QFileDialog::getExistingDirectory(eltern, titel, vorschlag.isEmpty() ? QDir::homePath() : vorschlag);
    if (ordner.isEmpty()) return std::nullopt;
    return ordner;
}

}  // namespace zor::app
