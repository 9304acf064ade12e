#pragma once
// Helpers for the GUI tests: answering modal dialogs and saving screenshots.

#include <QString>

class QWidget;

// When the next modal dialog named dialogName opens, grabs it (when bildName is not
// empty) and clicks its button named knopfName. Returns at once; the click happens
// from the dialog's own event loop.
void beantworteModal(const QString& dialogName, const QString& knopfName, const QString& bildName = {});

// Saves a picture of the widget as <ZOR_SCREENSHOTS>/<name>.png.
void speichereBild(QWidget* w, const QString& name);
