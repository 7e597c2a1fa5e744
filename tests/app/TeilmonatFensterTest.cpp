// A partial month in the running program: a row taken in the entry dialog,
// reduced and applied on the options page "Teilmonat" by real key presses and
// clicks, switched off again by a click on the entry dialog's indicator.

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>

#include "Binder.h"
#include "FesteUhr.h"
#include "GuiTest.h"
#include "MainUnit.h"
#include "Program.h"
#include "TempDir.h"
#include "UnitErfass.h"
#include "UnitOpt.h"
#include "hauptfenster/Programmstart.h"

namespace lx {
namespace {

namespace fs = std::filesystem;

class TeilmonatFensterTest : public test::GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        ordner = test::uniqueTempDir("lx-teilmonat");
        fs::create_directories(ordner);
        std::ofstream(ordner / kHilfeDateiName) << "x";
        fenster = startProgram(*qApp, {.uhr = &uhr, .programmOrdner = QString::fromStdString(ordner.string())});
    }
    void TearDown() override
    {
        fenster.reset();
        fs::remove_all(ordner);
        GuiTest::TearDown();
    }
    template <class W = QWidget>
    static W* Feld(QWidget* fenster, const char* name)
    {
        auto* w = fenster->findChild<W*>(QString::fromUtf8(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    static void Waehle(QComboBox* combo, Qt::Key taste)
    {
        combo->setFocus();
        QTest::keyClick(combo, taste);
    }
    static QString Panel(QWidget* fenster, const char* name) { return Feld<QLabel>(fenster, name)->text(); }

    fs::path ordner;
    test::FesteUhr uhr{2024, 1, 15};
    std::unique_ptr<ProgramWindows> fenster;
};

TEST_F(TeilmonatFensterTest, EntryOnTheSixteenthAppliedAndSwitchedOffByTheIndicator)
{
    TFrmErfass* erfass = fenster->frmErfass.get();
    ZeigeAktiv(erfass);
    auto* betrag = Feld<QLineEdit>(erfass, "VEdiBetrag");
    betrag->setFocus();
    betrag->selectAll();
    QTest::keyClicks(betrag, QStringLiteral("3100"));
    QTest::keyClick(betrag, Qt::Key_Return);
    auto* lv = Feld<QTreeWidget>(erfass, "LView");
    ASSERT_EQ(lv->topLevelItemCount(), 1);
    EXPECT_EQ(lv->topLevelItem(0)->text(1), "3.100,00");

    TFrmOpt* opt = fenster->frmOpt.get();
    opt->ZeigeSeite(9, {});
    ZeigeAktiv(opt);
    Waehle(Feld<QComboBox>(opt, "TBComboJaNein"), Qt::Key_Up);
    auto* von = Feld<QLineEdit>(opt, "TBVEdiVon");
    von->setFocus();
    von->selectAll();
    Tippe(von, "16");
    Waehle(Feld<QComboBox>(opt, "TBComboRegel"), Qt::Key_Up);
    QTest::mouseClick(Feld<QPushButton>(opt, "TABtnAktualisieren"), Qt::LeftButton);
    QTest::mouseClick(Feld<QPushButton>(opt, "TABtnUebernehmen"), Qt::LeftButton);
    Ereignisse();

    EXPECT_EQ(lv->topLevelItem(0)->text(1), "1.600,00");
    ASSERT_EQ(lv->columnCount(), 10);
    EXPECT_EQ(lv->headerItem()->text(9), "TA");
    EXPECT_EQ(lv->topLevelItem(0)->text(9), "x");
    EXPECT_EQ(Panel(erfass, "StatusBar1Panel0"), "Eintritt 16.01.2024");
    QMainWindow* haupt = fenster->form1.get();
    EXPECT_EQ(Panel(haupt, "StatusBarPanel0"), "Eintritt 16.01.2024");
    EXPECT_EQ(Panel(haupt, "StatusBarPanel3"), "TA");
    EXPECT_TRUE(erfass->isVisible());
    EXPECT_FALSE(opt->isVisible());
    auto* ta = Feld<TLxPanel>(erfass, "PnlTBAktiv");
    EXPECT_EQ(ta->palette().color(ta->backgroundRole()), qtFarbe(Farbe::Lime));

    QTest::mouseClick(ta, Qt::LeftButton);
    EXPECT_EQ(lv->topLevelItem(0)->text(1), "3.100,00");
    EXPECT_EQ(lv->columnCount(), 9);
    EXPECT_EQ(Panel(erfass, "StatusBar1Panel0"), "");
    EXPECT_EQ(Panel(haupt, "StatusBarPanel0"), "");
    EXPECT_EQ(Panel(haupt, "StatusBarPanel3"), "");
    EXPECT_EQ(ta->palette().color(ta->backgroundRole()), qtFarbe(Farbe::BtnFace));
    EXPECT_EQ(Feld<QComboBox>(opt, "TBComboJaNein")->currentText(), "nein");
    EXPECT_TRUE(fehlerTexte.isEmpty()) << fehlerTexte.join("; ").toStdString();
}

}  // namespace
}  // namespace lx
