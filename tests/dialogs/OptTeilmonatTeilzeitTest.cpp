// Pages "Teilmonat" and "Teilzeit" of the options dialog as widgets: their
// controls under their names, the day fields' maximum, the pop-ups on the
// selected row. A partial month typed and applied end to end: tests/app.

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <memory>

#include "FakeDialoge.h"
#include "FesteUhr.h"
#include "GuiTest.h"
#include "LxNumEdit.h"
#include "ProgrammZustand.h"
#include "UnitOpt.h"
#include "optionen/TeilmonatTeilzeit.h"

namespace lx {
namespace {

class OptTeilmonatTeilzeitTest : public test::GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        p.haupt.text(Haupt::ComboMonat) = "Januar";
        p.haupt.text(Haupt::ComboJahr) = "2024";
        fenster = std::make_unique<TFrmOpt>(p, anzeige);
        // "Gehalt" 3.100,00 taken and mirrored into the lists.
        p.erfass.zeilen = {{.name = "Gehalt", .betrag = 3100.00_cur}};
        p.opt[Opt::TZLiBo].items = {"0"};
        p.opt[Opt::TALView].rows = {{.cells = {"Gehalt", "", "3.100,00", ""}}};
        p.opt[Opt::TZLView].rows = {{.cells = {"Gehalt", "", "", "3.100,00", ""}}};
        p.opt[Opt::ATZLView].rows = {{.cells = {"Gehalt", "ja", "3.100,00", "6.200,00"}}};
        p.opt[Opt::PfdLView].rows = {{.cells = {"Gehalt", "3.100,00", "x"}}};
    }
    void TearDown() override
    {
        fenster.reset();
        GuiTest::TearDown();
    }

    template <class W = QWidget>
    W* kind(const char* name)
    {
        auto* w = fenster->findChild<W*>(QString::fromUtf8(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    void seite(int n)
    {
        fenster->ZeigeSeite(n, {});
        ZeigeAktiv(fenster.get());
    }

    void waehle(const char* combo, Qt::Key taste)
    {
        auto* c = kind<QComboBox>(combo);
        c->setFocus();
        QTest::keyClick(c, taste);
    }

    QString zelle(const char* liste, int zeile, int spalte)
    {
        QTreeWidgetItem* item = kind<QTreeWidget>(liste)->topLevelItem(zeile);
        return item != nullptr ? item->text(spalte) : QStringLiteral("<keine Zeile>");
    }

    test::FakeDialoge dialoge;
    test::FesteUhr uhr{2024, 1, 15};
    ProgrammZustand p{dialoge, uhr};
    Anzeige anzeige;
    std::unique_ptr<TFrmOpt> fenster;
};

TEST_F(OptTeilmonatTeilzeitTest, ControlsStandUnderTheirNamesWithLabelsPresetsAndHelp)
{
    struct Fall {
        const char* name;
        const char* label;
        int hilfe;
    } faelle[] = {
        {"TBComboJaNein", "Teilmonatsberechnung:", 3010},
        {"TBVEdiVon", "Im aktuellen Abrechnungsmonat beschäftigt vom:", 3010},
        {"TBVEdiUB1Von", "Unterbrechung 1:", 3010},
        {"TBLEdiGrund2", "Grund 2:", 3010},
        {"TBComboRegel", "Kürzungsregel:", 3010},
        {"TZComboJaNein", "Teilzeitberechnung:", 3011},
        {"TZVEdiWoVZ", "Vollzeit-Wochenstunden:", 3011},
    };
    for (const Fall& f : faelle) {
        QWidget* w = kind(f.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->accessibleName(), QString::fromUtf8(f.label)) << f.name;
        EXPECT_EQ(w->property("HelpContext").toInt(), f.hilfe) << f.name;
        auto* lab = kind<QLabel>((std::string("Lab") + f.name).c_str());
        ASSERT_NE(lab, nullptr);
        EXPECT_EQ(lab->text(), QString::fromUtf8(f.label));
    }
    EXPECT_EQ(kind<QLineEdit>("TBVEdiBis")->text(), "31");
    EXPECT_EQ(kind<QLabel>("TALabCapTage")->text(), "Januar 2024 = ");
    EXPECT_EQ(kind<QLabel>("TALabKalArb")->text(), "31 Kalendertage / 23 Arbeitstage");
    EXPECT_EQ(kind<QLineEdit>("TZVEdiWoStd")->text(), "20,00");
    EXPECT_EQ(kind<QLineEdit>("TZVEdiWoVZ")->text(), "37,00");
    EXPECT_EQ(kind<QComboBox>("TBComboRegel")->currentText(),
              "Abwesenheitsregel ((30 - tats. Kal.-Tage + zu bez. Kal.-Tage) : 30 Tage)");
    EXPECT_EQ(kind<QPushButton>("TABtnUebernehmen")->toolTip(), "Ändert auch Steuer- und SV-Tage");
    EXPECT_TRUE(kind("TZLiBo")->isHidden());
    QStringList pop;
    for (QAction* a : kind("TZLView")->actions()) pop.append(a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(pop, (QStringList{"Auf Teilzeit herunterrechnen", "Nicht herunterrechnen", "-", "Kaufmännisch runden",
                                "Auf volle € 0,10 runden", "Auf volle € 0,50 runden", "Auf volle € 1,00 runden"}));

    // The day fields' maximum follows the month.
    p.haupt.text(Haupt::ComboMonat) = "Februar";
    optionen::ActTeilmonatGrund(p);
    fenster->aktualisieren();
    EXPECT_EQ(kind<TLxNumEdit>("TBVEdiUB2Bis")->MaxValue(), 29_cur);
    EXPECT_EQ(kind<QLineEdit>("TBVEdiBis")->text(), "29");
}

TEST_F(OptTeilmonatTeilzeitTest, PartTimePopUpsActOnTheSelectedRow)
{
    seite(10);
    waehle("TZComboJaNein", Qt::Key_Up);
    EXPECT_EQ(zelle("TZLView", 0, 4), "1.675,68");
    auto* liste = kind<QTreeWidget>("TZLView");
    liste->setCurrentItem(liste->topLevelItem(0));
    kind<QAction>("TZPop100")->trigger();
    EXPECT_EQ(zelle("TZLView", 0, 2), "1,00");
    EXPECT_EQ(zelle("TZLView", 0, 4), "1.676,00");
    kind<QAction>("TZPopNicht")->trigger();
    EXPECT_EQ(zelle("TZLView", 0, 4), "3.100,00");
    QTest::mouseClick(kind<QPushButton>("TZBtnUebernehmen"), Qt::LeftButton);
    EXPECT_EQ(p.erfass.tzStatus, Status::Uebernommen);
    EXPECT_EQ(p.erfass[Erfass::StatusBar1].items[2], "20,00 Wo.Std.");
    EXPECT_EQ(p.haupt.panel(kPanelStunden), "20,00 Wo.Std.");
}

}  // namespace
}  // namespace lx
