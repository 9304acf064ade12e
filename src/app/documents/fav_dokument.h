#pragma once
// The error-gap distribution document: P(a >= k) or p(a = k) of both sets, with the
// measurement cursor (only on a linear abscissa when it comes by itself).

#include "app/documents/kurvendokument.h"

namespace zor::app {

class FAVDokument : public KurvenDokument {
    Q_OBJECT
public:
    FAVDokument(Kontext& kontext, Vorlagenquelle vorlagen);
    // Its row of the documents' table.
    static const ModellDokumentart& dokumentart();
};

}  // namespace zor::app
