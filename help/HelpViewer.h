#pragma once
// Help requests from the widgets: the viewer's operations turn a context,
// keyword, topic or contents request into the application's help command,
// which the help hook receives. F1 anywhere asks for the context of the
// focused widget or the nearest parent that has one.

#include <QObject>
#include <QString>

class QWidget;

namespace lx {

class HelpViewer {
public:
    static void ShowTableOfContents();
    // At most 255 characters of the keyword.
    static void ShowHelp(const QString& keyword);
    static void DisplayTopic(const QString& topic);
    // The pop-up position first, then the context.
    static void DisplayHelpByContext(int context, QWidget* start = nullptr);

    // The focused widget (else `start`, else the active window) or its
    // nearest parent with a help context; null when none has one.
    static QWidget* HelpWidget(QWidget* start = nullptr);
    // Sends the pop-up position of HelpWidget(): its origin on the screen, x in
    // the low and y in the high 16 bits. Nothing without such a widget.
    static void SetPopupPosition(QWidget* start = nullptr);
};

// Installed on the application: F1 becomes a context request. The key is
// taken only when a widget with a context answered it.
class HelpKeyFilter final : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace lx
