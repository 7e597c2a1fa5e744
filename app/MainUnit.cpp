#include "MainUnit.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <optional>
#include <tuple>
#include <utility>

#include "Bildschirm.h"
#include "HauptLayout.h"
#include "LxErrorBox.h"
#include "LxValueLabEdit.h"
#include "gemeinsam/Version.h"
#include "hauptfenster/Hauptfenster.h"
#include "hauptfenster/Programmstart.h"
#include "stammdaten/Stammdaten.h"

using lx::Haupt;

namespace {

// Wide enough for the longest amount the program shows (fonts differ from
// the widths the tables give).
int betragsBreite(const QWidget* w)
{
    return w->fontMetrics().horizontalAdvance(QString::fromUtf8(lx::kLaengsterBetrag)) + 10;
}

// The deductions list needs no more than its longest row name beside the
// widest amount, so the window keeps its size with the wide amount column.
void abzuegeBreite(QTreeWidget* abzuege, const lx::HauptZustand& haupt)
{
    const int betragsSpalte = std::max(haupt.element(Haupt::LVAbz).columns.at(1).width, betragsBreite(abzuege));
    abzuege->setColumnWidth(1, betragsSpalte);
    int namensSpalte = 0;
    for (const auto& zeile : haupt[Haupt::LVAbz].rows) {
        namensSpalte = std::max(
            namensSpalte, abzuege->fontMetrics().horizontalAdvance(QString::fromStdString(zeile.cells.at(0))) + 16);
    }
    abzuege->setMinimumWidth(namensSpalte + betragsSpalte + 2 * abzuege->frameWidth());
}

lx::Bindungen::Handler handler(lx::ProgrammZustand& p, lx::HauptHandler h)
{
    if (h == nullptr) return {};
    return [&p, h] { h(p); };
}

// A group in its column: the widget its fields belong to and their grid
// (none for a widget alone in its column).
std::pair<QWidget*, QGridLayout*> gruppe(const lx::HauptGruppenPlatz& g, QWidget* fenster, QWidget* mitte,
                                         QVBoxLayout* spalte)
{
    switch (g.art) {
        case lx::GruppenArt::Panel: {
            auto* box = new QGroupBox(fenster);
            box->setObjectName(QString::fromUtf8(g.name.data(), static_cast<qsizetype>(g.name.size())));
            lx::setzeHilfe(box, g.hilfe);
            auto* raster = new QGridLayout(box);
            if (g.spaltenAbstand >= 0) raster->setHorizontalSpacing(g.spaltenAbstand);
            if (g.zeilenAbstand >= 0) raster->setVerticalSpacing(g.zeilenAbstand);
            raster->setContentsMargins(g.rand);
            spalte->addWidget(box);
            return {box, raster};
        }
        case lx::GruppenArt::Raster: {
            auto* raster = new QGridLayout;
            spalte->addLayout(raster);
            return {mitte, raster};
        }
        case lx::GruppenArt::Allein:
            break;
    }
    return {mitte, nullptr};
}

// The field `w` where its place says, `vorig` the field placed before it.
void setze(const lx::HauptPlatz& platz, const lx::Steuerelement& e, QWidget* w, QWidget* vorig, QGridLayout* raster)
{
    switch (platz.stelle) {
        case lx::Stelle::Feld:
            if (auto* lab = qobject_cast<TLxValueLabEdit*>(w)) {
                raster->addWidget(lab->EditLabel(), platz.reihe, 0);
            } else if (!e.label.empty()) {
                raster->addWidget(lx::Bindungen::beschriftung(e, w, w->parentWidget()), platz.reihe, 0);
            }
            raster->addWidget(w, platz.reihe, 1);
            raster->setColumnStretch(3, 1);
            break;
        case lx::Stelle::NebenFeld: {
            raster->removeWidget(vorig);
            auto* zeile = new QHBoxLayout;
            zeile->setSpacing(6);
            zeile->addWidget(vorig);
            zeile->addWidget(w);
            zeile->addStretch(1);
            raster->addLayout(zeile, platz.reihe, 1);
            break;
        }
        case lx::Stelle::Zelle:
            if (platz.spannweite == 1) {
                raster->addWidget(w, platz.reihe, platz.spalte, platz.ausrichtung);
            } else {
                raster->addWidget(w, platz.reihe, platz.spalte, 1, platz.spannweite, platz.ausrichtung);
            }
            break;
    }
    int breite = platz.breite;
    if (platz.betragsBreite) breite = std::max(breite, betragsBreite(w));
    if (breite > 0) w->setFixedWidth(breite);
    if (platz.haeltPlatz) {
        QSizePolicy platzHalten = w->sizePolicy();
        platzHalten.setRetainSizeWhenHidden(true);
        w->setSizePolicy(platzHalten);
    }
}

}  // namespace

