#include "HelpViewer.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "HelpCommand.h"
#include "LxErrorBox.h"

namespace lx {

namespace {

constexpr qsizetype kMaxKeyword = 255;

qint64 Packed(const QPoint& p)
{
    return static_cast<qint64>((static_cast<quint32>(p.x()) & 0xFFFFu) |
                               ((static_cast<quint32>(p.y()) & 0xFFFFu) << 16));
}

}  // namespace

QWidget* HelpViewer::HelpWidget(QWidget* start)
{
    QWidget* w = QApplication::focusWidget();
    if (w == nullptr) w = start;
    if (w == nullptr) w = QApplication::activeWindow();
    for (; w != nullptr; w = w->parentWidget()) {
        if (HelpContextOf(w) != 0) return w;
    }
    return nullptr;
}

void HelpViewer::SetPopupPosition(QWidget* start)
{
    if (QWidget* w = HelpWidget(start))
        ApplicationHelpCommand(HELP_SETPOPUP_POS, {Packed(w->mapToGlobal(QPoint(0, 0))), {}});
}

void HelpViewer::ShowTableOfContents()
{
    ApplicationHelpCommand(HELP_CONTENTS, {0, {}});
}

void HelpViewer::ShowHelp(const QString& keyword)
{
    SetPopupPosition();
    ApplicationHelpCommand(HELP_KEY, {0, keyword.left(kMaxKeyword)});
}

void HelpViewer::DisplayTopic(const QString& topic)
{
    SetPopupPosition();
    ApplicationHelpCommand(HELP_KEY, {0, topic + QStringLiteral("zzz")});
}

void HelpViewer::DisplayHelpByContext(int context, QWidget* start)
{
    SetPopupPosition(start);
    ApplicationHelpCommand(HELP_CONTEXT, {context, {}});
}

bool HelpKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier) return false;
    // The key goes to the focus widget; without a focused window that is the
    // widget the key was sent to.
    QWidget* w = HelpViewer::HelpWidget(qobject_cast<QWidget*>(watched));
    if (w == nullptr) return false;
    const int context = HelpContextOf(w);
    runGuarded(w, [context, w] { HelpViewer::DisplayHelpByContext(context, w); });
    return true;
}

}  // namespace lx
