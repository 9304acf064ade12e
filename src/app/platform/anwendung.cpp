#include "app/platform/anwendung.h"

#include <QMessageBox>

#include <new>

#include "core/util/ergebnis.h"
#include "core/util/systemfehler.h"

namespace zor::app {

Anwendung::Anwendung(int& argc, char** argv) : QApplication(argc, argv) {}

bool Anwendung::notify(QObject* empfaenger, QEvent* ereignis) {
    try {
        return QApplication::notify(empfaenger, ereignis);
    } catch (const std::bad_alloc&) {
        // The failed block is gone with the unwound handler, so there is room to say so.
        speichermangelMelden();
        return false;
    }
}

void Anwendung::speichermangelMelden() {
    if (auto* app = qobject_cast<Anwendung*>(QCoreApplication::instance()); app && app->melden_)
        app->melden_();
    else
        QMessageBox::warning(nullptr, QString::fromUtf8(TITEL_PROGRAMM), QString::fromUtf8(TEXT_SPEICHERMANGEL));
}

}  // namespace zor::app
