#pragma once
// Keeps every dialog on its screen: a dialog taller or wider than the available area
// (large scale factors, small screens) gets its content in a scroll area with the
// buttons kept visible below it, and is moved inside the area.

#include <QObject>

class QDialog;

namespace zor::app {

// Fits a dialog into the available geometry of its screen; once per dialog.
void anBildschirmAnpassen(QDialog& dialog);

// Installed on the application: fits every dialog when it is first shown.
class Bildschirmpassung : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* ziel, QEvent* ereignis) override;
};

}  // namespace zor::app
