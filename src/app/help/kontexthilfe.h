#pragma once
// F1 in a dialog or in a window of its own opens that window's help page, as the window's
// description names it; an application-wide event filter catches F1 where no menu
// shortcut reaches it.

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace zor::app {

class Verzeichnis;

// The help file of the window, or of the nearest parent that has one ("dlg_bsc.hlp");
// empty when none has a page.
QString kontextHilfedatei(const Verzeichnis& v, const QWidget* w);

class Kontexthilfe : public QObject {
public:
    // zeige gets the help file and the window F1 was pressed in; rahmen is the frame
    // whose windows this filter serves. In the frame a document's page comes first, then
    // the menu's F1 (the script, in the start menu), else the program help.
    Kontexthilfe(QWidget* rahmen, const Verzeichnis& v, std::function<void(const QString&, QWidget*)> zeige);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    // The help file for F1 in w: its window's page, the program help in a modal window
    // without one, nothing in the frame without a document or outside this frame.
    QString dateiFuer(const QWidget* w) const;

    QWidget* rahmen_;
    const Verzeichnis& verzeichnis_;
    std::function<void(const QString&, QWidget*)> zeige_;
};

}  // namespace zor::app
