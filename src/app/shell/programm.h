#pragma once
// Start-up of the desktop program: single instance, frame, event loop.

class QTranslator;

namespace zor::app {

// Loads Qt's German texts (file choosers, print preview) into t and installs it; false
// when the translation is not installed.
bool qtTexteLaden(QTranslator& t);

// Runs the program; returns its exit code. A second start brings the running
// program to the front and ends after "Fehler in WinMain" with 0.
int zorwerkMain(int argc, char** argv);

}  // namespace zor::app
