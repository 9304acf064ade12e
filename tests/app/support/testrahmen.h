#pragma once
// A frame with a recording message box and a scripted file chooser; the fakes outlive it.

#include <QStringList>

#include "app/documents/druckauftrag.h"
#include "app/shell/hauptfenster.h"
#include "support/aufzeichnende_meldung.h"
#include "support/skriptierte_dateiwahl.h"

// No test reaches a real printer: while it lives the program finds none, so printing
// asks for a PDF file.
struct OhneDrucker {
    OhneDrucker() : vorher(zor::app::setzeDruckersuche([] { return QString(); })) {}
    ~OhneDrucker() { zor::app::setzeDruckersuche(std::move(vorher)); }
    OhneDrucker(const OhneDrucker&) = delete;
    OhneDrucker& operator=(const OhneDrucker&) = delete;
    zor::app::Druckersuche vorher;
};

struct TestRahmen {
    OhneDrucker ohneDrucker;
    AufzeichnendeMeldung meldung;
    SkriptierteDateiwahl dateiwahl;
    zor::app::Hauptfenster f{meldung, dateiwahl};

    QStringList meldungen() const {
        QStringList l;
        for (const auto& m : meldung.gezeigt) l << m.text;
        return l;
    }
};
