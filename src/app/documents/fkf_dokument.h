#pragma once
// The error-correlation document: R(k) of both sets with their correlation durations and
// the measurement cursor. Its method warnings come in the refresh's combined report;
// commands 407 to 409 show one on its own.

#include "app/documents/kurvendokument.h"

namespace zor::app {

class FKFDokument : public KurvenDokument {
    Q_OBJECT
public:
    FKFDokument(Kontext& kontext, Vorlagenquelle vorlagen);
    // Its row of the documents' table.
    static const ModellDokumentart& dokumentart();
    bool befehl(int id) override;
};

}  // namespace zor::app
