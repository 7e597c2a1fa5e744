// The binder on a table of its own: a refresh shows the state and runs no
// handler, a user's edit writes the state and runs its handler once, a
// drop-down list shows a text it does not list, and a handler that throws
// ends in the error box while the program goes on.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <memory>
#include <stdexcept>

#include "Binder.h"
#include "GuiTest.h"
#include "LxValueLabEdit.h"

namespace lx {
namespace {

enum class Probe {
    LEdiBetrag,
    ComboListe,
    ComboJahr,
    ChkHaken,
    LVListe,
    PnlFarbe,
    StatusBar,
    BtnKnopf,
    AEdiNachbar,
    kAnzahl
};

const std::vector<Eintrag<Probe>>& tabelle()
{
    static const std::vector<Eintrag<Probe>> t = {
        {Probe::LEdiBetrag,
         {.name = "LEdiBetrag",
          .kind = SteuerArt::ValueLabEdit,
          .label = "Betrag:",
          .hint = "Betrag eingeben",
          .min = -(100_cur),
          .max = 5000_cur,
          .preset = "0,00",
          .help = 4711}},
        {Probe::ComboListe,
         {.name = "ComboListe",
          .kind = SteuerArt::Combo,
          .label = "Kinder:",
          .items = {"0 Kinder", "1 Kind", "2 Kinder"},
          .preset = "0 Kinder"}},
        {Probe::ComboJahr,
         {.name = "ComboJahr", .kind = SteuerArt::ComboEdit, .items = {"2024", "2023"}, .preset = "2024"}},
        {Probe::ChkHaken, {.name = "ChkHaken", .kind = SteuerArt::Check, .label = "automatisch berechnen"}},
        {Probe::LVListe,
         {.name = "LVListe",
          .kind = SteuerArt::ListView,
          .columns = {{"Lohnart", 190}, {"Betrag", 90, Ausrichtung::Rechts}}}},
        {Probe::PnlFarbe, {.name = "PnlFarbe", .kind = SteuerArt::Panel, .preset = "TZ", .colour = Farbe::BtnFace}},
        {Probe::StatusBar,
         {.name = "StatusBar", .kind = SteuerArt::StatusBar, .items = {"", ""}, .columns = {{"", 100}, {"", 20}}}},
        {Probe::BtnKnopf, {.name = "BtnKnopf", .kind = SteuerArt::Button, .preset = "Übernehmen", .shortcut = "F5"}},
        {Probe::AEdiNachbar, {.name = "AEdiNachbar", .kind = SteuerArt::AdvEdit}},
    };
    return t;
}

class BinderTest : public test::GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        fenster = std::make_unique<QWidget>();
        fenster->resize(500, 400);
        auto* layout = new QVBoxLayout(fenster.get());
        bindungen = std::make_unique<Bindungen>(fenster.get(), anzeige);
        anzeige.anmelden(fenster.get(), [this] { bindungen->zeigen(); });
        auto zaehle = [this](Probe id) { return [this, id] { ++laeufe[static_cast<int>(id)]; }; };
        betrag = bindungen->feld<TLxValueLabEdit>(f, Probe::LEdiBetrag, fenster.get(), zaehle(Probe::LEdiBetrag),
                                                  [this] { ++verlassen; });
        layout->addWidget(betrag->EditLabel());
        layout->addWidget(betrag);
        liste = bindungen->feld<QComboBox>(f, Probe::ComboListe, fenster.get(), zaehle(Probe::ComboListe));
        jahr = bindungen->feld<QComboBox>(f, Probe::ComboJahr, fenster.get(), zaehle(Probe::ComboJahr));
        haken = bindungen->feld<QCheckBox>(f, Probe::ChkHaken, fenster.get(), zaehle(Probe::ChkHaken));
        lv = bindungen->feld<QTreeWidget>(f, Probe::LVListe, fenster.get(), zaehle(Probe::LVListe));
        panel = bindungen->feld<TLxPanel>(f, Probe::PnlFarbe, fenster.get(), zaehle(Probe::PnlFarbe));
        bar = bindungen->feld<QStatusBar>(f, Probe::StatusBar, fenster.get());
        knopf = bindungen->feld<QPushButton>(f, Probe::BtnKnopf, fenster.get(), [this] {
            ++laeufe[static_cast<int>(Probe::BtnKnopf)];
            if (werfen) throw std::runtime_error("'x' ist kein gültiger Gleitkommawert");
            f.text(Probe::LEdiBetrag) = "7,00";
        });
        nachbar = bindungen->feld<QLineEdit>(f, Probe::AEdiNachbar, fenster.get());
        for (QWidget* w : std::initializer_list<QWidget*>{liste, jahr, haken, lv, panel, bar, knopf, nachbar}) {
            layout->addWidget(w);
        }
    }
    void TearDown() override
    {
        bindungen.reset();
        fenster.reset();
        GuiTest::TearDown();
    }

