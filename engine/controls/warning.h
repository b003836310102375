#pragma once
// The warning a dialog shows when it refuses what was typed. Tests (and programs that run
// without windows) install a handler that takes the text instead of showing a message box.

#include <QString>
#include <functional>

class QWidget;

namespace Qarn {

using WarningHandler = std::function<void(QWidget* parent, const QString& text)>;

// Shows the text in a modal warning box over the parent, or hands it to the installed handler.
void ShowWarning(QWidget* parent, const QString& text);
// Installs a handler and returns the one it replaces; an empty handler restores the box.
WarningHandler SetWarningHandler(WarningHandler handler);

}  // namespace Qarn
