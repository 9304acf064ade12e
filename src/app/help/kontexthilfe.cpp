#include "app/help/kontexthilfe.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "app/context/verzeichnis.h"

namespace zor::app {
namespace {

// The program's help for a modal window without a page of its own (a file chooser), and
// for the frame in a mode without a document.
constexpr const char* PROGRAMMHILFE = "revid.hlp";

bool gehoertZu(const QWidget* w, const QWidget* rahmen) {
    for (; w; w = w->parentWidget())
        if (w == rahmen) return true;
    return false;
}

}  // namespace

QString kontextHilfedatei(const Verzeichnis& v, const QWidget* w) {
    for (; w; w = w->parentWidget())
        if (QString datei = v.hilfedatei(w->objectName()); !datei.isEmpty()) return datei;
    return {};
}

Kontexthilfe::Kontexthilfe(QWidget* rahmen, const Verzeichnis& v, std::function<void(const QString&, QWidget*)> zeige)
    : QObject(rahmen), rahmen_(rahmen), verzeichnis_(v), zeige_(std::move(zeige)) {
    qApp->installEventFilter(this);
}

bool Kontexthilfe::eventFilter(QObject* o, QEvent* e) {
    const bool vorab = e->type() == QEvent::ShortcutOverride;
    if ((!vorab && e->type() != QEvent::KeyPress) || static_cast<QKeyEvent*>(e)->key() != Qt::Key_F1 ||
        !o->isWidgetType())
        return false;
    auto* w = static_cast<QWidget*>(o);
    QString datei = dateiFuer(w);
    // A key press the frame's menu did not take as its F1 (a mode without a document)
    // opens the program help.
    if (datei.isEmpty() && !vorab && w->window() == rahmen_) datei = QString::fromLatin1(PROGRAMMHILFE);
    if (datei.isEmpty()) return false;
    // Claiming the override keeps the frame's menu F1 from taking the key first.
    e->accept();
    if (!vorab) zeige_(datei, w->window());
    return true;
}

QString Kontexthilfe::dateiFuer(const QWidget* w) const {
    const QWidget* fenster = w->window();
    if (!gehoertZu(fenster, rahmen_) || fenster->objectName() == QLatin1String("hilfe")) return {};
    QString datei = kontextHilfedatei(verzeichnis_, w);
    if (datei.isEmpty() && fenster != rahmen_ && fenster->isModal()) return QString::fromLatin1(PROGRAMMHILFE);
    return datei;
}

}  // namespace zor::app