    int summeLaeufe() const
    {
        int n = 0;
        for (int l : laeufe) n += l;
        return n + verlassen;
    }

    FensterZustand<Probe> f{tabelle()};
    Anzeige anzeige;
    std::unique_ptr<QWidget> fenster;
    std::unique_ptr<Bindungen> bindungen;
    TLxValueLabEdit* betrag = nullptr;
    QComboBox* liste = nullptr;
    QComboBox* jahr = nullptr;
    QCheckBox* haken = nullptr;
    QTreeWidget* lv = nullptr;
    TLxPanel* panel = nullptr;
    QStatusBar* bar = nullptr;
    QPushButton* knopf = nullptr;
    QLineEdit* nachbar = nullptr;
    int laeufe[static_cast<int>(Probe::kAnzahl)] = {};
    int verlassen = 0;
    bool werfen = false;
};

TEST_F(BinderTest, WidgetsCarryTheirTableEntry)
{
    EXPECT_EQ(fenster->findChild<QWidget*>("LEdiBetrag"), betrag);
    EXPECT_EQ(betrag->EditLabel()->text(), "Betrag:");
    EXPECT_EQ(betrag->accessibleName(), "Betrag:");
    EXPECT_EQ(betrag->toolTip(), "Betrag eingeben");
    EXPECT_EQ(betrag->property(kHilfeKontext).toInt(), 4711);
    EXPECT_EQ(betrag->MinValue(), -(100_cur));
    EXPECT_EQ(betrag->MaxValue(), 5000_cur);
    EXPECT_EQ(betrag->text(), "0,00");
    EXPECT_EQ(haken->text(), "automatisch berechnen");
    EXPECT_EQ(knopf->text(), "Übernehmen");
    EXPECT_EQ(knopf->shortcut(), QKeySequence(Qt::Key_F5));
    ASSERT_EQ(lv->columnCount(), 2);
    EXPECT_EQ(lv->headerItem()->text(1), "Betrag");
    EXPECT_EQ(lv->columnWidth(0), 190);
    EXPECT_EQ(bar->findChild<QLabel*>("StatusBarPanel0")->width(), 100);
    EXPECT_EQ(bar->findChild<QLabel*>("StatusBarPanel1")->width(), 20);
}

TEST_F(BinderTest, RefreshShowsTheStateAndRunsNoHandler)
{
    ZeigeAktiv(fenster.get());
    f.text(Probe::LEdiBetrag) = "12,50";
    f[Probe::LEdiBetrag].enabled = false;
    f.text(Probe::ComboListe) = "2 Kinder";
    f[Probe::ComboListe].colour = Farbe::Red;
    f[Probe::ComboJahr].items = {"2024", "2023", "2022"};
    f.text(Probe::ComboJahr) = "2022";
    f[Probe::ChkHaken].checked = true;
    f[Probe::LVListe].rows = {Zeile{.cells = {"Gehalt", "3.000,00"}},
                              Zeile{.cells = {"VL", "-40,00"}, .image = 2, .colour = Farbe::Red}};
    f[Probe::LVListe].selected = 1;
    f.text(Probe::PnlFarbe) = "TA";
    f[Probe::PnlFarbe].colour = Farbe::Lime;
    f[Probe::StatusBar].items = {"Eintritt 01.05.2024", "TZ"};
    f[Probe::BtnKnopf].visible = false;
    anzeige.alles();

    EXPECT_EQ(betrag->text(), "12,50");
    EXPECT_FALSE(betrag->isEnabled());
    EXPECT_EQ(liste->currentText(), "2 Kinder");
    EXPECT_EQ(liste->palette().color(QPalette::Button), QColor(255, 0, 0));
    EXPECT_EQ(jahr->count(), 3);
    EXPECT_EQ(jahr->currentText(), "2022");
    EXPECT_TRUE(haken->isChecked());
    ASSERT_EQ(lv->topLevelItemCount(), 2);
    EXPECT_EQ(lv->topLevelItem(1)->text(1), "-40,00");
    EXPECT_EQ(lv->topLevelItem(1)->foreground(1).color(), QColor(255, 0, 0));
    EXPECT_EQ(lv->topLevelItem(1)->textAlignment(1) & Qt::AlignRight, Qt::AlignRight);
    EXPECT_EQ(lv->currentItem(), lv->topLevelItem(1));
    EXPECT_TRUE(lv->topLevelItem(1)->isSelected());
    EXPECT_EQ(panel->text(), "TA");
    EXPECT_EQ(panel->palette().color(QPalette::Window), QColor(0, 255, 0));
    EXPECT_EQ(bar->findChild<QLabel*>("StatusBarPanel0")->text(), "Eintritt 01.05.2024");
    EXPECT_EQ(bar->findChild<QLabel*>("StatusBarPanel1")->text(), "TZ");
    EXPECT_FALSE(knopf->isVisible());
    EXPECT_EQ(summeLaeufe(), 0) << "a refresh ran a handler";
    EXPECT_EQ(f[Probe::LVListe].selected, 1);
}

