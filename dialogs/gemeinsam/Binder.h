#pragma once
// The thin layer between the windows' state (forms/) and their widgets.
//
// A window creates each control from its table entry and binds it to the
// entry's state:
//
//   Bindungen b(this, anzeige);
//   auto* liste = b.feld<QTreeWidget>(p.haupt, Haupt::LVAbz, this);
//   auto* knopf = b.feld(p.haupt, Haupt::BtnOptionen, this, [&] { BtnOptionenClick(p); });
//
// The widget gets the entry's name as objectName, its label as accessible name,
// its hint as tool tip, its help context as the property "HelpContext", and its
// limits (range, decimals, length, mask, alignment, items, columns).
//
// Showing: `zeigen` writes the state into the widgets under QSignalBlocker, so
// a refresh runs no handler. Editing: a user's edit writes the state first,
// then runs the handler through runGuarded (an exception becomes the error box
// and the program goes on), then every window of the program shows its state
// again (Anzeige::alles). What a user's edit runs, by kind:
//   edits           each typed change: text, then `beiAenderung`; leaving the
//                   field (TLx controls): text as the control left it, then `beiVerlassen`
//   Combo           a chosen item: text, then `beiAenderung`
//   ComboEdit       a chosen item or a typed change: text, then `beiAenderung`
//   Check           a click: checked, then `beiAenderung`
//   ListView, ListBox, PageControl   another row or page: selected, then `beiAenderung`
//   Panel           a left click: `beiAenderung`
//   Button, SpeedButton             a click (or the shortcut): `beiAenderung`
//   Memo            each change: text
// Other signals (double clicks, keys) go through `handler`.
//
// A drop-down list (Combo) shows any text, also one it does not list: the list
// then has no current item and shows the text in its place.
//
// Each kind has a binder of its own (BinderArten.h) that makes its widget and
// binds it; `Bindungen` adds what all kinds share.

#include <QLabel>
#include <QPointer>
#include <functional>
#include <vector>

#include "gemeinsam/Steuerelement.h"

class QColor;
class QPalette;

namespace lx {

// Name of the dynamic property that holds a widget's or window's help context.
inline constexpr const char* kHilfeKontext = "HelpContext";
void setzeHilfe(QWidget* w, int kontext);

// The colour of a named colour; an invalid colour for Farbe::Standard.
QColor qtFarbe(Farbe f);

// Refreshes every window of the program; each window registers its refresh.
class Anzeige {
public:
    // `zeigen` runs until `fenster` is destroyed.
    void anmelden(QObject* fenster, std::function<void()> zeigen);
    void alles();
    // The windows still alive, in the order they registered.
    std::vector<QObject*> fenster() const;

private:
    struct Eintrag {
        QPointer<QObject> fenster;
        std::function<void()> zeigen;
    };
    std::vector<Eintrag> fenster_;
};

// A panel with a caption and a background colour that reports clicks.
class TLxPanel : public QLabel {
    Q_OBJECT
public:
    explicit TLxPanel(QWidget* parent = nullptr);
signals:
    void clicked(Qt::MouseButton button);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

class Bindungen {
public:
    using Handler = std::function<void()>;

    // `fenster` owns the error boxes of this window's handlers.
    Bindungen(QWidget* fenster, Anzeige& anzeige) : fenster_(fenster), anzeige_(anzeige) {}
    Bindungen(const Bindungen&) = delete;
    Bindungen& operator=(const Bindungen&) = delete;

    // The widget of the entry's kind, named and limited by the entry, not yet bound.
    static QWidget* erzeuge(const Steuerelement& e, QWidget* parent);
    // A label "Lab" + name with the entry's label text, as the buddy of `feld`.
    static QLabel* beschriftung(const Steuerelement& e, QWidget* feld, QWidget* parent);

    // Binds a widget of the entry's kind (one that erzeuge made, or a subclass).
    void binde(QWidget* w, const Steuerelement& e, SteuerZustand& z, Handler beiAenderung = {},
               Handler beiVerlassen = {});

    // erzeuge and binde for the entry `id` of a window's state.
    template <class W = QWidget, class Id>
    W* feld(FensterZustand<Id>& f, Id id, QWidget* parent, Handler beiAenderung = {}, Handler beiVerlassen = {})
    {
        QWidget* w = erzeuge(f.element(id), parent);
        binde(w, f.element(id), f[id], std::move(beiAenderung), std::move(beiVerlassen));
        return qobject_cast<W*>(w);
    }

    // Runs `h` guarded, then refreshes every window.
    void ausfuehren(const Handler& h);
    // A user's edit of a bound widget: the text into the state, then `h`
    // (none while this window shows its state).
    void nachEdit(SteuerZustand& z, const QString& text, const Handler& h);
    // `h` wrapped for any signal: ausfuehren(h).
    Handler handler(Handler h)
    {
        return [this, h = std::move(h)] { ausfuehren(h); };
    }

    // Shows the state in every bound widget of this window.
    void zeigen();

private:
    struct Bindung {
        QPointer<QWidget> widget;
        std::function<void()> zeige;
    };

    QWidget* fenster_;
    Anzeige& anzeige_;
    bool zeigt_ = false;  // a refresh moves no handler: a field it disables is left without its exit handler
    std::vector<Bindung> bindungen_;
};

}  // namespace lx
