#pragma once
// Asks for the size of an exported picture; the window's size is the default.

#include <QDialog>

#include <optional>

class QSpinBox;

namespace zor::app {

class ExportGroesse : public QDialog {
    Q_OBJECT
public:
    ExportGroesse(QSize vorgabe, QWidget* eltern);
    QSize groesse() const;

    // Runs the dialog; nothing when cancelled.
    static std::optional<QSize> frage(QSize vorgabe, QWidget* eltern);

private:
    QSpinBox* breite_;
    QSpinBox* hoehe_;
};

}  // namespace zor::app
