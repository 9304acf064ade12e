#pragma once
// The page preview: the printed page of the active document, painted by the same
// function as the printer's, with zoom, "print" and "close".

#include <QDialog>
#include <QPrinter>

#include "app/documents/druckauftrag.h"

class QPrintPreviewWidget;

namespace zor::app {

class Seitenansicht final : public QDialog {
    Q_OBJECT
public:
    // Accepted when the user asks to print the page.
    Seitenansicht(const QString& dokument, Seitenmaler malen, QWidget* eltern);

    QPrintPreviewWidget* vorschau() const { return vorschau_; }

private:
    QPrinter drucker_;
    Seitenmaler malen_;
    QPrintPreviewWidget* vorschau_;
};

}  // namespace zor::app
