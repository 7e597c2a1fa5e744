#include "HelpCommand.h"

#include <QVariant>
#include <QWidget>

namespace lx {

namespace {

HelpHandler& slot()
{
    static HelpHandler handler;
    return handler;
}

}  // namespace

HelpHandler SetHelpHandler(HelpHandler handler)
{
    HelpHandler previous = std::move(slot());
    slot() = std::move(handler);
    return previous;
}

bool ApplicationHelpCommand(quint16 command, const HelpData& data)
{
    bool callHelp = true;
    // A copy, so that a handler that replaces itself keeps running safely.
    if (HelpHandler handler = slot()) handler(command, data, callHelp);
    return callHelp;
}

void SetHelpContext(QWidget* widget, int context)
{
    if (widget != nullptr) widget->setProperty(kHelpContextProperty, context);
}

int HelpContextOf(const QWidget* widget)
{
    if (widget == nullptr) return 0;
    return widget->property(kHelpContextProperty).toInt();
}

}  // namespace lx
