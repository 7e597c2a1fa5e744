// The options dialog in the running program: the toolbar opens it on
// "Lohnsteuer", a check's request shows a page with the focus in a field, the
// first show brings month and year over, "Schließen" hides it.

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <fstream>

#include "FesteUhr.h"
#include "GuiTest.h"
#include "MainUnit.h"
#include "Program.h"
#include "Programmstart.h"
#include "UnitOpt.h"

namespace lx {
namespace {

namespace fs = std::filesystem;

class OptionenProgrammTest : public test::GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        ordner = fs::temp_directory_path() /
                 (std::string("lx-opt-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(ordner);
        std::ofstream(ordner / kHilfeDateiName) << "x";
        fenster = startProgram(*qApp, {.uhr = &uhr, .programmOrdner = QString::fromStdString(ordner.string())});
        ZeigeAktiv(fenster->form1.get());
    }
    void TearDown() override
    {
        fenster.reset();
        fs::remove_all(ordner);
        GuiTest::TearDown();
    }

    TFrmOpt* frm() const { return fenster->frmOpt.get(); }

    fs::path ordner;
    test::FesteUhr uhr{2024, 5, 10};
    std::unique_ptr<ProgramWindows> fenster;
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
