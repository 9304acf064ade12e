#pragma once
// The wave recorder: records from the sound input into a temporary file, plays the
// recording or an opened wave file, and saves it under a chosen name. States: idle,
// loaded, recording, playing; a 100 ms tick shows the time captured or played.

#include <QDialog>
#include <QTemporaryDir>
#include <QTimer>

#include "app/media/ab_umschalter.h"
#include "core/io/ausgabedatei.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace zor::app {

class Dateiwahl;
class Meldungsdienst;
class Tonaufnahme;
class Wiedergabe;
class Wellenform;

class WaveAufnahme : public QDialog {
    Q_OBJECT
public:
    enum class Zustand { Leer, Geladen, Aufnahme, Wiedergabe };
    enum Id : int {
        DLG_WAVE = 4141,
        ID_OEFFNEN = 121,
        ID_SPEICHERN = 151,
        ID_ABSPIELEN = 543,
        ID_STOP = 544,
        ID_AUFNAHME = 545,
        ID_SCHLIESSEN = 131,
        ID_WAVE_DATEI = 4148,
        ID_ZEIT = 4149,
        ID_VERGLEICH = 4150,
        ID_AB = 4151,
        ID_DIFFERENZ = 4152,
    };
    // A recording ends by itself after this many milliseconds.
    static constexpr int HOECHSTDAUER_MS = 33000;
    static constexpr int TICK_MS = 100;

    // `geschuetzt`: files a save may never replace (those the parameter sets read). The
    // temporary folder is removed on the catchable signals too.
    WaveAufnahme(Meldungsdienst& meldung, Dateiwahl& dateiwahl, Wiedergabe& spieler, Tonaufnahme& aufnahme,
                 QWidget* eltern = nullptr, Eingaben geschuetzt = {});
    ~WaveAufnahme() override;

    Zustand zustand() const { return zustand_; }
    // The file the recorder plays and saves: an opened file or the temporary recording.
    QString datei() const { return datei_; }
    Wellenform& wellenform() { return *wellen_; }
    // "A" or "B": which of the compared files plays.
    bool hoertB() const { return ab_.hoertB(); }
    // One tick of the time display; the timer calls it every 100 ms.
    void wave_OnTimer();

public slots:
    void reject() override;

private:
    void baueOberflaeche();
    void setzeZustand(Zustand z);
    void zeigeZeit(unsigned zehntel);
    unsigned aufgenommeneZehntel() const;
    void setzePfad(const QString& pfad);
    void melde(const QString& geraetetext, const QString& eigenerText = {});
    void schliesseKlang();
    QString aufnahmeDatei() const { return temp_.filePath(QStringLiteral("aufnahme.wav")); }

    void oeffnen();
    void aufnehmen();
    void abspielen();
    void stoppen();
    void vergleichen();
    void abUmschalten();
    // A click in the waveform: playback goes on from there, or starts there next time.
    void springeNach(qint64 ms);
    void markeNachfuehren(qint64 ms);
    void speichern();
    // The end of a recording or playback, whatever ended it.
    void abgeschlossen();
    void aufnahmeBeendet();

    Meldungsdienst& meldung_;
    Dateiwahl& dateiwahl_;
    Wiedergabe& spieler_;
    Tonaufnahme& aufnahme_;
    QTemporaryDir temp_;
    Eingaben geschuetzt_;
    QTimer uhr_;
    Zustand zustand_ = Zustand::Leer;
    unsigned recordtime_ = 0;
    unsigned playtime_ = 0;
    QString datei_;
    QLineEdit* pfad_ = nullptr;
    QLineEdit* zeit_ = nullptr;
    QPushButton* knoepfe_[6] = {};
    QPushButton* vergleich_ = nullptr;
    QPushButton* abKnopf_ = nullptr;
    QCheckBox* differenz_ = nullptr;
    Wellenform* wellen_ = nullptr;
    AbUmschalter ab_;
    bool schaltet_ = false;  // an A/B switch is under way: its stop is no end of playback
    qint64 startMs_ = 0;     // where "Abspielen" starts: the last click, else the beginning
};

// The time text of a counter in tenths of seconds: "2.5 sec.".
QString zeitText(unsigned zehntel);

}  // namespace zor::app
