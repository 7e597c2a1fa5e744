#pragma once
// The binders behind `Bindungen`, one for each kind of widget. A binder makes
// the widget of a table entry and binds it: what a user's edit writes into the
// state and which handler it runs, and how the widget shows the state.
// `Bindungen` adds what every kind shares (name, hints, help, colours,
// visibility) and keeps the show functions for the window's refresh.

#include <QPalette>
#include <QStringList>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "Binder.h"

namespace lx {

QString qText(std::string_view s);
QStringList qListe(const std::vector<std::string>& v);
Qt::Alignment qtAusrichtung(Ausrichtung a);

class ArtBinder {
public:
    using Handler = Bindungen::Handler;
    // Shows the state in the widget; Bindungen runs it under a QSignalBlocker.
    using Zeige = std::function<void()>;

    // `hintergrund`: the palette roles the widget paints its background
    // with; `fuellt`: the widget paints it only with a colour of its own.
    explicit ArtBinder(std::vector<QPalette::ColorRole> hintergrund = {QPalette::Base}, bool fuellt = false)
        : hintergrund_(std::move(hintergrund)), fuellt_(fuellt)
    {
    }
    ArtBinder(const ArtBinder&) = delete;
    ArtBinder& operator=(const ArtBinder&) = delete;
    virtual ~ArtBinder() = default;

    // The widget of the entry's kind, limited by the entry.
    virtual QWidget* erzeuge(const Steuerelement& e, QWidget* parent) const = 0;
    // Connects the user's edits of `w` to `z` and the handlers.
    virtual Zeige binde(Bindungen& b, QWidget* w, const Steuerelement& e, SteuerZustand& z, Handler beiAenderung,
                        Handler beiVerlassen) const = 0;

    // The background in the named colour, or the parent's for Farbe::Standard.
    void faerbe(QWidget* w, Farbe f) const;

private:
    std::vector<QPalette::ColorRole> hintergrund_;
    bool fuellt_;
};

// The binder of a kind.
const ArtBinder& binderFuer(SteuerArt art);

// The binders, by the kinds they take (BinderEdit.cpp, BinderCombo.cpp,
// BinderKnopf.cpp, BinderListe.cpp, BinderAnzeige.cpp).
const ArtBinder& zeilenBinder();    // Edit, MaskEdit: a line edit
const ArtBinder& wertBinder();      // AdvEdit, ValueEdit, ValueLabEdit: the value edits
const ArtBinder& memoBinder();      // Memo
const ArtBinder& comboBinder();     // Combo, ComboEdit
const ArtBinder& checkBinder();     // Check
const ArtBinder& knopfBinder();     // Button, SpeedButton
const ArtBinder& listViewBinder();  // ListView
const ArtBinder& listBoxBinder();   // ListBox
const ArtBinder& seitenBinder();    // PageControl
const ArtBinder& panelBinder();     // Panel, Label
const ArtBinder& statusBinder();    // StatusBar

}  // namespace lx
