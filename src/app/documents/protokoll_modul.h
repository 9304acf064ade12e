#pragma once
// "Datei → Protokoll als PDF…": asks for the student's name and notes, then writes the
// lab protocol of both sets (plot/protokoll.h) in the background.

#include <QDialog>

#include "app/context/beschreibung.h"
#include "app/plot/protokoll.h"

class QLineEdit;
class QPlainTextEdit;

namespace zor::app {

inline constexpr int CMD_PROTOKOLL_PDF = 4340;
inline const Filtersatz SATZ_PROTOKOLL{"Protokoll", {"PDF-Dateien (*.pdf)"}};
inline constexpr const char* TITEL_PROTOKOLL = "Protokoll als PDF";
inline constexpr const char* TEXT_PROTOKOLL_FEHLER = "Das Protokoll kann nicht geschrieben werden!";

// The free-text part of the protocol: name and notes.
class ProtokollDialog : public QDialog {
    Q_OBJECT
public:
    explicit ProtokollDialog(QWidget* eltern);
    QString name() const;
    QString notizen() const;

private:
    QLineEdit* name_;
    QPlainTextEdit* notizen_;
};

class ProtokollModul : public Befehlsmodul {
public:
    explicit ProtokollModul(Kontext& kontext);
    static const Modul& beschreibung();

private:
    void protokoll(int id);

    Vorlagenquelle vorlagen_;
};

}  // namespace zor::app
