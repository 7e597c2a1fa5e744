#include "Bildschirm.h"

#include <QApplication>
#include <QLayout>
#include <QMargins>
#include <QRect>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QWidget>

namespace lx {

namespace {

QMargins rahmenRand(const QWidget& w)
{
    const QRect rahmen = w.frameGeometry();
    const QRect innen = w.geometry();
    return {innen.left() - rahmen.left(), innen.top() - rahmen.top(), rahmen.right() - innen.right(),
            rahmen.bottom() - innen.bottom()};
}

// The frame a window manager puts round the window. It is known only once the
// window is framed; before that the frame of another shown window of the
// program stands in, and for the first window a title bar and a small border.
QMargins rahmenVon(const QWidget& fenster)
{
    QMargins rand = rahmenRand(fenster);
    if (!rand.isNull()) return rand;
    for (const QWidget* w : QApplication::topLevelWidgets()) {
        if (w == &fenster || !w->isVisible()) continue;
        rand = rahmenRand(*w);
        if (!rand.isNull()) return rand;
    }
    if (fenster.windowFlags().testFlag(Qt::FramelessWindowHint)) return {};
    const int titel = fenster.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &fenster);
    return {4, titel + 4, 4, 4};
}

}  // namespace

void einpassen(QWidget& fenster, const QRect& verfuegbar, bool mittig)
{
    const QMargins rand = rahmenVon(fenster);
    QSize kleinst = fenster.minimumSize();
    if (fenster.layout() != nullptr) kleinst = kleinst.expandedTo(fenster.layout()->totalMinimumSize());
    const QSize platz = verfuegbar.size().shrunkBy(rand);
    QSize groesse = fenster.size().boundedTo(platz);
    // Cut in one direction, the window scrolls with a bar across the other:
    // room for that bar where the screen has it.
    const int balken = fenster.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &fenster);
    if (groesse.height() < fenster.height()) groesse.rwidth() += balken;
    if (groesse.width() < fenster.width()) groesse.rheight() += balken;
    groesse = groesse.boundedTo(platz).expandedTo(kleinst);

    QRect ziel(fenster.geometry().topLeft() - QPoint(rand.left(), rand.top()), groesse.grownBy(rand));
    if (mittig) ziel.moveCenter(verfuegbar.center());
    if (ziel.right() > verfuegbar.right()) ziel.moveRight(verfuegbar.right());
    if (ziel.bottom() > verfuegbar.bottom()) ziel.moveBottom(verfuegbar.bottom());
    if (ziel.left() < verfuegbar.left()) ziel.moveLeft(verfuegbar.left());
    if (ziel.top() < verfuegbar.top()) ziel.moveTop(verfuegbar.top());
    // Placed by its inside: a window manager frames that where it stands, while
    // a position given for the frame is taken for the inside until the window
    // is framed.
    fenster.setGeometry(ziel.marginsRemoved(rand));
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
