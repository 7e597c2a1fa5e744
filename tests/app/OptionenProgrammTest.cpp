// The options dialog in the running program: the toolbar opens it on
// "Lohnsteuer", a check's request shows a page with the focus in a field, the
// first show brings month and year over, "Schließen" hides it.

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "ProgrammTest.h"
#include "UnitOpt.h"

namespace lx {
namespace {

class OptionenProgrammTest : public test::ProgrammTest {
protected:
    OptionenProgrammTest() : ProgrammTest(test::Meldungen::Programm) {}

    TFrmOpt* frm() const { return fenster->frmOpt.get(); }
};

TEST_F(OptionenProgrammTest, ToolbarOpensTheDialogOnLohnsteuerWithMonthAndYearOfTheMainWindow)
{
    QTest::mouseClick(fenster->form1->findChild<QToolButton*>("BtnOptionen"), Qt::LeftButton);
    ASSERT_TRUE(frm()->isVisible());
    EXPECT_EQ(frm()->PageCtrl->count(), 12);
    EXPECT_EQ(frm()->PageCtrl->tabText(frm()->PageCtrl->currentIndex()), QStringLiteral("Lohnsteuer"));
    EXPECT_EQ(frm()->findChild<QComboBox*>("ComboMonat")->currentText(), QStringLiteral("Mai"));
    EXPECT_EQ(frm()->findChild<QComboBox*>("ComboJahr")->currentText(), QStringLiteral("2024"));

    QTest::mouseClick(frm()->findChild<QPushButton*>("BtnSchliessen"), Qt::LeftButton);
    EXPECT_FALSE(frm()->isVisible());
    EXPECT_TRUE(fehlerTexte.isEmpty());
}

TEST_F(OptionenProgrammTest, RequestShowsPensionPaymentsWithTheFocusInTheFirstPayment)
{
    fenster->dialogeQt->OptionenZeigen(5, "VBVEdiErsterVers");
    ASSERT_TRUE(QTest::qWaitForWindowActive(frm()));
    EXPECT_EQ(frm()->PageCtrl->currentIndex(), 5);
    EXPECT_EQ(QApplication::focusWidget(), frm()->findChild<QWidget*>("VBVEdiErsterVers"));
}

}  // namespace
}  // namespace lx
