#include "Bildschirm.h"

#include <QLayout>
#include <QMargins>
#include <QRect>
#include <QScreen>
#include <QScrollArea>
#include <QWidget>

namespace lx {

void einpassen(QWidget& fenster, const QRect& verfuegbar)
{
    // The frame is known once a window manager framed the window; before that it counts as none.
    const QRect rahmen = fenster.frameGeometry();
    const QRect innen = fenster.geometry();
    const QMargins rand(innen.left() - rahmen.left(), innen.top() - rahmen.top(), rahmen.right() - innen.right(),
                        rahmen.bottom() - innen.bottom());
    QSize kleinst = fenster.minimumSize();
    if (fenster.layout() != nullptr) kleinst = kleinst.expandedTo(fenster.layout()->totalMinimumSize());
    const QSize groesse = fenster.size().boundedTo(verfuegbar.size().shrunkBy(rand)).expandedTo(kleinst);

    QRect ziel(rahmen.topLeft(), groesse.grownBy(rand));
    if (ziel.right() > verfuegbar.right()) ziel.moveRight(verfuegbar.right());
    if (ziel.bottom() > verfuegbar.bottom()) ziel.moveBottom(verfuegbar.bottom());
    if (ziel.left() < verfuegbar.left()) ziel.moveLeft(verfuegbar.left());
    if (ziel.top() < verfuegbar.top()) ziel.moveTop(verfuegbar.top());
    fenster.resize(groesse);
    // A window's position is that of its frame.
    fenster.move(ziel.topLeft());
}

void einpassen(QWidget& fenster)
{
    if (const QScreen* schirm = fenster.screen()) einpassen(fenster, schirm->availableGeometry());
}

QScrollArea* rollbar(QWidget* inhalt, QWidget* eltern)
{
    auto* flaeche = new QScrollArea(eltern);
    flaeche->setObjectName(QStringLiteral("Scroll") + inhalt->objectName());
    flaeche->setFrameShape(QFrame::NoFrame);
    flaeche->setWidgetResizable(true);
    flaeche->setWidget(inhalt);
    return flaeche;
}

}  // namespace lx
