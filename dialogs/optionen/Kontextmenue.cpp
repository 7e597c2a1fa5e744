#include "Kontextmenue.h"

namespace lx {

QAction* kontextEintrag(Bindungen& b, QWidget* liste, const char* name, const char* text, Bindungen::Handler h)
{
    liste->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* a = new QAction(QString::fromUtf8(text), liste);
    a->setObjectName(QString::fromUtf8(name));
    QObject::connect(a, &QAction::triggered, liste, b.handler(std::move(h)));
    liste->addAction(a);
    return a;
}

void kontextTrenner(QWidget* liste)
{
    auto* a = new QAction(liste);
    a->setSeparator(true);
    liste->addAction(a);
}

}  // namespace lx
