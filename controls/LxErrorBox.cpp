#include "LxErrorBox.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QMetaObject>
#include <QPointer>
#include <QWidget>
#include <exception>

namespace lx {

namespace {

void showLater(QWidget* owner, const QString& title, const QString& text)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr) return;
    QPointer<QWidget> parent(owner != nullptr ? owner->window() : nullptr);
    QMetaObject::invokeMethod(
        app, [parent, title, text] { QMessageBox::critical(parent.data(), title, text); }, Qt::QueuedConnection);
}

ErrorBoxHandler& currentHandler()
{
    static ErrorBoxHandler handler = showLater;
    return handler;
}

}  // namespace

ErrorBoxHandler setErrorBoxHandler(ErrorBoxHandler handler)
{
    ErrorBoxHandler previous = std::move(currentHandler());
    currentHandler() = handler ? std::move(handler) : ErrorBoxHandler(showLater);
    return previous;
}

void showErrorBox(QWidget* owner, const QString& text)
{
    currentHandler()(owner, QCoreApplication::applicationName(), text);
}

bool runGuarded(QWidget* owner, const std::function<void()>& action)
{
    try {
        action();
        return true;
    } catch (const std::exception& e) {
        showErrorBox(owner, QString::fromUtf8(e.what()));
    } catch (...) {
        showErrorBox(owner, QStringLiteral("Unbekannter Fehler"));
    }
    return false;
}

}  // namespace lx
