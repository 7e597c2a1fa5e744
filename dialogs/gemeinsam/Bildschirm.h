#pragma once
// Windows that fit the screen. At 200 % a 1366 x 768 laptop leaves 683 x 384
// pixels for a window: each window takes no more than the screen's available
// area and opens whole on it, and what it holds beyond that scrolls inside it
// (`rollbar`), its buttons staying in view.

class QRect;
class QScrollArea;
class QWidget;

namespace lx {

// The window cut to the area `verfuegbar` with its frame, never below what
// its layout needs, and moved so that its frame lies inside the area (with
// `mittig` in its middle).
void einpassen(QWidget& fenster, const QRect& verfuegbar, bool mittig = false);
// The same on the screen the window is on; windows run it when shown.
void einpassen(QWidget& fenster);

// `inhalt` in a scroll area without a frame on `eltern`: shown as it is where
// there is room, scrolled where the window is smaller than it. The area's size
// hint is that of `inhalt`, its minimum that of a scroll area.
QScrollArea* rollbar(QWidget* inhalt, QWidget* eltern);

}  // namespace lx
