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

namespace {

// Asks for the room of all it holds, so that a window opens with its contents
// whole where the screen has that room; only its minimum is small.
class Rollflaeche : public QScrollArea {
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override
    {
        if (widget() == nullptr) return QScrollArea::sizeHint();
        return widget()->sizeHint().grownBy(QMargins(frameWidth(), frameWidth(), frameWidth(), frameWidth()));
    }
};

}  // namespace

QScrollArea* rollbar(QWidget* inhalt, QWidget* eltern)
{
    auto* flaeche = new Rollflaeche(eltern);
    flaeche->setObjectName(QStringLiteral("Scroll") + inhalt->objectName());
    flaeche->setFrameShape(QFrame::NoFrame);
    flaeche->setWidgetResizable(true);
    flaeche->setWidget(inhalt);
    return flaeche;
}

}  // namespace lx
