// The entry dialog's widgets with the program's own Dialoge: the controls
// under their names, and rows typed by real key presses.

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>

#include "FesteUhr.h"
#include "GuiTest.h"
#include "LxAdvEdit.h"
#include "LxValueEdit.h"
#include "Program.h"
#include "TempDir.h"
#include "UnitErfass.h"
#include "hauptfenster/Programmstart.h"

namespace lx {
namespace {

namespace fs = std::filesystem;

class ErfassFensterTest : public test::GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        ordner = test::uniqueTempDir("lx-erfass");
        fs::create_directories(ordner);
        std::ofstream(ordner / kHilfeDateiName) << "x";
        fenster = startProgram(*qApp, {.uhr = &uhr, .programmOrdner = QString::fromStdString(ordner.string())});
        dlg = fenster->frmErfass.get();
        ZeigeAktiv(dlg);
    }
    void TearDown() override
    {
        fenster.reset();
        fs::remove_all(ordner);
        GuiTest::TearDown();
    }
    template <class W>
    W* Feld(const char* name)
    {
        auto* w = dlg->findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // Name, Tab, amount, then the key that takes the row.
    void Zeile(const QString& name, const char* betrag, Qt::Key taste)
    {
        auto* feld = Feld<TLxAdvEdit>("AEdiLOA");
        feld->setFocus(Qt::TabFocusReason);
        for (QChar c : name) {  // keyClicks knows no umlauts
            QKeyEvent druck(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QString(c));
            QKeyEvent los(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QString(c));
            QApplication::sendEvent(feld, &druck);
            QApplication::sendEvent(feld, &los);
        }
        QTest::keyClick(feld, Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), Feld<QWidget>("VEdiBetrag"));
        QTest::keyClicks(QApplication::focusWidget(), QString::fromUtf8(betrag));
        QTest::keyClick(QApplication::focusWidget(), taste);
    }
    QStringList Zeilentext(QTreeWidget* lv, int i)
    {
        QStringList t;
        for (int c = 0; c < lv->columnCount(); ++c) t.append(lv->topLevelItem(i)->text(c));
        return t;
    }

    fs::path ordner;
    test::FesteUhr uhr{2024, 5, 10};
    std::unique_ptr<ProgramWindows> fenster;
    TFrmErfass* dlg = nullptr;
};

TEST_F(ErfassFensterTest, ControlsStandUnderTheirNames)
{
    EXPECT_EQ(Feld<TLxAdvEdit>("AEdiLOA")->text(), "Gehalt");
    EXPECT_EQ(Feld<TLxAdvEdit>("AEdiLOA")->maxLength(), 20);
    EXPECT_EQ(Feld<TLxAdvEdit>("AEdiLOA")->toolTip(), "Bezeichnung der Lohnart");
    EXPECT_EQ(Feld<TLxValueEdit>("VEdiBetrag")->text(), "0,00");
    EXPECT_EQ(Feld<TLxValueEdit>("VEdiBetrag")->MinValue(), -(1000000_cur));
    EXPECT_EQ(Feld<TLxValueEdit>("VEdiBetrag")->toolTip(), QString::fromUtf8("zur Übernahme F2, F3 oder F4 drücken"));
    EXPECT_EQ(Feld<TLxAdvEdit>("AEdiLST")->text(), "x");
    EXPECT_EQ(Feld<TLxAdvEdit>("AEdiSV")->text(), "x");
    EXPECT_EQ(Feld<TLxAdvEdit>("AEdiNT")->text(), "");
    EXPECT_EQ(Feld<TLxAdvEdit>("AEdiNT")->toolTip(), "Betrag soll auf Brutto hochgerechnet werden");
    EXPECT_TRUE(Feld<QCheckBox>("ChkAbzSteuerung")->isChecked());
    EXPECT_EQ(Feld<QPushButton>("BtnBerechnen")->text(), QString::fromUtf8("Schließen und\nberechnen"));
    EXPECT_FALSE(Feld<QPushButton>("BtnAenderung")->isVisible());
    auto* brutti = Feld<QTreeWidget>("LViewBrutti");
    ASSERT_EQ(brutti->topLevelItemCount(), 9);
    EXPECT_EQ(Zeilentext(brutti, 8), (QStringList{"VB-Brutto EB", "0,00"}));
    EXPECT_EQ(brutti->columnWidth(0), 130);
    auto* lv = Feld<QTreeWidget>("LView");
    EXPECT_EQ(lv->columnCount(), 9);
    EXPECT_EQ(lv->headerItem()->text(8), "VB");
    EXPECT_EQ(Feld<QWidget>("PnlBezug")->palette().color(QPalette::Window), QColor(0, 255, 0));

    // The name and the flag cells are sky blue while they have the focus.
    const QColor himmelblau(0xa6, 0xca, 0xf0);
    Feld<QWidget>("VEdiBetrag")->setFocus(Qt::TabFocusReason);
    for (const char* name : {"AEdiLOA", "AEdiLST", "AEdiSV", "AEdiZV", "AEdiEB", "AEdiLMJ", "AEdiNT", "AEdiVB"}) {
        auto* feld = Feld<TLxAdvEdit>(name);
        const QColor vorher = feld->Color();
        EXPECT_NE(vorher, himmelblau) << name;
        feld->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(feld->Color(), himmelblau) << name;
        Feld<QWidget>("VEdiBetrag")->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(feld->Color(), vorher) << name;
    }
}

