#pragma once
// The sample drawing document: a curve in one of four colours, chosen from its menu.

#include "app/context/mdi_dokument.h"

namespace zor::app {

class Grafikdokument : public MdiDokument {
    Q_OBJECT
public:
    explicit Grafikdokument(Kontext& kontext, QWidget* eltern = nullptr);

    bool befehl(int id) override;
    void aktiviert() override;

    // The colour command id, 3039 to 3042.
    int farbe() const { return farbe_; }
    QColor farbwert() const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void zeigeHaken();
    int farbe_;
};

}  // namespace zor::app
