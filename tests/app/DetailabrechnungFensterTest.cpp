// The detailed payslip in the running program: the payslip window's text
// area as the payslip needs it, and a gross typed into the main window with
// ENTER showing its payslip there.

#include <QComboBox>
#include <QFontInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <fstream>

#include "AmountText.h"
#include "Detailabrechnung.h"
#include "FakeDialoge.h"
#include "FesteUhr.h"
#include "GuiTest.h"
#include "MainUnit.h"
#include "OptionenListen.h"
#include "Program.h"
#include "Programmstart.h"
#include "UnitAbr.h"
#include "UnitOpt.h"
#include "Version.h"
#include "TempDir.h"

namespace lx {
namespace {

namespace fs = std::filesystem;

class DetailabrechnungFensterTest : public test::GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        ordner = test::uniqueTempDir("lx-detail");
        fs::create_directories(ordner);
        std::ofstream(ordner / kHilfeDateiName) << "x";
        fenster = startProgram(
            *qApp, {.dialoge = &dialoge, .uhr = &uhr, .programmOrdner = QString::fromStdString(ordner.string())});
        ZeigeAktiv(fenster->form1.get());
        memo = fenster->frmAbrechnung->findChild<QPlainTextEdit*>(QStringLiteral("MemoAbr"));
        ASSERT_NE(memo, nullptr);
    }
    void TearDown() override
    {
        fenster.reset();
        fs::remove_all(ordner);
        GuiTest::TearDown();
    }

    fs::path ordner;
    test::FakeDialoge dialoge;
    test::FesteUhr uhr{2024, 5, 10};
    std::unique_ptr<ProgramWindows> fenster;
    QPlainTextEdit* memo = nullptr;

    void BruttoEnter(const char* keys)
    {
        auto* brutto = fenster->form1->findChild<QLineEdit*>(QStringLiteral("LEdiBrutto"));
        ASSERT_NE(brutto, nullptr);
        ZeigeAktiv(fenster->form1.get());
        brutto->setFocus();
        brutto->selectAll();
        Tippe(brutto, keys);
    }
    QString Zeile(const QString& anfang) const
    {
        for (const QString& z : memo->toPlainText().split(u'\n')) {
            if (z.startsWith(anfang + u' ')) return z;
        }
        return QStringLiteral("(no line %1)").arg(anfang);
    }
};

TEST_F(DetailabrechnungFensterTest, TextAreaIsReadOnlyFixedPitchWithoutWrapAndNamesTheProgram)
{
    EXPECT_TRUE(memo->isReadOnly());
    EXPECT_EQ(memo->lineWrapMode(), QPlainTextEdit::NoWrap);
    const QFontInfo schrift(memo->font());
    EXPECT_TRUE(schrift.fixedPitch()) << schrift.family().toStdString();
    EXPECT_EQ(schrift.pointSize(), 10);
    const QStringList zeilen = memo->toPlainText().split(u'\n');
    ASSERT_EQ(zeilen.size(), 1);
    EXPECT_TRUE(zeilen[0].startsWith(QString::fromUtf8(kAppTitle))) << zeilen[0].toStdString();

    // typing into it changes nothing
    memo->setFocus();
    Tippe(memo, "abc");
    EXPECT_EQ(memo->toPlainText(), zeilen[0]);
}

TEST_F(DetailabrechnungFensterTest, GrossWithEnterShowsItsPayslip)
{
    auto* brutto = fenster->form1->findChild<QLineEdit*>(QStringLiteral("LEdiBrutto"));
    ASSERT_NE(brutto, nullptr);
    brutto->setFocus();
    brutto->selectAll();
    Tippe(brutto, "2000\r");
    EXPECT_TRUE(fehlerTexte.isEmpty()) << fehlerTexte.join(u'\n').toStdString();

    const QStringList zeilen = memo->toPlainText().split(u'\n');
    ASSERT_GT(zeilen.size(), 20);
    EXPECT_TRUE(zeilen[0].startsWith(QString::fromUtf8(kAbrechnungsTitel))) << zeilen[0].toStdString();
    EXPECT_TRUE(zeilen[0].endsWith(QStringLiteral(" Mai 2024"))) << zeilen[0].toStdString();
    EXPECT_EQ(zeilen[0].size(), 95);
    auto zeileMit = [&zeilen](const QString& anfang) {
        for (const QString& z : zeilen) {
            if (z.startsWith(anfang + u' ')) return z;
        }
        return QString();
    };
    EXPECT_TRUE(zeileMit(QStringLiteral("Gehalt")).contains(QStringLiteral("2.000,00")));
    EXPECT_FALSE(zeileMit(QStringLiteral("Auszahlungsbetrag")).isEmpty()) << memo->toPlainText().toStdString();
    const QString nettoZeile = zeileMit(QStringLiteral("Netto"));
    auto* netto = fenster->form1->findChild<QLineEdit*>(QStringLiteral("LEdiNetto"));
    EXPECT_TRUE(nettoZeile.endsWith(u' ' + netto->text()))
        << nettoZeile.toStdString() << " / " << netto->text().toStdString();
}

