#include "app/platform/meldungsdienst.h"

#include <QApplication>
#include <QAbstractButton>
#include <QMessageBox>

#include <utility>

namespace zor::app {
namespace {

QMessageBox::Icon qtSymbol(Symbol s) {
    switch (s) {
    case Symbol::Information: return QMessageBox::Information;
    case Symbol::Ausrufezeichen: return QMessageBox::Warning;
    case Symbol::Stopp: return QMessageBox::Critical;
    case Symbol::Frage: return QMessageBox::Question;
    case Symbol::Keins: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

Antwort QtMeldungsdienst::zeige(const QString& text, const QString& titel, Symbol symbol, Knoepfe knoepfe) {
    // Owned by the window with the focus, as a message raised from a dialog should be.
    QWidget* eltern = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : eltern_;
    QMessageBox box(qtSymbol(symbol), titel, text, QMessageBox::NoButton, eltern);
    switch (knoepfe) {
    case Knoepfe::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case Knoepfe::JaNein: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case Knoepfe::WiederholenAbbrechen: box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel); break;
    case Knoepfe::OkAbbrechen: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    }
    // German button texts whatever translations are installed.
    const std::pair<QMessageBox::StandardButton, const char*> texte[] = {
        {QMessageBox::Yes, "&Ja"}, {QMessageBox::No, "&Nein"}, {QMessageBox::Retry, "&Wiederholen"},
        {QMessageBox::Cancel, "Abbrechen"}, {QMessageBox::Ok, "OK"}};
    for (const auto& [knopf, t] : texte)
        if (QAbstractButton* b = box.button(knopf)) b->setText(QString::fromUtf8(t));
    switch (box.exec()) {
    case QMessageBox::Yes: return Antwort::Ja;
    case QMessageBox::No: return Antwort::Nein;
    case QMessageBox::Retry: return Antwort::Wiederholen;
    case QMessageBox::Cancel: return Antwort::Abbrechen;
    default: return Antwort::Ok;
    }
}

Antwort zeige(Meldungsdienst& dienst, const zor::Meldung& meldung) {
    return dienst.zeige(QString::fromStdString(meldung.text), QString::fromStdString(meldung.titel), meldung.symbol);
}

}  // namespace zor::app
