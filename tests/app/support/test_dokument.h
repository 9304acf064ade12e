#pragma once
// A document for frame tests: records the commands passed on to it, can pose as a
// channel-model document ('F', 'K', 'V', 'P'), can be printable and can refuse to close.

#include <QCloseEvent>
#include <QList>

#include "app/context/mdi_dokument.h"

class TestDokument : public zor::app::MdiDokument, public zor::app::Druckbar {
    Q_OBJECT
public:
    explicit TestDokument(zor::app::Kontext& k, char modell = 0, bool druckbar = false)
        : MdiDokument(k), modell_(modell), druckbar_(druckbar) {}
    bool befehl(int id) override {
        befehle.append(id);
        return true;
    }
    zor::app::Dokumentart art() const override {
        using zor::app::Dokumentart;
        switch (modell_) {
        case 'F': return Dokumentart::FF;
        case 'K': return Dokumentart::FKF;
        case 'V': return Dokumentart::FAV;
        case 'P': return Dokumentart::PAR;
        default: return Dokumentart::Sonstiges;
        }
    }
    zor::app::Druckbar* druckbar() override { return druckbar_ ? this : nullptr; }
    // The page header of the kind it poses as: FKF 'b', FAV 'c', else 'a'.
    char druckKopf() const override { return modell_ == 'K' ? 'b' : modell_ == 'V' ? 'c' : 'a'; }
    int kontextMenue() const override { return 135; }

    QList<int> befehle;
    bool schliessbar = true;

protected:
    void closeEvent(QCloseEvent* e) override {
        if (schliessbar)
            e->accept();
        else
            e->ignore();
    }

private:
    char modell_;
    bool druckbar_;
};