QIcon TForm1::Bild(const char* name)
{
    [[maybe_unused]] static const bool geladen = [] {
        Q_INIT_RESOURCE(bilder);
        return true;
    }();
    return QIcon(QStringLiteral(":/bilder/%1.svg").arg(QLatin1String(name)));
}

TForm1::TForm1(lx::ProgrammZustand& p, lx::Anzeige& anzeige) : QMainWindow(nullptr), p_(p), bindungen_(this, anzeige)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(lx::kAppTitle) + u' ' + QString::fromUtf8(lx::kVersion));
    lx::setzeHilfe(this, 1001);
    resize(645, 518);

    auto* leiste = new QToolBar(this);
    leiste->setObjectName(QStringLiteral("ToolBar1"));
    leiste->setMovable(false);
    leiste->setFloatable(false);
    addToolBar(leiste);
    for (const lx::HauptWerkzeug& werkzeug : lx::hauptWerkzeuge()) {
        auto* k = bindungen_.feld<QToolButton>(p.haupt, werkzeug.id, leiste, handler(p, werkzeug.klick));
        k->setIcon(Bild(werkzeug.bild));
        leiste->addWidget(k);
    }

    auto* mitte = new QWidget(this);
    mitte->setObjectName(QStringLiteral("Mitte"));
    auto* spalten = new QHBoxLayout(mitte);
    spalten->setContentsMargins(4, 4, 4, 0);
    spalten->setSpacing(4);
    auto* links = new QVBoxLayout;
    auto* rechts = new QVBoxLayout;
    spalten->addLayout(links);
    spalten->addLayout(rechts, 1);
    spalten->setStretch(0, 0);

    std::array<QWidget*, static_cast<std::size_t>(Haupt::kAnzahl)> felder{};
    std::optional<lx::HauptGruppe> offen;
    QWidget* rahmen = nullptr;
    QGridLayout* raster = nullptr;
    QWidget* vorig = nullptr;
    for (const lx::HauptPlatz& platz : lx::hauptPlaetze()) {
        const lx::HauptGruppenPlatz& g = lx::hauptGruppen()[static_cast<std::size_t>(platz.gruppe)];
        QVBoxLayout* spalte = g.rechts ? rechts : links;
        if (platz.gruppe != offen) {
            offen = platz.gruppe;
            std::tie(rahmen, raster) = gruppe(g, this, mitte, spalte);
        }
        QWidget* w = bindungen_.feld(p.haupt, platz.id, rahmen, handler(p, platz.beiAenderung));
        if (raster != nullptr) {
            setze(platz, p.haupt.element(platz.id), w, vorig, raster);
        } else {
            spalte->addWidget(w, 1);
        }
        if (platz.bild != nullptr) static_cast<QAbstractButton*>(w)->setIcon(Bild(platz.bild));
        if (platz.beiEnter != nullptr) EnterRechnet(static_cast<TLxEditBase*>(w), platz.beiEnter);
        felder[static_cast<std::size_t>(platz.id)] = w;
        vorig = w;
    }
    links->addStretch(1);
    auto feld = [&felder](Haupt id) { return felder[static_cast<std::size_t>(id)]; };

    // A year chosen from the list applies at once; a typed one on ENTER or on
    // leaving the list, and only when it is not the year already taken.
    auto* jahr = qobject_cast<QComboBox*>(feld(Haupt::ComboJahr));
    jahrGewaehlt_ =
        connect(jahr, &QComboBox::activated, this, [this] { bindungen_.ausfuehren([this] { ActMMJJChange(p_); }); });
    // The message box of a refused entry takes the focus, which ends the
    // editing a second time while the first run is still going: that second
    // end runs nothing, so one entry gives one box.
    jahrGetippt_ = connect(jahr->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        if (p_.haupt.text(Haupt::ComboJahr) == p_.haupt.jahrAngenommen || eingabeLaeuft_) return;
        const QScopedValueRollback laeuft(eingabeLaeuft_, true);
        bindungen_.ausfuehren([this] { ActMMJJChange(p_); });
    });
    // A name chosen from the list loads at once; a typed one on ENTER or
    // when the field is left, and without inline completion.
    auto* stamm = qobject_cast<QComboBox*>(feld(Haupt::ComboStamm));
    stamm->setMinimumWidth(180);
    stamm->setCompleter(nullptr);
    stammGewaehlt_ = connect(stamm, &QComboBox::activated, this,
                             [this, &p] { bindungen_.ausfuehren([&p] { lx::ComboStammChange(p); }); });
    stammGetippt_ = connect(stamm->lineEdit(), &QLineEdit::editingFinished, this, [this, &p] {
        if (eingabeLaeuft_) return;
        const QScopedValueRollback laeuft(eingabeLaeuft_, true);
        bindungen_.ausfuehren([&p] { lx::ComboStammEingabe(p); });
    });

    // The net amounts of the net-marked items: never shown.
    bindungen_.feld(p.haupt, Haupt::LiBoUniversal, mitte);
    // Below its toolbar and above its status bar the window scrolls on a screen smaller than it.
    setCentralWidget(lx::rollbar(mitte, this));
    setStatusBar(bindungen_.feld<QStatusBar>(p.haupt, Haupt::StatusBar, this));

    anzeige.anmelden(this, [this] { aktualisieren(); });
    lx::runGuarded(this, [&p] { lx::FormCreate(p); });
    aktualisieren();
    // After the first refresh, which gave the columns the table's widths.
    abzuegeBreite(qobject_cast<QTreeWidget*>(feld(Haupt::LVAbz)), p.haupt);
}

void TForm1::EnterRechnet(TLxEditBase* edit, lx::HauptHandler h)
{
    // The typed text is in the state already, as ENTER does not leave the field.
    edit->OnKeyDown = [this, edit, h](int& taste, Qt::KeyboardModifiers) {
        if (taste != Qt::Key_Return && taste != Qt::Key_Enter) return;
        bindungen_.ausfuehren([this, h] { h(p_); });
        // The run has written the fields, which ends a selection: ENTER then
        // removes no selected text (a whole-text one would empty the field the
        // run just filled).
        edit->deselect();
    };
}

TForm1::~TForm1()
{
    // The focus leaves the year list while the children go, after this window's part.
    disconnect(jahrGewaehlt_);
    disconnect(jahrGetippt_);
    disconnect(stammGewaehlt_);
    disconnect(stammGetippt_);
}

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    lx::einpassen(*this);
    // FormShow keeps its own once-only mark: minimising and showing again
    // sends further show events.
    bindungen_.ausfuehren([this] { lx::FormShow(p_); });
}

void TForm1::closeEvent(QCloseEvent* event)
{
    event->accept();
    // The open dialogs would keep the event loop running.
    QCoreApplication::quit();
}
