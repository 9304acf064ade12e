#pragma once
// File choosers with the program's filter sets. The program uses QtDateiwahl; tests
// script the answers.

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace zor::app {

enum class Richtung { Oeffnen, Speichern };

// Sets beyond the file-job dialogs': any file to view, a view's bits saved, the document
// exports (pictures; pictures and text), bitmap documents (any image Qt reads), MIDI files.
inline constexpr int SATZ_ALLE_DATEIEN = 6;
inline constexpr int SATZ_FFO_SPEICHERN = 7;
inline constexpr int SATZ_FAB_SPEICHERN = 8;
inline constexpr int SATZ_EXPORT_BILD = 9;
inline constexpr int SATZ_EXPORT_BILD_TEXT = 10;
inline constexpr int SATZ_BILDER = 11;
inline constexpr int SATZ_MIDI = 12;
// The curve documents' export: pictures and their curves as CSV.
inline constexpr int SATZ_EXPORT_BILD_CSV = 13;
// The printed page as a PDF file, where no printer is installed.
inline constexpr int SATZ_PDF = 14;

// Filter sets of the media windows, numbered by their filter string or dialog.
enum Mediensatz : int { SATZ_VIDEO = 207, SATZ_WAVE = 4141, SATZ_MEDIEN = 4154 };

// The filters of a set (1..13 or a Mediensatz) for opening or saving, in Qt's "Text (*.EXT)" form; the
// first is preselected. Empty for an unknown set.
QStringList filterSatz(int satz, Richtung r);

// The extension appended to a name typed without one: that of the set's first filter.
QString vorgabeEndung(int satz, Richtung r);

class Dateiwahl {
public:
    virtual ~Dateiwahl() = default;
    // The chosen full path, or nothing on cancel. vorschlag is the proposed name.
    virtual std::optional<QString> GetFileNameInFWK(const QString& titel, const QString& vorschlag, int satz) = 0;
    virtual std::optional<QString> GetFileNameOutFWK(const QString& titel, const QString& vorschlag, int satz) = 0;
    // A folder (existing, or made in the chooser); nothing on cancel. Choosers that are
    // never asked for one need not offer it.
    virtual std::optional<QString> ordnerWaehlen(const QString& /*titel*/, const QString& /*vorschlag*/) {
        return std::nullopt;
    }
};

class QtDateiwahl final : public Dateiwahl {
public:
    explicit QtDateiwahl(QWidget* eltern = nullptr) : eltern_(eltern) {}
    std::optional<QString> GetFileNameInFWK(const QString& titel, const QString& vorschlag, int satz) override;
    std::optional<QString> GetFileNameOutFWK(const QString& titel, const QString& vorschlag, int satz) override;
    std::optional<QString> ordnerWaehlen(const QString& titel, const QString& vorschlag) override;

private:
    std::optional<QString> waehle(const QString& titel, const QString& vorschlag, int satz, Richtung r);
    QWidget* eltern_;
};

}  // namespace zor::app