TEST_F(ErfassFensterTest, RowsTypedAndTakenByKeysAndDeletedByDel)
{
    auto* lv = Feld<QTreeWidget>("LView");
    auto* brutti = Feld<QTreeWidget>("LViewBrutti");
    Zeile(QString::fromUtf8("Prämie"), "500", Qt::Key_F2);
    ASSERT_EQ(lv->topLevelItemCount(), 1);
    EXPECT_EQ(Zeilentext(lv, 0), (QStringList{QString::fromUtf8("Prämie"), "500,00", "x", "x", "", "", "", "", ""}));
    EXPECT_EQ(brutti->topLevelItem(0)->text(1), "500,00");
    EXPECT_EQ(QApplication::focusWidget(), Feld<QWidget>("AEdiLOA"));
    EXPECT_EQ(Feld<TLxAdvEdit>("AEdiLOA")->text(), QString::fromUtf8("Prämie")) << "the band keeps what was typed";

    Zeile(QStringLiteral("VL"), "40", Qt::Key_F4);
    ASSERT_EQ(lv->topLevelItemCount(), 2);
    EXPECT_EQ(lv->topLevelItem(1)->text(1), "-40,00");
    EXPECT_EQ(lv->topLevelItem(1)->foreground(1).color(), QColor(255, 0, 0));
    EXPECT_EQ(brutti->topLevelItem(0)->text(1), "500,00");
    EXPECT_EQ(Feld<QWidget>("PnlAbzug")->palette().color(QPalette::Window), QColor(255, 0, 0));

    // A flag cell takes "x" for any character.
    auto* eb = Feld<TLxAdvEdit>("AEdiEB");
    eb->setFocus(Qt::TabFocusReason);
    QTest::keyClick(eb, Qt::Key_K);
    EXPECT_EQ(eb->text(), "x");
    QTest::keyClick(eb, Qt::Key_Backspace);
    EXPECT_EQ(eb->text(), "");

    lv->setFocus(Qt::TabFocusReason);
    QTest::mouseClick(lv->viewport(), Qt::LeftButton, {}, lv->visualItemRect(lv->topLevelItem(1)).center());
    EXPECT_TRUE(lv->topLevelItem(1)->isSelected());
    QTest::keyClick(lv, Qt::Key_Delete);
    ASSERT_EQ(lv->topLevelItemCount(), 1);
    EXPECT_EQ(lv->topLevelItem(0)->text(0), QString::fromUtf8("Prämie"));
    EXPECT_TRUE(lv->topLevelItem(0)->isSelected()) << "the selection goes back to the first row";
}

TEST_F(ErfassFensterTest, EditingByDoubleClickAndClosingCancels)
{
    auto* lv = Feld<QTreeWidget>("LView");
    Zeile(QStringLiteral("Gehalt"), "3000", Qt::Key_Return);
    const QPoint mitte = lv->visualItemRect(lv->topLevelItem(0)).center();
    QTest::mousePress(lv->viewport(), Qt::LeftButton, {}, mitte);
    QTest::mouseRelease(lv->viewport(), Qt::LeftButton, {}, mitte);
    QTest::mouseDClick(lv->viewport(), Qt::LeftButton, {}, mitte);
    EXPECT_TRUE(Feld<QPushButton>("BtnAenderung")->isVisible());
    EXPECT_FALSE(Feld<QPushButton>("BtnUebernehmen")->isVisible());
    EXPECT_EQ(Feld<TLxValueEdit>("VEdiBetrag")->text(), "3.000,00");
    // The row being edited shows yellow (under the focus frame's faint tint),
    // also while it is the selected one.
    const auto gelb = [lv] {
        const QRect zelle = lv->visualRect(lv->model()->index(0, 4));  // "ZV", empty
        const QColor c = lv->viewport()->grab().toImage().pixelColor(zelle.center());
        return c.red() > 220 && c.green() > 220 && c.blue() < 60;
    };
    EXPECT_TRUE(lv->topLevelItem(0)->isSelected());
    EXPECT_TRUE(gelb());
    QTest::mouseClick(Feld<QPushButton>("BtnAbbrechen"), Qt::LeftButton);
    EXPECT_TRUE(lv->topLevelItem(0)->isSelected());
    EXPECT_FALSE(gelb()) << "a cancelled edit takes the yellow away";
    QTest::mouseDClick(lv->viewport(), Qt::LeftButton, {}, mitte);
    dlg->close();
    EXPECT_FALSE(fenster->zustand.erfass.editiert);
    ZeigeAktiv(dlg);
    EXPECT_TRUE(Feld<QPushButton>("BtnUebernehmen")->isVisible());
    EXPECT_EQ(lv->topLevelItemCount(), 1) << "the rows stay while the dialog is hidden";
}

}  // namespace
}  // namespace lx
