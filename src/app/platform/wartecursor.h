#pragma once
// The wait cursor while a job runs on the UI thread, restored however the job ends;
// and the normal cursor for a question the job asks meanwhile.

#include <QApplication>

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

}  // namespace zor::app
