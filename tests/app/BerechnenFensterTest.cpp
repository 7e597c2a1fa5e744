// The calculation through the main window's widgets: ENTER typed into the
// gross and net fields fills the deductions list and the other field.

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "AmountText.h"
#include "LxMath.h"
#include "Nettobetrag.h"
#include "ProgrammTest.h"

namespace lx {
namespace {

class BerechnenFensterTest : public test::ProgrammTest {};

TEST_F(BerechnenFensterTest, EnterInTheGrossFieldAndBackFromTheNet)
{
    auto* brutto = w<QLineEdit>("LEdiBrutto");
    auto* netto = w<QLineEdit>("LEdiNetto");
    auto* liste = w<QTreeWidget>("LVAbz");
    ASSERT_NE(brutto, nullptr);
    ASSERT_NE(netto, nullptr);
    ASSERT_NE(liste, nullptr);

    Ueberschreibe(brutto, "3000\r");
    const TLohnGehalt& lg = p().LohnGehalt;
    ASSERT_EQ(lg.GegebeneEingaben().FStBrutto, 3000.00_cur);
    const auto abzuege = AbzugsBetraege(lg);
    const char* namen[] = {"Lohnsteuer",         "Solidaritätszuschlag",     "Kirchensteuer",     "Krankenversicherung",
                           "Rentenversicherung", "Arbeitslosenversicherung", "Pflegeversicherung"};
    ASSERT_EQ(liste->topLevelItemCount(), 7);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(liste->topLevelItem(i)->text(0), QString::fromUtf8(namen[i]));
        EXPECT_EQ(liste->topLevelItem(i)->text(1), QString::fromStdString(formatAmount(abzuege[i]))) << namen[i];
    }
    EXPECT_LT(abzuege[0], 0_cur);
    const Currency n = NettoBrutto(lg, 3000.00_cur);
    EXPECT_EQ(netto->text(), QString::fromStdString(formatAmount(n)));
    EXPECT_TRUE(brutto->hasFocus()) << "ENTER stays in the field";
    EXPECT_TRUE(w<QPushButton>("BtnBruttoNeu")->isVisible());
    EXPECT_FALSE(w<QPushButton>("BtnNettoNeu")->isVisible());

    // ENTER on that net finds a gross with the same net (the field is
    // entered as by Tab: its whole text selected).
    netto->setFocus();
    ASSERT_TRUE(netto->hasSelectedText());
    Tippe(netto, "\r");
    EXPECT_EQ(p().haupt[Haupt::LEdiNetto].tag, 1);
    EXPECT_EQ(netto->text(), QString::fromStdString(formatAmount(n)));
    const Currency gefunden = StrToCurr(OhnePunkte(brutto->text().toStdString()));
    EXPECT_EQ(NettoLaufend(lg, gefunden), n);
    EXPECT_EQ(lg.GegebeneEingaben().FStBrutto, gefunden);
    EXPECT_TRUE(w<QPushButton>("BtnNettoNeu")->isVisible());
    EXPECT_FALSE(w<QPushButton>("BtnBruttoNeu")->isVisible());
    EXPECT_TRUE(dialoge.aufrufe.empty()) << testing::PrintToString(dialoge.protokoll());
    EXPECT_TRUE(fehlerTexte.isEmpty()) << fehlerTexte.join(u'\n').toStdString();
}

}  // namespace
}  // namespace lx
