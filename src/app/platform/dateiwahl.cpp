#include "app/platform/dateiwahl.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QRegularExpression>

namespace zor::app {
namespace {

const char* const FFO_FAB[] = {"Fehlerfolge (*.FFO)", "Fehlerabstand (*.FAB)"};
const char* const FAB[] = {"Fehlerabstand (*.FAB)"};
const char* const VGL[] = {"Vergleich (*.VGL)"};
const char* const BMP_ALLE[] = {"Bitmaps (*.BMP)", "Alle Dateien (*)"};
const char* const SPEICHERN_4[] = {"Bitmaps (*.BMP)", "All files (*)", "GIF files (*.GIF)", "AVI files (*.AVI)",
                                   "WAVE files (*.WAV)"};
const char* const VIDEO[] = {"Video Dateien (*.AVI)"};
const char* const WAVE[] = {"Wave Dateien (*.WAV)"};
const char* const MEDIEN[] = {"Mediendateien (*.wav *.avi *.mp3 *.ogg *.oga *.opus *.flac *.mpg *.mpeg *.mp4 *.mkv *.webm *.mov)",
                              "Alle Dateien (*)"};

template <std::size_t N>
QStringList liste(const char* const (&t)[N]) {
    QStringList l;
    for (const char* s : t) l << QString::fromUtf8(s);
    return l;
}

}  // namespace

QStringList filterSatz(int satz, Richtung r) {
    const bool oeffnen = r == Richtung::Oeffnen;
    switch (satz) {
    case 1: return liste(FFO_FAB);
    case 2: return liste(FAB);
    case 3: return oeffnen ? liste(VGL) : liste(BMP_ALLE);
    case 4: return oeffnen ? liste(BMP_ALLE) : liste(SPEICHERN_4);
    case 5: return oeffnen ? liste(BMP_ALLE) : liste(VGL);
    case SATZ_VIDEO: return liste(VIDEO);
    case SATZ_WAVE: return liste(WAVE);
    case SATZ_MEDIEN: return liste(MEDIEN);
    default: return {};
    }
}

QString vorgabeEndung(int satz, Richtung r) {
    const QStringList f = filterSatz(satz, r);
    if (f.isEmpty()) return {};
    static const QRegularExpression muster(QStringLiteral("\\*\\.(\\w+)\\)"));
    const auto m = muster.match(f.first());
    return m.hasMatch() ? m.captured(1) : QString();
}

std::optional<QString> QtDateiwahl::GetFileNameInFWK(const QString& titel, const QString& vorschlag, int satz) {
    return waehle(titel, vorschlag, satz, Richtung::Oeffnen);
}

std::optional<QString> QtDateiwahl::GetFileNameOutFWK(const QString& titel, const QString& vorschlag, int satz) {
    return waehle(titel, vorschlag, satz, Richtung::Speichern);
}

std::optional<QString> QtDateiwahl::waehle(const QString& titel, const QString& vorschlag, int satz, Richtung r) {
    QWidget* eltern = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : eltern_;
    QFileDialog d(eltern, titel, QDir::currentPath());
    d.setNameFilters(filterSatz(satz, r));
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
    return d.selectedFiles().first();
}

}  // namespace zor::app
