#pragma once
// Long work off the GUI thread. A job is a core function taking a Fortschritt; it runs on
// a worker thread while the GUI thread goes on (clock, repaints). Its start/step reach
// the job's display (the progress window, or printing's cancel dialog) as queued calls;
// the display's "Abbrechen" sets a flag the core asks between blocks
// (Fortschritt::abgebrochen). When the work returns, its continuation runs on the GUI
// thread. One job at a time; while it runs, user input other than to the display is
// refused, so no command can change what the job reads or writes. A job that runs out of
// memory ends as a cancelled one, and the program says why.

#include <QObject>
#include <QPointer>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/util/fortschritt.h"

class QThread;

namespace zor::app {

class Jobanzeige;

// What the display shows until the job's own start() names it, and which display.
struct Jobtitel {
    std::string titel;
    std::string status = TEXT_WIRD_BERECHNET;
    // nullptr: the shared progress window.
    Jobanzeige* anzeige = nullptr;
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

    // The same for work with a result, which fertig receives (also after a cancel: the
    // result says so itself, or the caller asks the flag through its own type). Work
    // that ran out of memory has no result, and fertig does not run.
    template <class R>
    bool starten(QObject* ziel, const Jobtitel& titel, std::function<R(Fortschritt&)> arbeit,
                 std::function<void(R)> fertig) {
        auto ergebnis = std::make_shared<std::optional<R>>();
        return starten(
            ziel, titel, [arbeit = std::move(arbeit), ergebnis](Fortschritt& f) { *ergebnis = arbeit(f); },
            [fertig = std::move(fertig), ergebnis](bool) {
                if (*ergebnis) fertig(std::move(**ergebnis));
            });
    }

    bool laeuft() const { return thread_ != nullptr; }
    // What the display's "Abbrechen" does.
    void abbrechen();
    // Runs danach at once when no job runs, else once the running job has ended (and its
    // continuation has run), unless `ziel` has gone meanwhile.
    void danach(QObject* ziel, std::function<void()> danach);

signals:
    // A job has ended and its continuation has run.
    void beendet();

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    class Weiterleitung;
    void fertigGeworden();

    Jobanzeige& standard_;
    Jobanzeige* anzeige_ = nullptr;
    QThread* thread_ = nullptr;
    std::unique_ptr<Weiterleitung> weiterleitung_;
    // Counts the jobs; a queued step of an earlier job is dropped.
    unsigned nummer_ = 0;
    QPointer<QObject> ziel_;
    bool mitZiel_ = false;
    std::function<void(bool)> fertig_;
    // Set by the worker, read once it has ended.
    bool speichermangel_ = false;
};

}  // namespace zor::app
