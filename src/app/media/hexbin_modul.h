#pragma once
// The hex and bin documents' commands: opening them from the frame and from inside a
// document, saving a bin document's bits as FFO or FAB, and the two save buttons, which
// stay enabled exactly while a bin document is the active one.

#include <QObject>
#include <QString>

#include "app/context/beschreibung.h"
#include "core/media/zeilen.h"

class QMdiSubWindow;

namespace zor::app {

class Dateiansicht;

class HexBinModul : public Befehlsmodul {
public:
    explicit HexBinModul(Kontext& kontext);
    static const Modul& beschreibung();
    // The windows of the two views.
    static const Fenster& hexFenster();
    static const Fenster& binFenster();

    // Shows a file in a new view; nullptr when the document could not be created.
    static Dateiansicht* oeffne(Kontext& kontext, Ansicht ansicht, const QString& pfad);

private:
    void hex(int id);
    void bin(int id);
    void neu(Ansicht ansicht);
    void speichern(int id);
    // Ends the module's connections with it, before the frame's menus go.
    QObject verbindungen_;
};

}  // namespace zor::app
