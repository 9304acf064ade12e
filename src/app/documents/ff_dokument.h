#pragma once
// The error-sequence document: the first bits of each active set, regenerated on every
// paint from the parameter sets.

#include <QList>

#include "app/documents/modelldokument.h"
#include "core/util/ergebnis.h"

namespace zor::app {

class FFDokument : public ModellDokument {
    Q_OBJECT
public:
    explicit FFDokument(Kontext& kontext);
    // Its row of the documents' table.
    static const ModellDokumentart& dokumentart();

    void zeichnen(QPainter& p, QSize groesse) override;
    std::string alsText() override;
    bool hatText() const override { return true; }

private:
    // File problems are shown once after the paint that met them, not on every repaint.
    void melden(const std::vector<Meldung>& meldungen);
    std::vector<std::string> gemeldet_;
};

}  // namespace zor::app
