// The detailed payslip in the running program: the payslip window's text
// area as the payslip needs it, and a gross typed into the main window with
// ENTER showing its payslip there.

#include <QFontInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "Detailabrechnung.h"
#include "FakeDialoge.h"
#include "FesteUhr.h"
#include "GuiTest.h"
#include "MainUnit.h"
#include "Program.h"
#include "Programmstart.h"
#include "UnitAbr.h"
#include "Version.h"

namespace lx {
namespace {

namespace fs = std::filesystem;

class DetailabrechnungFensterTest : public test::GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        ordner = fs::temp_directory_path() /
                 (std::string("lx-detail-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
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

}  // namespace
}  // namespace lx
