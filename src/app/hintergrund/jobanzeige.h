#pragma once
// What a job running in the background shows on the GUI thread: the progress window.
// It receives the core's start/step/end (forwarded from the worker) and offers to cancel.

#include <functional>
#include <string>

#include "core/util/fortschritt.h"

class QWidget;

namespace zor::app {

class Jobanzeige : public zor::Fortschritt {
public:
    // A job begins. `titel` and `status` stand until the job's own start() names it;
    // `abbrechen` runs (on the GUI thread) when the user cancels.
    virtual void jobBeginnt(const std::string& titel, const std::string& status, std::function<void()> abbrechen) = 0;
    // The job has ended (also cancelled): the display goes away.
    virtual void jobEndet() = 0;
    // The window that keeps taking input while a job runs.
    virtual QWidget* anzeigefenster() = 0;
};

}  // namespace zor::app
