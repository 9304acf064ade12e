#pragma once
// The wait cursor while a job runs, restored however the job ends; and the normal cursor
// for a question the job asks meanwhile. The program's one way to show that it works.

#include <QApplication>

#include <utility>

namespace zor::app {

class Wartecursor {
public:
    Wartecursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Wartecursor() { QApplication::restoreOverrideCursor(); }
    Wartecursor(const Wartecursor&) = delete;
    Wartecursor& operator=(const Wartecursor&) = delete;
};

class Normalcursor {
public:
    Normalcursor() { QApplication::setOverrideCursor(Qt::ArrowCursor); }
    ~Normalcursor() { QApplication::restoreOverrideCursor(); }
    Normalcursor(const Normalcursor&) = delete;
    Normalcursor& operator=(const Normalcursor&) = delete;
};

// The job under the wait cursor; its result.
template <class F>
auto mitWartecursor(F&& job) {
    Wartecursor w;
    return std::forward<F>(job)();
}

}  // namespace zor::app