TEST_F(BinderTest, TypedEditReachesTheStateAndRunsItsHandlersOnce)
{
    ZeigeAktiv(fenster.get());
    betrag->setFocus(Qt::TabFocusReason);
    betrag->selectAll();
    Tippe(betrag, "5");
    EXPECT_EQ(f.text(Probe::LEdiBetrag), "5");
    EXPECT_EQ(laeufe[static_cast<int>(Probe::LEdiBetrag)], 1);
    nachbar->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(f.text(Probe::LEdiBetrag), "5,00") << "the text as the field left it";
    EXPECT_EQ(verlassen, 1);

    haken->click();
    EXPECT_TRUE(f[Probe::ChkHaken].checked);
    EXPECT_EQ(laeufe[static_cast<int>(Probe::ChkHaken)], 1);

    jahr->lineEdit()->setFocus(Qt::TabFocusReason);
    jahr->lineEdit()->selectAll();
    Tippe(jahr->lineEdit(), "2");
    EXPECT_EQ(f.text(Probe::ComboJahr), "2");
    EXPECT_EQ(laeufe[static_cast<int>(Probe::ComboJahr)], 1);

    QTest::mouseClick(panel, Qt::LeftButton);
    QTest::mouseClick(panel, Qt::RightButton);
    EXPECT_EQ(laeufe[static_cast<int>(Probe::PnlFarbe)], 1) << "only a left click runs the panel's handler";

    knopf->click();
    EXPECT_EQ(laeufe[static_cast<int>(Probe::BtnKnopf)], 1);
    EXPECT_EQ(betrag->text(), "7,00") << "after a handler every window shows its state";
}

TEST_F(BinderTest, DropDownListShowsAndReturnsATextItDoesNotList)
{
    ZeigeAktiv(fenster.get());
    f.text(Probe::ComboListe) = "0";
    anzeige.alles();
    EXPECT_EQ(liste->currentIndex(), -1);
    EXPECT_EQ(liste->placeholderText(), "0");
    EXPECT_EQ(f.text(Probe::ComboListe), "0");
    EXPECT_EQ(liste->palette().color(QPalette::PlaceholderText), liste->palette().color(QPalette::Text))
        << "the unlisted text looks like any other";

    liste->setFocus(Qt::TabFocusReason);
    QTest::keyClick(liste, Qt::Key_Down);
    EXPECT_EQ(f.text(Probe::ComboListe), "0 Kinder");
    EXPECT_EQ(laeufe[static_cast<int>(Probe::ComboListe)], 1);
    f.text(Probe::ComboListe) = "1 Kind";
    anzeige.alles();
    EXPECT_EQ(liste->currentText(), "1 Kind");
}

TEST_F(BinderTest, HandlerThatThrowsShowsTheErrorBoxAndTheProgramGoesOn)
{
    ZeigeAktiv(fenster.get());
    werfen = true;
    knopf->click();
    EXPECT_EQ(fehlerTexte, QStringList{"'x' ist kein gültiger Gleitkommawert"});
    werfen = false;
    knopf->click();
    EXPECT_EQ(laeufe[static_cast<int>(Probe::BtnKnopf)], 2);
    EXPECT_EQ(betrag->text(), "7,00");
    EXPECT_EQ(fehlerTexte.size(), 1);
}

TEST_F(BinderTest, SelectingARowWritesTheState)
{
    f[Probe::LVListe].rows = {Zeile{.cells = {"Gehalt", "3.000,00"}}, Zeile{.cells = {"Prämie", "500,00"}}};
    anzeige.alles();
    ZeigeAktiv(fenster.get());
    QTest::mouseClick(lv->viewport(), Qt::LeftButton, {}, lv->visualItemRect(lv->topLevelItem(1)).center());
    EXPECT_EQ(f[Probe::LVListe].selected, 1);
    EXPECT_EQ(laeufe[static_cast<int>(Probe::LVListe)], 1);
}

}  // namespace
}  // namespace lx