// "Pfändung rechnen" on the options page and the only row marked "WG" in its
// garnishment list: the next calculation garnishes from the second engine and
// writes the net-method report; marked "x" the gross-method report.
TEST_F(DetailabrechnungFensterTest, GarnishmentByTheRowsMarkThroughTheWindows)
{
    BruttoEnter("3000\r");
    auto* netto = fenster->form1->findChild<QLineEdit*>(QStringLiteral("LEdiNetto"));
    const QString nettoVorher = netto->text();
    auto* brutto = fenster->form1->findChild<QLineEdit*>(QStringLiteral("LEdiBrutto"));
    const QString bruttoVorher = brutto->text();
    auto* berechnen = fenster->form1->findChild<QToolButton*>(QStringLiteral("BtnBerechnen"));
    ASSERT_NE(berechnen, nullptr);

    TFrmOpt* opt = fenster->frmOpt.get();
    auto* jaNein = opt->findChild<QComboBox*>(QStringLiteral("PfdComboJaNein"));
    auto* liste = opt->findChild<QTreeWidget*>(QStringLiteral("PfdLView"));
    ASSERT_NE(jaNein, nullptr);
    ASSERT_NE(liste, nullptr);
    ZeigeAktiv(opt);
    jaNein->setFocus();
    QTest::keyClick(jaNein, jaNein->findText(QStringLiteral("ja")) > jaNein->currentIndex() ? Qt::Key_Down : Qt::Key_Up);
    ASSERT_EQ(liste->topLevelItemCount(), 1);
    liste->setCurrentItem(liste->topLevelItem(0));
    ProgrammZustand& p = fenster->zustand;
    ASSERT_EQ(p.opt.text(Opt::PfdComboJaNein), "ja");
    optionen::PfdMarkeSetzen(p, 2);  // the pop-up's "Lohnart ist Weihnachtsgeld"
    fenster->anzeige.alles();
    EXPECT_EQ(liste->topLevelItem(0)->text(2), "WG");

    ZeigeAktiv(fenster->form1.get());
    QTest::mouseClick(berechnen, Qt::LeftButton);  // ENTER on the gross would make it the only row again
    EXPECT_TRUE(fehlerTexte.isEmpty()) << fehlerTexte.join(u'\n').toStdString();
    const std::vector<std::string>& bericht = p.abr[Abr::LiBoPfd].items;
    const std::string titel = "Pfändungsberechnung (" + p.opt.text(Opt::PfdComboMethode) + ") Mai 2024";
    ASSERT_GT(bericht.size(), 3u);
    EXPECT_EQ(bericht[0], titel);
    EXPECT_EQ(bericht[1], std::string(70, '_'));
    EXPECT_TRUE(bericht[3].starts_with("Steuerbrutto lfd.")) << bericht[3];
    const Currency zweit = p.LohnGehalt2.FPfaendBetrag;
    EXPECT_NE(zweit, p.LohnGehalt.FPfaendBetrag) << "the WG row is garnished in part only";
    EXPECT_TRUE(Zeile(QStringLiteral("Pfändung")).endsWith(u' ' + QString::fromStdString(formatAmount(-zweit))))
        << Zeile(QStringLiteral("Pfändung")).toStdString() << " / " << zweit;
    EXPECT_EQ(brutto->text(), bruttoVorher);
    EXPECT_EQ(netto->text(), nettoVorher);

    liste->setCurrentItem(liste->topLevelItem(0));
    optionen::PfdMarkeSetzen(p, 0);  // "Lohnart ist pfändbar"
    QTest::mouseClick(berechnen, Qt::LeftButton);
    ASSERT_GT(bericht.size(), 3u);
    EXPECT_EQ(bericht[0], titel);
    EXPECT_TRUE(bericht[3].starts_with("Brutto ")) << bericht[3];
    EXPECT_TRUE(Zeile(QStringLiteral("Pfändung"))
                    .endsWith(u' ' + QString::fromStdString(formatAmount(-p.LohnGehalt.FPfaendBetrag))));
    EXPECT_EQ(netto->text(), nettoVorher);
}

}  // namespace
}  // namespace lx
