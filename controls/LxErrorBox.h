#pragma once
// The error box that stands in for the toolkit's default exception box: an
// error inside an event handler is shown to the user with the application's
// title and the program goes on. Tests replace the box so that nothing blocks.

#include <QString>
#include <functional>

class QWidget;

namespace lx {

// Receives the owning widget (may be null), the box title and the message.
using ErrorBoxHandler = std::function<void(QWidget* owner, const QString& title, const QString& text)>;

// Installs `handler` and returns the one it replaces; an empty handler restores
// the default, which opens a critical message box once control is back in the
// event loop (so that no modal loop runs in the middle of a focus change).
ErrorBoxHandler setErrorBoxHandler(ErrorBoxHandler handler);

// Shows `text` with the application name (QCoreApplication::applicationName)
// as the title.
void showErrorBox(QWidget* owner, const QString& text);

// Runs `action`; an exception that leaves it is shown with showErrorBox instead
// of escaping into Qt's event dispatch. Returns false when one was caught.
bool runGuarded(QWidget* owner, const std::function<void()>& action);

}  // namespace lx
