#pragma once
// Start-up of the desktop program: single instance, frame, event loop.

#include <QStringList>

class QTranslator;

namespace zor::app {

class Einzelinstanz;
class Hauptfenster;

// Loads Qt's German texts (file choosers, print preview) into t and installs it; false
// when the translation is not installed.
bool qtTexteLaden(QTranslator& t);

// Opens files from the command line or a later start: an experiment is applied in the
// channel-model mode, any other file opens in its fitting window.
void startdateienOeffnen(Hauptfenster& rahmen, const QStringList& dateien);

// What the running program does when a later start reaches it: opens the files handed
// over, each in its fitting window, and comes to the front.
void einzelinstanzVerbinden(Einzelinstanz& instanz, Hauptfenster& rahmen);

// Runs the program; returns its exit code. A second start hands its files to the running
// program and ends with 0; one without files brings it to the front and ends after
// "Fehler in WinMain" with 0.
int zorwerkMain(int argc, char** argv);

}  // namespace zor::app
