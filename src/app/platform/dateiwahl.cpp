#include "app/platform/dateiwahl.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QImageReader>
#include <QRegularExpression>

namespace zor::app {
namespace {

const char* const FFO_FAB[] = {"Fehlerfolge (*.FFO)", "Fehlerabstand (*.FAB)"};
const char* const FAB[] = {"Fehlerabstand (*.FAB)"};
const char* const VGL[] = {"Vergleich (*.VGL)"};
const char* const BMP_ALLE[] = {"Bitmaps (*.BMP)", "Alle Dateien (*)"};
const char* const BILD[] = {"PNG-Bild (*.png)", "SVG-Grafik (*.svg)", "PDF-Dokument (*.pdf)"};
const char* const BILD_TEXT[] = {"PNG-Bild (*.png)", "SVG-Grafik (*.svg)", "PDF-Dokument (*.pdf)", "Text (*.txt)"};
const char* const BILD_CSV[] = {"PNG-Bild (*.png)", "SVG-Grafik (*.svg)", "PDF-Dokument (*.pdf)", "CSV-Tabelle (*.csv)"};
const char* const SPEICHERN_4[] = {"Bitmaps (*.BMP)", "All files (*)", "GIF files (*.GIF)", "AVI files (*.AVI)",
                                   "WAVE files (*.WAV)"};
const char* const ALLE[] = {"Alle Dateien (*)", "Bitmaps (*.bmp)", "Wave Dateien (*.wav)", "Video Dateien (*.avi)",
                            "Vergleichsdateien (*.vgl)", "Fehlerabstand (*.fab)", "Fehlerfolge (*.ffo)"};
const char* const FFO_SPEICHERN[] = {"FFO files (*.FFO)"};
const char* const FAB_SPEICHERN[] = {"FAB files (*.FAB)"};

const char* const MIDI[] = {"MID files (*.MID *.mid)"};
const char* const PDF[] = {"PDF-Dateien (*.pdf)"};

// Bitmaps first, then every format Qt's image readers know.
QStringList bilder() {
    QStringList muster;
    for (const QByteArray& f : QImageReader::supportedImageFormats())
        if (f != "bmp") muster << QStringLiteral("*.") + QString::fromLatin1(f) << QStringLiteral("*.") + QString::fromLatin1(f.toUpper());
    return {QStringLiteral("Bitmaps (*.bmp *.BMP *.dib *.DIB)"), QStringLiteral("Bilder (%1)").arg(muster.join(QLatin1Char(' '))),
            QStringLiteral("Alle Dateien (*)")};
}
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
    case SATZ_EXPORT_BILD: return liste(BILD);
    case SATZ_EXPORT_BILD_TEXT: return liste(BILD_TEXT);
    case SATZ_EXPORT_BILD_CSV: return liste(BILD_CSV);
    case SATZ_ALLE_DATEIEN: return liste(ALLE);
    case SATZ_FFO_SPEICHERN: return liste(FFO_SPEICHERN);
    case SATZ_FAB_SPEICHERN: return liste(FAB_SPEICHERN);
    case SATZ_BILDER: return oeffnen ? bilder() : liste(BMP_ALLE);
    case SATZ_MIDI: return liste(MIDI);
    case SATZ_PDF: return liste(PDF);
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

std::optional<QString> QtDateiwahl::ordnerWaehlen(const QString& titel, const QString& vorschlag) {
    QWidget* eltern = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : eltern_;
    const QString ordner = QFileDialog::getExistingDirectory(eltern, titel, vorschlag.isEmpty() ? QDir::homePath() : vorschlag);
    if (ordner.isEmpty()) return std::nullopt;
    return ordner;
}

}  // namespace zor::app
