#pragma once
// The program's QApplication: an allocation that fails in any event handler (a command,
// a paint, a job started from a dialog) ends that handler with a German message instead
// of aborting the program and losing every window.

#include <QApplication>

#include <functional>

namespace zor::app {

class Anwendung : public QApplication {
    Q_OBJECT
public:
    Anwendung(int& argc, char** argv);

    // Shows TEXT_SPEICHERMANGEL; a plain message box until set.
    void setzeSpeichermangelMeldung(std::function<void()> melden) { melden_ = std::move(melden); }

    bool notify(QObject* empfaenger, QEvent* ereignis) override;

    // Says that memory ran out: through the program's message when this is an
    // Anwendung, else in a plain message box. For work that failed off the GUI thread.
    static void speichermangelMelden();

private:
    std::function<void()> melden_;
};

}  // namespace zor::app
