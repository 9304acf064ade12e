#pragma once
// Asks for the size of an exported picture (the window's size is the default) and, for
// a diagram with a legend, the legend's place.

#include <QDialog>

#include <optional>

#include "core/documents/kurven_malen.h"

class QComboBox;
class QSpinBox;

namespace zor::app {

struct Exportwahl {
    QSize groesse;
    Legendenort legende = Legendenort::Keine;
};

class ExportGroesse : public QDialog {
    Q_OBJECT
public:
    // legende: the place offered first; nothing: the picture has no legend to place.
    ExportGroesse(QSize vorgabe, std::optional<Legendenort> legende, QWidget* eltern);
    Exportwahl wahl() const;

    // Runs the dialog; nothing when cancelled.
    static std::optional<Exportwahl> frage(QSize vorgabe, std::optional<Legendenort> legende, QWidget* eltern);

private:
    QSpinBox* breite_;
    QSpinBox* hoehe_;
    QComboBox* legende_ = nullptr;
};

}  // namespace zor::app
