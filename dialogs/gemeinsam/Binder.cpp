#include "Binder.h"

#include <QAbstractButton>
#include <QSignalBlocker>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "BinderArten.h"
#include "LxErrorBox.h"

namespace lx {

namespace {

void zeigeSichtbarAktiv(QWidget* w, const SteuerZustand& z)
{
    if (w->isEnabled() != z.enabled) w->setEnabled(z.enabled);
    if (w->isHidden() == z.visible) w->setVisible(z.visible);
}

}  // namespace

QString qText(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QStringList qListe(const std::vector<std::string>& v)
{
    QStringList l;
    for (const std::string& s : v) l.append(qText(s));
    return l;
}

Qt::Alignment qtAusrichtung(Ausrichtung a)
{
    switch (a) {
        case Ausrichtung::Rechts:
            return Qt::AlignRight | Qt::AlignVCenter;
        case Ausrichtung::Mitte:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        case Ausrichtung::Links:
        case Ausrichtung::Standard:
            break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

void setzeHilfe(QWidget* w, int kontext)
{
    w->setProperty(kHilfeKontext, kontext);
}

QColor qtFarbe(Farbe f)
{
    switch (f) {
        case Farbe::Standard:
            return {};
        case Farbe::BtnFace:
            return QPalette().color(QPalette::Button);
        case Farbe::WindowText:
            return QPalette().color(QPalette::WindowText);
        case Farbe::Yellow:
            return QColor(0xff, 0xff, 0x00);
        case Farbe::Lime:
            return QColor(0x00, 0xff, 0x00);
        case Farbe::Red:
            return QColor(0xff, 0x00, 0x00);
        case Farbe::Green:
            return QColor(0x00, 0x80, 0x00);
        case Farbe::Maroon:
            return QColor(0x80, 0x00, 0x00);
        case Farbe::SkyBlue:
            return QColor(0xa6, 0xca, 0xf0);
        case Farbe::InactiveCaption:
            return QColor(0xbf, 0xcd, 0xdb);
    }
    return {};
}

void ArtBinder::faerbe(QWidget* w, Farbe f) const
{
    QPalette pal = w->parentWidget() != nullptr ? w->parentWidget()->palette() : QPalette();
    if (f != Farbe::Standard) {
        for (QPalette::ColorRole r : hintergrund_) pal.setColor(r, qtFarbe(f));
    }
    pal.setColor(QPalette::PlaceholderText, pal.color(QPalette::Text));
    w->setPalette(pal);
    if (fuellt_) w->setAutoFillBackground(f != Farbe::Standard);
}

const ArtBinder& binderFuer(SteuerArt art)
{
    switch (art) {
        case SteuerArt::Edit:
        case SteuerArt::MaskEdit:
            return zeilenBinder();
        case SteuerArt::AdvEdit:
        case SteuerArt::ValueEdit:
        case SteuerArt::ValueLabEdit:
            return wertBinder();
        case SteuerArt::Memo:
            return memoBinder();
        case SteuerArt::Combo:
        case SteuerArt::ComboEdit:
            return comboBinder();
        case SteuerArt::Check:
            return checkBinder();
        case SteuerArt::Button:
        case SteuerArt::SpeedButton:
            return knopfBinder();
        case SteuerArt::ListView:
            return listViewBinder();
        case SteuerArt::ListBox:
            return listBoxBinder();
        case SteuerArt::PageControl:
            return seitenBinder();
        case SteuerArt::Panel:
        case SteuerArt::Label:
            return panelBinder();
        case SteuerArt::StatusBar:
            return statusBinder();
    }
    throw std::logic_error("no binder for the kind of " + std::to_string(static_cast<int>(art)));
}

void Anzeige::anmelden(QObject* fenster, std::function<void()> zeigen)
{
    fenster_.push_back({fenster, std::move(zeigen)});
}

void Anzeige::alles()
{
    // A window may register while the others refresh; index, not iterators.
    for (std::size_t i = 0; i < fenster_.size(); ++i) {
        if (!fenster_[i].fenster.isNull()) fenster_[i].zeigen();
    }
}

std::vector<QObject*> Anzeige::fenster() const
{
    std::vector<QObject*> alle;
    for (const Eintrag& e : fenster_) {
        if (!e.fenster.isNull()) alle.push_back(e.fenster);
    }
    return alle;
}

QWidget* Bindungen::erzeuge(const Steuerelement& e, QWidget* parent)
{
    QWidget* w = binderFuer(e.kind).erzeuge(e, parent);
    w->setObjectName(qText(e.name));
    const std::string_view zugang = !e.label.empty() ? e.label : e.hint;
    if (!zugang.empty()) w->setAccessibleName(qText(zugang));
    if (!e.hint.empty()) w->setToolTip(qText(e.hint));
    if (e.help != 0) setzeHilfe(w, e.help);
    if (auto* knopf = qobject_cast<QAbstractButton*>(w); knopf != nullptr && !e.shortcut.empty()) {
        knopf->setShortcut(QKeySequence(qText(e.shortcut)));
    }
    return w;
}

QLabel* Bindungen::beschriftung(const Steuerelement& e, QWidget* feld, QWidget* parent)
{
    auto* label = new QLabel(qText(e.label), parent);
    label->setObjectName(QStringLiteral("Lab") + qText(e.name));
    label->setBuddy(feld);
    return label;
}

void Bindungen::ausfuehren(const Handler& h)
{
    if (h) runGuarded(fenster_, h);
    anzeige_.alles();
}

void Bindungen::nachEdit(SteuerZustand& z, const QString& text, const Handler& h)
{
    z.text = text.toStdString();
    if (h && !zeigt_) ausfuehren(h);
}

void Bindungen::zeigen()
{
    const bool vorher = zeigt_;
    zeigt_ = true;
    for (const Bindung& b : bindungen_) {
        if (!b.widget.isNull()) b.zeige();
    }
    zeigt_ = vorher;
}

void Bindungen::binde(QWidget* w, const Steuerelement& e, SteuerZustand& z, Handler beiAenderung, Handler beiVerlassen)
{
    const ArtBinder& binder = binderFuer(e.kind);
    QPointer<QWidget> ziel(w);
    auto farbe = std::make_shared<std::optional<Farbe>>();
    // What every kind shows: enabled, visible and the background colour.
    auto allgemein = [ziel, &z, farbe, &binder] {
        zeigeSichtbarAktiv(ziel, z);
        if (farbe->value_or(Farbe::Standard) != z.colour || !farbe->has_value()) {
            *farbe = z.colour;
            binder.faerbe(ziel, z.colour);
        }
    };
    ArtBinder::Zeige zeige = binder.binde(*this, w, e, z, std::move(beiAenderung), std::move(beiVerlassen));

    // The text first: disabling or hiding the focused field leaves it, and it
    // must leave it with the new text.
    auto zeigeAlles = [ziel, allgemein, zeige] {
        const QSignalBlocker blocker(ziel);
        zeige();
        allgemein();
    };
    bindungen_.push_back({ziel, zeigeAlles});
    zeigeAlles();
}

}  // namespace lx
