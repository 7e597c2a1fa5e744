#include "MainUnit.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "Abrechnungsfenster.h"
#include "Berechnen.h"
#include "Hauptfenster.h"
#include "LxErrorBox.h"
#include "LxValueLabEdit.h"
#include "Programmstart.h"
#include "Stammdaten.h"
#include "Version.h"

using lx::Haupt;

namespace {

// Widths that fit the field's longest text; the panels share the window's
// width with the deductions list.
int feldBreite(Haupt id)
{
    switch (id) {
        case Haupt::ComboJahr:
            return 70;
        case Haupt::ComboMonat:
            return 98;
        case Haupt::LEdiStKl:
        case Haupt::LxEdiBGR:
        case Haupt::LEdiGebJahr:
            return 50;
        case Haupt::LEdiFaktor:
            return 44;
        case Haupt::LEdiKiFB:
        case Haupt::MEdiKV:
        case Haupt::MEdiKVZus:
        case Haupt::ComboPVerh:
            return 64;
        case Haupt::ComboKiJaNein:
            return 75;
        case Haupt::LEdiStFB:
        case Haupt::LEdiBrutto:
        case Haupt::LEdiNetto:
            return 100;
        case Haupt::ComboZV:
            return 100;
        default:
            return 0;
    }
}

// Wide enough for the longest amount the program shows (fonts differ from
// the widths the tables give).
int betragsBreite(const QWidget* w)
{
    return w->fontMetrics().horizontalAdvance(QString::fromUtf8(lx::kLaengsterBetrag)) + 10;
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
    auto knopf = [&](Haupt id, const char* bild, lx::Bindungen::Handler h) {
        auto* k = bindungen_.feld<QToolButton>(p.haupt, id, leiste, std::move(h));
        k->setIcon(Bild(bild));
        leiste->addWidget(k);
    };
    knopf(Haupt::BtnNeu, "neu", [&p] { BtnNeuClick(p); });
    knopf(Haupt::BtnBrErfass, "erfassen", [&p] { BtnBrErfassClick(p); });
    knopf(Haupt::BtnBerechnen, "berechnen", [&p] { BtnBruttoNeuClick(p, Haupt::BtnBerechnen); });
    knopf(Haupt::BtnDetailberechnung, "detail", [&p] { BtnDetailberechnungClick(p); });
    knopf(Haupt::BtnDrucken, "drucken", [&p] { ActDrucken(p); });
    knopf(Haupt::BtnSpeichern, "speichern", [&p] { ActAbrSave(p); });
    knopf(Haupt::BtnOptionen, "optionen", [&p] { BtnOptionenClick(p); });
    knopf(Haupt::BtnStammSpeichern, "stammdaten", [&p] { ActStammSaveExecute(p); });
    knopf(Haupt::BtnHilfe, "hilfe", [&p] { BtnHilfeClick(p); });
    knopf(Haupt::BtnProgInto, "info", [&p] { BtnProgIntoClick(p); });
    knopf(Haupt::BtnSchliessen, "beenden", [&p] { BtnSchliessenClick(p); });

    auto* mitte = new QWidget(this);
    auto* spalten = new QHBoxLayout(mitte);
    spalten->setContentsMargins(4, 4, 4, 0);
    spalten->setSpacing(4);
    auto* links = new QVBoxLayout;
    spalten->addLayout(links);

    // A field in a row of a panel's grid: its caption (the value edits bring
    // their own) in column 0, the field in column 1.
    auto zeile = [&](QGridLayout* g, int reihe, Haupt id, QWidget* rahmen, lx::Bindungen::Handler h = {}) {
        QWidget* w = bindungen_.feld(p.haupt, id, rahmen, std::move(h));
        if (auto* lab = qobject_cast<TLxValueLabEdit*>(w)) {
            g->addWidget(lab->EditLabel(), reihe, 0);
        } else if (!p.haupt.element(id).label.empty()) {
            g->addWidget(lx::Bindungen::beschriftung(p.haupt.element(id), w, rahmen), reihe, 0);
        }
        g->addWidget(w, reihe, 1);
        g->setColumnStretch(3, 1);
        int breite = feldBreite(id);
        if (id == Haupt::LEdiBrutto || id == Haupt::LEdiNetto) breite = std::max(breite, betragsBreite(w));
        if (breite > 0) w->setFixedWidth(breite);
        return w;
    };
    auto gruppe = [&](const char* name, int hilfe) {
        auto* box = new QGroupBox(this);
        box->setObjectName(QString::fromUtf8(name));
        lx::setzeHilfe(box, hilfe);
        auto* g = new QGridLayout(box);
        g->setVerticalSpacing(2);
        g->setContentsMargins(6, 4, 6, 4);
        links->addWidget(box);
        return std::pair{box, g};
    };
    auto weiter = [&](QGridLayout* g, int reihe, Haupt id, QWidget* rahmen, int seite) {
        auto* b = bindungen_.feld<QPushButton>(p.haupt, id, rahmen, [&p, seite] { BtnOptionenClick(p, seite); });
        b->setFixedWidth(30);
        g->addWidget(b, reihe, 2);
    };
    auto nurZiffern = [](QWidget* w) {
        static_cast<TLxEditBase*>(w)->OnKeyPress = [](QChar& taste) {
            if (!lx::LxEdiBGRKeyPress(taste.unicode())) taste = QChar();
        };
    };

    {
        auto [box, g] = gruppe("PnlJahrMonat", 2000);
        auto* jahr = qobject_cast<QComboBox*>(zeile(g, 0, Haupt::ComboJahr, box));
        // A choice from the list applies at once; a typed year on ENTER or on
        // leaving the list, and only when it is not the year already taken.
        jahrGewaehlt_ = connect(jahr, &QComboBox::activated, this,
                                [this] { bindungen_.ausfuehren([this] { ActMMJJChange(p_); }); });
        jahrGetippt_ = connect(jahr->lineEdit(), &QLineEdit::editingFinished, this, [this] {
            if (p_.haupt.text(Haupt::ComboJahr) == p_.haupt.jahrAngenommen) return;
            bindungen_.ausfuehren([this] { ActMMJJChange(p_); });
        });
        auto* monat = bindungen_.feld(p.haupt, Haupt::ComboMonat, box, [&p] { ActMMJJChange(p); });
        monat->setFixedWidth(feldBreite(Haupt::ComboMonat));
        g->addWidget(monat, 0, 2);
    }
    {
        auto [box, g] = gruppe("PnlSteuer", 2002);
        // The factor beside the tax class, within the width of the fields
        // below: shown for class IV it moves and widens nothing.
        QWidget* klasse = zeile(g, 0, Haupt::LEdiStKl, box, [&p] { LEdiStKlChange(p); });
        g->removeWidget(klasse);
        auto* klasseFaktor = new QHBoxLayout;
        klasseFaktor->setSpacing(6);
        klasseFaktor->addWidget(klasse);
        auto* faktor = bindungen_.feld(p.haupt, Haupt::LEdiFaktor, box);
        faktor->setFixedWidth(feldBreite(Haupt::LEdiFaktor));
        klasseFaktor->addWidget(faktor);
        klasseFaktor->addStretch(1);
        g->addLayout(klasseFaktor, 0, 1);
        zeile(g, 1, Haupt::LEdiKiFB, box);
        zeile(g, 2, Haupt::LEdiStFB, box, [&p] { LEdiStFBChange(p); });
        zeile(g, 3, Haupt::ComboKiJaNein, box);
        weiter(g, 3, Haupt::BtnSteuerErfass, box, 0);
    }
    {
        auto [box, g] = gruppe("PnlSozVers", 3002);
        nurZiffern(zeile(g, 0, Haupt::LxEdiBGR, box, [&p] { LxEdiBGRChange(p); }));
        auto* vb = bindungen_.feld(p.haupt, Haupt::PnlVB, box);
        vb->setFixedWidth(30);
        g->addWidget(vb, 0, 2, Qt::AlignLeft);
        zeile(g, 1, Haupt::MEdiKV, box, [&p] { MEdiKVChange(p); });
        auto* zusatz = bindungen_.feld(p.haupt, Haupt::MEdiKVZus, box, [&p] { MEdiKVChange(p); });
        zusatz->setFixedWidth(feldBreite(Haupt::MEdiKVZus));
        g->addWidget(zusatz, 1, 2);
        zeile(g, 2, Haupt::ComboPVerh, box, [&p] { ComboPVerhChange(p); });
        nurZiffern(zeile(g, 3, Haupt::LEdiGebJahr, box));
        weiter(g, 3, Haupt::BtnSozVersErfass, box, 1);
    }
    {
        auto [box, g] = gruppe("PnlZV", 2005);
        zeile(g, 0, Haupt::ComboZV, box, [&p] { ComboZVChange(p); });
        weiter(g, 0, Haupt::BtnZVErfass, box, 2);
    }
    links->addStretch(1);

    auto* rechts = new QVBoxLayout;
    spalten->addLayout(rechts, 1);
    spalten->setStretch(0, 0);
    {
        auto* box = new QGroupBox(this);
        box->setObjectName(QStringLiteral("PnlBrutto"));
        lx::setzeHilfe(box, 2006);
        auto* g = new QGridLayout(box);
        // Narrow gaps: the fields take the widest amount and the window
        // still keeps its width.
        g->setContentsMargins(4, 4, 4, 4);
        g->setHorizontalSpacing(4);
        // ENTER in the gross or net field computes; the typed text is in the
        // state already, as ENTER does not leave the field.
        auto enter = [this](QWidget* w, Haupt feld) {
            auto* edit = static_cast<TLxEditBase*>(w);
            edit->OnKeyDown = [this, edit, feld](int& taste, Qt::KeyboardModifiers) {
                if (taste != Qt::Key_Return && taste != Qt::Key_Enter) return;
                bindungen_.ausfuehren([this, feld] { LEdiBruttoKeyDown(p_, feld); });
                // The run has written the fields, which ends a selection: ENTER
                // then removes no selected text (a whole-text one would empty the
                // field the run just filled).
                edit->deselect();
            };
        };
        enter(zeile(g, 0, Haupt::LEdiBrutto, box), Haupt::LEdiBrutto);
        auto* erfassen =
            bindungen_.feld<QPushButton>(p.haupt, Haupt::BtnBruttoErfass, box, [&p] { BtnBrErfassClick(p); });
        erfassen->setIcon(Bild("erfassen"));
        g->addWidget(erfassen, 0, 2);
        enter(zeile(g, 1, Haupt::LEdiNetto, box), Haupt::LEdiNetto);
        // The two recalculate buttons, of which at most one shows, share one
        // row under the fields, right-aligned so that they widen no column.
        // The row keeps its height while both are hidden: the fields and the
        // deductions list stay where they are in either mode.
        for (Haupt knopf : {Haupt::BtnBruttoNeu, Haupt::BtnNettoNeu}) {
            auto* b = bindungen_.feld(p.haupt, knopf, box, [&p, knopf] { BtnBruttoNeuClick(p, knopf); });
            QSizePolicy platz = b->sizePolicy();
            platz.setRetainSizeWhenHidden(true);
            b->setSizePolicy(platz);
            g->addWidget(b, 2, 0, 1, 3, Qt::AlignRight);
        }
        rechts->addWidget(box);
    }
    auto* abzuege = bindungen_.feld<QTreeWidget>(p.haupt, Haupt::LVAbz, mitte);
    const int betragsSpalte = std::max(p.haupt.element(Haupt::LVAbz).columns.at(1).width, betragsBreite(abzuege));
    rechts->addWidget(abzuege, 1);
    {
        auto* g = new QGridLayout;
        auto* stamm = qobject_cast<QComboBox*>(zeile(g, 0, Haupt::ComboStamm, mitte));
        stamm->setMinimumWidth(180);
        // A name chosen from the list loads at once; a typed one on ENTER or
        // when the field is left, and without inline completion.
        stamm->setCompleter(nullptr);
        stammGewaehlt_ = connect(stamm, &QComboBox::activated, this,
                                 [this, &p] { bindungen_.ausfuehren([&p] { lx::ComboStammChange(p); }); });
        stammGetippt_ = connect(stamm->lineEdit(), &QLineEdit::editingFinished, this,
                                [this, &p] { bindungen_.ausfuehren([&p] { lx::ComboStammEingabe(p); }); });
        rechts->addLayout(g);
    }
    bindungen_.feld(p.haupt, Haupt::LiBoUniversal, mitte);
    setCentralWidget(mitte);
    setStatusBar(bindungen_.feld<QStatusBar>(p.haupt, Haupt::StatusBar, this));

    anzeige.anmelden(this, [this] { aktualisieren(); });
    lx::runGuarded(this, [&p] { lx::FormCreate(p); });
    aktualisieren();
    // After the first refresh, which gave the columns the table's widths. The
    // list needs no more than its longest row name beside the widest amount,
    // so the window keeps its size with the wide amount column.
    abzuege->setColumnWidth(1, betragsSpalte);
    int namensSpalte = 0;
    for (const auto& zeile : p.haupt[Haupt::LVAbz].rows) {
        namensSpalte = std::max(namensSpalte,
                                abzuege->fontMetrics().horizontalAdvance(QString::fromStdString(zeile.cells.at(0))) + 16);
    }
    abzuege->setMinimumWidth(namensSpalte + betragsSpalte + 2 * abzuege->frameWidth());
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
