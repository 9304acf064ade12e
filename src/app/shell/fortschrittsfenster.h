#pragma once
// The progress window every long job shows (dialog 608): a file or job name, a status
// text, a bar from 0 to 101, the percent number, the expected remaining time and
// "Abbrechen". Jobs run on a worker thread (app/hintergrund); their steps arrive here as
// queued calls, so the window and the frame keep painting while a job runs.

#include <QDialog>
#include <QElapsedTimer>

#include <functional>

#include "app/hintergrund/jobanzeige.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace zor::app {

class Fortschrittsfenster : public QDialog, public Jobanzeige {
    Q_OBJECT
public:
    explicit Fortschrittsfenster(QWidget* eltern = nullptr);

    void start(const std::string& label, const std::string& status) override;
    void step(int k) override;
    void end() override;

    void jobBeginnt(const std::string& titel, const std::string& status, std::function<void()> abbrechen) override;
    void jobEndet() override;
    QWidget* anzeigefenster() override { return this; }

    int balken() const;
    QString prozent() const;
    QString restzeit() const;

protected:
    // Escape cancels the job, as the button does; the window stays until the job ends.
    void reject() override;

private:
    void zeigen();
    // Names the job and sets bar, number and clock back.
    void beginnen(const std::string& titel, const std::string& status);

    QLabel* datei_;
    QLabel* status_;
    QProgressBar* balken_;
    QLabel* prozent_;
    QLabel* restzeit_;
    QPushButton* abbrechen_;
    QTimer* spaeter_;
    QElapsedTimer uhr_;
    std::function<void()> abbrechenFunktion_;
};

// "noch etwa 42 s", "noch etwa 3 min 5 s", "noch etwa 2 h 10 min": the remaining time
// after `vergangen` ms at step k of 101; empty while too little is known to say.
QString restzeitText(qint64 vergangen, int k);

}  // namespace zor::app
