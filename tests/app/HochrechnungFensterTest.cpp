// The gross-up in the running program: a net-marked item typed into the entry
// dialog, "Schließen und berechnen", and the main window's gross and net.

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>

#include "AmountText.h"
#include "FakeDialoge.h"
#include "FesteUhr.h"
#include "GuiTest.h"
#include "LxAdvEdit.h"
#include "MainUnit.h"
#include "Nettobetrag.h"
#include "Program.h"
#include "TempDir.h"
#include "UnitErfass.h"
#include "berechnung/Hochrechnung.h"
#include "hauptfenster/Programmstart.h"

namespace lx {
namespace {

namespace fs = std::filesystem;

class HochrechnungFensterTest : public test::GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        ordner = test::uniqueTempDir("lx-hochrechnung-fenster");
        fs::create_directories(ordner);
        std::ofstream(ordner / kHilfeDateiName) << "x";
        fenster = startProgram(
            *qApp, {.dialoge = &dialoge, .uhr = &uhr, .programmOrdner = QString::fromStdString(ordner.string())});
        dlg = fenster->frmErfass.get();
        ZeigeAktiv(dlg);
        dialoge.leeren();
    }
    void TearDown() override
    {
        fenster.reset();
        fs::remove_all(ordner);
        GuiTest::TearDown();
    }
    template <class W>
    W* Feld(QWidget* in, const char* name)
    {
        auto* w = in->findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void Tippe(QWidget* feld, const QString& text, bool ersetzen = true)
    {
        feld->setFocus(Qt::TabFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(feld); edit && ersetzen) edit->selectAll();
        for (QChar c : text) {  // keyClicks knows no umlauts
            QKeyEvent druck(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QString(c));
            QKeyEvent los(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QString(c));
            QApplication::sendEvent(feld, &druck);
            QApplication::sendEvent(feld, &los);
        }
    }
    // Name, amount and the NT mark typed into the band, then ENTER in the NT cell.
    void Zeile(const char* name, const char* betrag, bool netto)
    {
        Tippe(Feld<TLxAdvEdit>(dlg, "AEdiLOA"), QString::fromUtf8(name));
        Tippe(Feld<QWidget>(dlg, "VEdiBetrag"), QString::fromUtf8(betrag));
        auto* nt = Feld<TLxAdvEdit>(dlg, "AEdiNT");
        nt->setFocus(Qt::TabFocusReason);
        nt->selectAll();
        if (netto) {
            QTest::keyClick(nt, Qt::Key_X);
        } else {
            QTest::keyClick(nt, Qt::Key_Delete);
        }
        QTest::keyClick(nt, Qt::Key_Return);
    }

    fs::path ordner;
    test::FakeDialoge dialoge;
    test::FesteUhr uhr{2024, 3, 10};
    std::unique_ptr<ProgramWindows> fenster;
    TFrmErfass* dlg = nullptr;
};

TEST_F(HochrechnungFensterTest, NetMarkedAllowanceGrossedUpByCloseAndCalculate)
{
    Zeile("Gehalt", "2.000,00", false);
    Zeile("AT-Zulage", "150,00", true);
    auto* lv = Feld<QTreeWidget>(dlg, "LView");
    ASSERT_EQ(lv->topLevelItemCount(), 2);
    ASSERT_EQ(lv->topLevelItem(0)->text(7), "");
    ASSERT_EQ(lv->topLevelItem(1)->text(7), "x") << "NT";

    QTest::mouseClick(Feld<QPushButton>(dlg, "BtnBerechnen"), Qt::LeftButton);

    ProgrammZustand& p = fenster->zustand;
    EXPECT_TRUE(dialoge.texte(test::Art::Information).empty());
    EXPECT_EQ(p.FNTHochrechnung, 1);
    const Currency ziel = NettoBrutto(p.LohnGehalt2, 2000.00_cur) + 150.00_cur;
    QWidget* haupt = fenster->form1.get();
    EXPECT_EQ(Feld<QLineEdit>(haupt, "LEdiNetto")->text().toStdString(), formatAmount(ziel));
    EXPECT_EQ(Feld<QLineEdit>(haupt, "LEdiBrutto")->text().toStdString(), formatAmount(p.LohnGehalt.FGesamtbrutto));
    EXPECT_GT(p.LohnGehalt.FGesamtbrutto, 2150.00_cur);
    ASSERT_EQ(lv->topLevelItemCount(), 2) << "the rows as entered";
    EXPECT_EQ(lv->topLevelItem(1)->text(1), "150,00");
}

}  // namespace
}  // namespace lx
