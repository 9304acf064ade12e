#pragma once
// Long work off the GUI thread. A job is a core function taking a Fortschritt; it runs on
// a worker thread while the GUI thread goes on (clock, repaints). Its start/step/end reach
// the progress window as queued calls; the window's "Abbrechen" sets a flag the core asks
// between blocks (Fortschritt::abgebrochen). When the work returns, its continuation runs
// on the GUI thread. One job at a time; while it runs, user input other than to the
// progress window is refused, so no command can change what the job reads or writes.

#include <QObject>
#include <QPointer>

#include <atomic>
#include <functional>
#include <memory>
#include <string>

#include "core/util/fortschritt.h"

class QThread;

namespace zor::app {

class Jobanzeige;

// The name the progress window shows until the job's own start() names it.
struct Jobtitel {
    std::string titel;
    std::string status = TEXT_WIRD_BERECHNET;
};

class Hintergrund : public QObject {
    Q_OBJECT
public:
    explicit Hintergrund(Jobanzeige& anzeige, QObject* eltern = nullptr);
    // A job still running is cancelled and waited for.
    ~Hintergrund() override;

    // Runs arbeit(f) on a worker thread, then fertig(abgebrochen) on this thread, unless
    // `ziel` has gone meanwhile. False, and nothing runs, while another job runs.
    bool starten(QObject* ziel, const Jobtitel& titel, std::function<void(Fortschritt&)> arbeit,
                 std::function<void(bool abgebrochen)> fertig);

    // The same for work with a result, which fertig receives.
    template <class R>
    bool starten(QObject* ziel, const Jobtitel& titel, std::function<R(Fortschritt&)> arbeit,
                 std::function<void(R)> fertig) {
        auto ergebnis = std::make_shared<R>();
        return starten(
            ziel, titel, [arbeit = std::move(arbeit), ergebnis](Fortschritt& f) { *ergebnis = arbeit(f); },
            [fertig = std::move(fertig), ergebnis](bool) { fertig(std::move(*ergebnis)); });
    }

    bool laeuft() const { return thread_ != nullptr; }
    // What the progress window's "Abbrechen" does.
    void abbrechen();

signals:
    // A job has ended and its continuation has run.
    void beendet();

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    class Weiterleitung;
    void fertigGeworden();

    Jobanzeige& anzeige_;
    QThread* thread_ = nullptr;
    std::unique_ptr<Weiterleitung> weiterleitung_;
    QPointer<QObject> ziel_;
    bool mitZiel_ = false;
    std::function<void(bool)> fertig_;
};

}  // namespace zor::app
