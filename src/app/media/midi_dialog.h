#pragma once
// Dialog "MIDI-Informationen": lists the information of MIDI files the user opens from
// its menu; the listing of the last successful reading is shown again next time. Listings
// are read lazily (see MidiListe), so a file of any length lists in little memory.

#include <QDialog>
#include <QStringList>

#include <memory>

namespace zor {
class MidiListe;
}

namespace zor::app {

class Kontext;
class MidiListenModell;

// The list entries of a text: split at line feeds (runs of them skipped), lines longer
// than 256 characters split into entries of 256, tabs expanded to stops of 8.
QStringList listenZeilen(const QString& text);

class MidiDialog : public QDialog {
    Q_OBJECT
public:
    // `behalten` is the kept listing: shown on opening and replaced by each successful reading.
    MidiDialog(Kontext& kontext, std::shared_ptr<MidiListe>& behalten, QWidget* eltern = nullptr);

    // Reads a file as command 4152 does after the file was chosen.
    void lies(const QString& datei);
    // Every entry of the list (for small listings).
    QStringList eintraege() const;

private:
    void oeffnen();

    Kontext& kontext_;
    std::shared_ptr<MidiListe>& behalten_;
    MidiListenModell* liste_;
};

}  // namespace zor::app
