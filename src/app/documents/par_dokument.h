#pragma once
// The parameter document: a picture of each active set's model with its values.

#include "app/documents/modelldokument.h"
#include "core/plot/plotag.h"

namespace zor::app {

class ParDokument : public ModellDokument {
    Q_OBJECT
public:
    ParDokument(Kontext& kontext, Vorlagenquelle vorlagen);
    // Its row of the documents' table; the parameters are printed on every page, not alone.
    static const ModellDokumentart& dokumentart();

    void zeichnen(QPainter& p, QSize groesse) override;

private:
    Vorlagenquelle vorlagen_;
};

}  // namespace zor::app
