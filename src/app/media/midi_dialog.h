#pragma once
// Dialog "MIDI-Informationen": lists the information text of MIDI files the user opens
// from its menu; the text of the last successful reading is shown again next time.

#include <QDialog>
#include <QStringList>

#include <string>

class QStringListModel;

namespace zor::app {

class Kontext;

// The list entries of a text: split at line feeds (runs of them skipped), lines longer
// than 256 characters split into entries of 256, tabs expanded to stops of 8.
QStringList listenZeilen(const QString& text);

class MidiDialog : public QDialog {
    Q_OBJECT
public:
    // `behalten` is the kept text: shown on opening and replaced by each successful reading.
    MidiDialog(Kontext& kontext, std::string& behalten, QWidget* eltern = nullptr);

    // Reads a file as command 4152 does after the file was chosen.
    void lies(const QString& datei);
    QStringList eintraege() const;

private:
    void oeffnen();
    void anhaengen(const QStringList& zeilen);

    Kontext& kontext_;
    std::string& behalten_;
    QStringListModel* liste_;
};

}  // namespace zor::app
