#pragma once
// The error-correlation document: R(k) of both sets with their correlation durations and
// the measurement cursor; its method warnings arrive as commands 407 to 409.

#include "app/documents/kurvendokument.h"

namespace zor::app {

class FKFDokument : public KurvenDokument {
    Q_OBJECT
public:
    FKFDokument(Kontext& kontext, Vorlagenquelle vorlagen);
    // Its row of the documents' table.
    static const ModellDokumentart& dokumentart();
    bool befehl(int id) override;

protected:
    bool hatBefehlFuer(const Meldung& m) const override;
    void alsBefehl(const Meldung& m) override;
};

}  // namespace zor::app
