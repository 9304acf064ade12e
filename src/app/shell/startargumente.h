#pragma once
// The desktop program's command line, read before any window system is touched, so
// --help and --version work without a display. One table holds every argument; an
// argument not starting with '-' is a file to open.

#include <string>
#include <vector>

namespace zor::app {

struct Startargumente {
    bool starten = true;     // false: print `ausgabe`/`fehler` and end with `code`
    int code = 0;
    std::string ausgabe;     // for stdout
    std::string fehler;      // for stderr
    bool plattformGewaehlt = false;  // -platform given: Qt needs no display variable
    std::vector<std::string> dateien{};  // files to open in their fitting windows
};

// argv[0] is the program; Qt's own options (-platform, -style, …) are left for Qt.
Startargumente startargumenteLesen(int argc, const char* const* argv, const char* fassung);

// Without a platform chosen and with neither DISPLAY, WAYLAND_DISPLAY nor QT_QPA_PLATFORM
// set, Qt would abort; this says so in German instead. Empty when a display can be tried.
std::string bildschirmFehlt(const Startargumente& s);

}  // namespace zor::app
