#pragma once
// The program's string table: class names, titles, status-bar hints and tooltips, keyed
// by their ids. The string with a command's id is that command's hint and tooltip.

#include <QString>

namespace zor::app {

// The string with that id; empty when the table has none.
QString text(int id);

// The status-bar hint of a command: its string, at most 127 characters.
QString menuHinweis(int id);

// The tooltip of a toolbar button: its string, at most 63 characters.
QString tooltip(int id);

}  // namespace zor::app
