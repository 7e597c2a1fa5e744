// The detailed payslip in the running program: the payslip window's text
// area as the payslip needs it, and a gross typed into the main window with
// ENTER showing its payslip there.

#include <QComboBox>
#include <QFontInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>
#include <functional>

#include "AmountText.h"
#include "Detailabrechnung.h"
#include "FakeDialoge.h"
#include "FesteUhr.h"
#include "GuiTest.h"
#include "LxMath.h"
#include "MainUnit.h"
#include "Program.h"
#include "ProgrammTest.h"
#include "TempDir.h"
#include "UnitAbr.h"
#include "UnitErfass.h"
#include "UnitOpt.h"
#include "erfassung/ErfassZustand.h"
#include "erfassung/Erfassung.h"
#include "gemeinsam/Version.h"
#include "hauptfenster/Programmstart.h"
#include "optionen/OptionenListen.h"
#include "optionen/TeilmonatTeilzeit.h"

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
    QTest::keyClick(jaNein,
                    jaNein->findText(QStringLiteral("ja")) > jaNein->currentIndex() ? Qt::Key_Down : Qt::Key_Up);
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

// What the main window shows and the payslip agree, in the running program:
// a configuration set up through the windows' handlers, computed by a click or
// by ENTER as the user would, then the figures read from the widgets.
class AnzeigeTest : public test::ProgrammTest {
public:
    using ProgrammTest::p;
    // The program started afresh in the same folder.
    void Neustart()
    {
        fenster.reset();
        fenster = startProgram(
            *qApp, {.dialoge = &dialoge, .uhr = &uhr, .programmOrdner = QString::fromStdString(ordner.string())});
        form = fenster->form1.get();
        ZeigeAktiv(form);
        dialoge.leeren();
    }
    // A row typed into the entry band and taken; marks as letters L(St) S(V)
    // Z(V) E(B) M (LMJ) N(T).
    void Zeile(const char* name, const char* betrag, const std::string& marken = "LS")
    {
        ErfassZustand& e = p().erfass;
        e.text(Erfass::AEdiLOA) = name;
        e.text(Erfass::VEdiBetrag) = betrag;
        const std::pair<Erfass, char> zellen[] = {{Erfass::AEdiLST, 'L'}, {Erfass::AEdiSV, 'S'},
                                                  {Erfass::AEdiZV, 'Z'},  {Erfass::AEdiEB, 'E'},
                                                  {Erfass::AEdiLMJ, 'M'}, {Erfass::AEdiNT, 'N'}};
        for (auto [zelle, c] : zellen) e.text(zelle) = marken.find(c) != std::string::npos ? "x" : "";
        erfass::ZeileNehmen(p());
        fenster->anzeige.alles();
    }
    // Part time of 20 of 40 hours applied to the rows.
    void Teilzeit()
    {
        p().opt.text(Opt::TZVEdiWoStd) = "20,00";
        p().opt.text(Opt::TZVEdiWoVZ) = "40,00";
        erfass::ActTZAktiv(p(), true);
        optionen::ActTZUebernehmen(p());
        fenster->anzeige.alles();
    }
    void Optionen(Opt id, const char* text)
    {
        p().opt.text(id) = text;
        fenster->anzeige.alles();
    }
    // A year typed into the year list with ENTER and a month chosen from its list.
    void JahrMonat(const char* jahr, const char* monat)
    {
        Ueberschreibe(w<QComboBox>("ComboJahr")->lineEdit(), (std::string(jahr) + "\r").c_str());
        auto* liste = w<QComboBox>("ComboMonat");
        liste->setCurrentIndex(liste->findText(QString::fromUtf8(monat)));
        emit liste->activated(liste->currentIndex());
    }
    void Klick(QWidget* in, const char* name)
    {
        auto* knopf = in->findChild<QAbstractButton*>(QString::fromUtf8(name));
        ASSERT_NE(knopf, nullptr) << name;
        QTest::mouseClick(knopf, Qt::LeftButton);
    }
    void SchliessenUndBerechnen() { Klick(fenster->frmErfass.get(), "BtnBerechnen"); }
    void Berechnen() { Klick(form, "BtnBerechnen"); }
    void Enter(const char* feld, const char* keys) { Ueberschreibe(w<QLineEdit>(feld), keys); }

    std::string Feld(const char* name) { return w<QLineEdit>(name)->text().toStdString(); }
    QStringList Memo()
    {
        return fenster->frmAbrechnung->findChild<QPlainTextEdit*>(QStringLiteral("MemoAbr"))
            ->toPlainText()
            .split(u'\n');
    }
    // The rates printed beside a non-zero amount, as "label: rate", the
    // employee's (main block) and then the employer's (left column).
    std::vector<std::string> Saetze()
    {
        std::vector<std::string> saetze;
        bool links = false;
        for (const QString& z : Memo()) {
            if (z.startsWith(QStringLiteral("Arbeitgeberanteile:"))) links = true;
            if (z.size() <= 36 || z.mid(36, 12).indexOf(u'%') < 0) continue;
            const QString betrag = z.mid(24, 12).trimmed();
            if (betrag == QStringLiteral("0,00")) continue;
            // the left column's rate ends at the first blank, the main block's at the line's end
            const QString satz = links ? z.mid(36).trimmed().section(u' ', 0, 0) : z.mid(36).trimmed();
            saetze.push_back((z.left(24).trimmed() + QStringLiteral(": ") + satz).toStdString());
        }
        return saetze;
    }
    // The sum of the amounts of the item lines marked "GBr" (column 41).
    Currency SummeGBr()
    {
        Currency summe;
        bool posten = false;
        for (const QString& z : Memo()) {
            if (z.startsWith(QStringLiteral("Lohnart "))) posten = true;
            if (z.startsWith(QStringLiteral("Gesamtbrutto "))) break;
            if (posten && z.size() > 40 && z[40] == u'x')
                summe += StrToCurr(OhnePunkte(z.mid(24, 12).trimmed().toStdString()));
        }
        return summe;
    }
    // The amount cell of the payslip's first line of that label ("" when none).
    std::string Wert(const char* label)
    {
        const QString l = QString::fromUtf8(label) + u' ';
        for (const QString& z : Memo()) {
            if (z.startsWith(l)) return z.mid(24, 12).trimmed().toStdString();
        }
        return "";
    }
};

// The configurations of the issue; each must show the same gross and net in
// the main window and on the payslip, list items that add up to the gross
// shown and print the rates the engine computed with.
TEST_F(AnzeigeTest, MainWindowAndPayslipAgreeInEveryConfiguration)
{
    using SatzListe = std::vector<std::string>;
    // The rates of 2024 with the extra rate of the year and the surcharge of the childless.
    const SatzListe arbeitnehmer = {"Krankenversicherung: 14,60% + 1,70%", "Rentenversicherung: 18,60%",
                                    "Arbeitslosenversicherung: 2,60%", "Pflegeversicherung: 3,40% + 0,60%"};
    const SatzListe arbeitgeber = {"Krankenversicherung: 14,60%+1,70%",
                                   "Rentenversicherung: 18,60%",
                                   "Arbeitslosenversicherung: 2,60%",
                                   "Pflegeversicherung: 3,40%",
                                   "Umlage 2: 0,20%",
                                   "Insolvenzgeldumlage: 0,06%"};
    auto plus = [](SatzListe a, const SatzListe& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    const SatzListe regel = plus(arbeitnehmer, arbeitgeber);
    SatzListe atz = regel;
    atz.insert(atz.begin() + 6, "ATZ-Rentenversicherung: 18,60%");

    struct Fall {
        const char* name;
        std::function<void(AnzeigeTest&)> rechnen;
        const char* brutto;  // "" where it is not fixed by hand
        const char* netto;
        SatzListe saetze;
    };
    const Fall faelle[] = {
        {"plain gross", [](AnzeigeTest& t) { t.Enter("LEdiBrutto", "3000\r"); }, "3.000,00", "", regel},
        {"one-off payment",
         [](AnzeigeTest& t) {
             t.Zeile("Gehalt", "3.000,00");
             t.Zeile("Weihnachtsgeld", "1.000,00", "LSE");
             t.SchliessenUndBerechnen();
         },
         "4.000,00", "", regel},
        {"net-marked item",
         [](AnzeigeTest& t) {
             t.Zeile("Gehalt", "2.000,00");
             t.Zeile("AT-Zulage", "150,00", "LSN");
             t.SchliessenUndBerechnen();
         },
         "", "", regel},
        {"part time",
         [](AnzeigeTest& t) {
             t.Zeile("Gehalt", "3.000,00");
             t.Teilzeit();
             t.Berechnen();
         },
         "1.500,00", "", regel},
        {"partial month",
         [](AnzeigeTest& t) {
             t.Zeile("Gehalt", "3.000,00");
             t.Optionen(Opt::TBVEdiVon, "16");
             erfass::ActTBAktiv(t.p(), true);
             optionen::ActTAUebernehmen(t.p());
             t.Berechnen();
         },
         "", "", regel},
        {"partial retirement",
         [](AnzeigeTest& t) {
             t.Optionen(Opt::ATZComboJaNein, "ja");
             t.Enter("LEdiBrutto", "3000\r");
         },
         "", "", atz},
        {"partial retirement, net-marked item, part time",
         [](AnzeigeTest& t) {
             t.Zeile("Gehalt", "3.000,00");
             t.Zeile("Zulage", "150,00", "LSN");
             t.Teilzeit();
             t.Optionen(Opt::ATZComboJaNein, "ja");
             optionen::ATZComboJaNeinChange(t.p());
             t.SchliessenUndBerechnen();
         },
         "1.952,41", "1.590,42", atz},
        {"garnishment",
         [](AnzeigeTest& t) {
             t.Zeile("Gehalt", "3.000,00");
             t.Zeile("Weihnachtsgeld", "1.200,00");
             t.Optionen(Opt::PfdComboJaNein, "ja");
             t.p().opt[Opt::PfdLView].rows.at(1).cells.at(2) = "WG";
             t.Berechnen();
         },
         "4.200,00", "", regel},
        {"6100 class 0",
         [](AnzeigeTest& t) {
             t.Enter("LxEdiBGR", "6100");
             t.Enter("LEdiStKl", "0");
             t.Enter("LEdiBrutto", "600\r");
         },
         "600,00",
         "",
         {"Rentenversicherung: 18,60%", "Krankenversicherung: 13,00%", "Rentenversicherung: 15,00%", "Umlage 2: 0,20%",
          "Insolvenzgeldumlage: 0,06%", "Pauschalsteuer GfE: 2,00%"}},
        // The mini-job's pension waiver option stays; the rates follow the code.
        {"1111 after 6100",
         [](AnzeigeTest& t) {
             t.Enter("LxEdiBGR", "6100");
             t.Enter("LEdiStKl", "0");
             t.Enter("LEdiBrutto", "600\r");
             t.Enter("LxEdiBGR", "1111");
             t.Enter("LEdiStKl", "1");
             t.Enter("LEdiBrutto", "4000\r");
             EXPECT_EQ(t.Wert("Rentenversicherung"), "-372,00");
         },
         "4.000,00", "", regel},
        {"zone 1.000,00", [](AnzeigeTest& t) { t.Enter("LEdiBrutto", "1000\r"); }, "1.000,00", "", regel},
        // Born 1990: no childless surcharge in 2012, under 23; in 2024 it is back
        // (2.023,93 with the extra health rate of 1,60 %, 2.022,89 with 2024's 1,70 %).
        {"care surcharge back after the age rule's year",
         [](AnzeigeTest& t) {
             t.JahrMonat("2012", "Juli");
             t.Enter("LEdiBrutto", "3000\r");
             EXPECT_EQ(t.p().haupt.text(Haupt::ComboPVerh), "nein");
             t.JahrMonat("2024", "Juli");
             t.Enter("LEdiBrutto", "3000\r");
             EXPECT_EQ(t.p().haupt.text(Haupt::ComboPVerh), "ja");
             EXPECT_EQ(t.Wert("Pflegeversicherung"), "-69,00");
         },
         "3.000,00", "2.022,89", regel},
        // The Protestant church's minimum in Mecklenburg-Vorpommern only where tax
        // arises after the child allowances: the wage tax withheld is not enough.
        {"no church-tax minimum where the child allowances take the base",
         [](AnzeigeTest& t) {
             t.JahrMonat("2013", "November");
             t.Enter("LEdiStKl", "2");
             t.Enter("LEdiKiFB", "3,0");
             t.Enter("LEdiGebJahr", "1947");
             t.Optionen(Opt::LSTComboBundesland, "Mecklenburg-Vorpommern");
             t.Enter("LEdiBrutto", "1211,54\r");
             EXPECT_NE(t.Wert("Lohnsteuer"), "0,00");
             EXPECT_EQ(t.Wert("Kirchensteuer"), "0,00");
         },
         "1.211,54",
         "964,36",
         {"Krankenversicherung: 14,60% + 0,90%", "Rentenversicherung: 18,90%", "Arbeitslosenversicherung: 3,00%",
          "Pflegeversicherung: 2,05%", "Krankenversicherung: 14,60%", "Rentenversicherung: 18,90%",
          "Arbeitslosenversicherung: 3,00%", "Pflegeversicherung: 2,05%", "Umlage 2: 0,20%",
          "Insolvenzgeldumlage: 0,15%"}},
        {"net mode", [](AnzeigeTest& t) { t.Enter("LEdiNetto", "2000\r"); }, "", "2.000,00", regel},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Neustart();
        f.rechnen(*this);
        EXPECT_TRUE(fehlerTexte.isEmpty()) << fehlerTexte.join(u'\n').toStdString();
        EXPECT_EQ(Wert("Gesamtbrutto"), Feld("LEdiBrutto"));
        EXPECT_EQ(Wert("Netto"), Feld("LEdiNetto"));
        EXPECT_EQ(formatAmount(SummeGBr()), Feld("LEdiBrutto")) << "the items counting in the total gross";
        if (Wert("Pfändung").empty()) {
            EXPECT_EQ(Wert("Auszahlungsbetrag"), Feld("LEdiNetto"));
        }
        EXPECT_EQ(Saetze(), f.saetze);
        if (*f.brutto) {
            EXPECT_EQ(Feld("LEdiBrutto"), f.brutto);
        }
        if (*f.netto) {
            EXPECT_EQ(Feld("LEdiNetto"), f.netto);
        }
    }
}

// After a net to gross, "Neue Abrechnung" and rows closed with "Schließen und
// berechnen" compute those rows gross to net: no search for a net of 0,00.
TEST_F(AnzeigeTest, NewPayslipAfterNetToGrossComputesTheRowsGrossToNet)
{
    Enter("LEdiBrutto", "3000\r");
    const std::string netto3000 = Feld("LEdiNetto");
    Enter("LEdiNetto", "2000\r");
    ASSERT_EQ(p().haupt[Haupt::LEdiNetto].tag, 1);

    Klick(form, "BtnNeu");
    Zeile("Gehalt", "3.000,00");
    SchliessenUndBerechnen();
    EXPECT_TRUE(dialoge.texte(test::Art::Information).empty()) << testing::PrintToString(dialoge.protokoll());
    EXPECT_EQ(Feld("LEdiBrutto"), "3.000,00");
    EXPECT_EQ(Feld("LEdiNetto"), netto3000);
    EXPECT_EQ(p().haupt[Haupt::LEdiNetto].tag, 0);
    EXPECT_TRUE(w<QPushButton>("BtnBruttoNeu")->isVisible());
    EXPECT_FALSE(w<QPushButton>("BtnNettoNeu")->isVisible());
}

// A run that a check stops empties the figures of the run before; the rows
// entered stay.
TEST_F(AnzeigeTest, StoppedRunLeavesNoEarlierFigures)
{
    Enter("LEdiBrutto", "3000\r");
    ASSERT_NE(Feld("LEdiNetto"), "0,00");
    // Typed, the field would pull 9 into its range; set, it reaches the check.
    p().haupt.text(Haupt::LEdiStKl) = "9";
    Enter("LEdiBrutto", "4000\r");

    EXPECT_EQ(dialoge.texte(test::Art::Fehler),
              (std::vector<std::string>{"Steuerklasse: \"9\" ist kein gültiger Wert (0 bis 6)"}));
    auto* liste = w<QTreeWidget>("LVAbz");
    ASSERT_EQ(liste->topLevelItemCount(), 7);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(liste->topLevelItem(i)->text(1), "0,00") << i;
    EXPECT_EQ(Feld("LEdiBrutto"), "4.000,00");
    EXPECT_EQ(Feld("LEdiNetto"), "0,00");
    EXPECT_FALSE(w<QPushButton>("BtnBruttoNeu")->isVisible());
    EXPECT_FALSE(w<QPushButton>("BtnNettoNeu")->isVisible());
    EXPECT_EQ(Memo(), QStringList{QString::fromUtf8(kAppTitle) + u' ' + QString::fromUtf8(kVersion)});
    ASSERT_EQ(p().erfass.zeilen.size(), 1u);
    EXPECT_EQ(p().erfass.zeilen[0].betrag, 4000.00_cur);
}

// ENTER computes the amount the field shows once it applied its range, and
// the largest amounts the rows can add up to are shown whole.
TEST_F(AnzeigeTest, AmountsWithinTheirRangeAndShownWhole)
{
    Enter("LEdiBrutto", "99999999999\r");
    EXPECT_EQ(Feld("LEdiBrutto"), "1.000.000,00");
    EXPECT_EQ(p().LohnGehalt.GegebeneEingaben().FStBrutto, 1000000.00_cur);

    // typed into the entry band and taken by F2, the window shown once
    for (std::size_t i = 0; i < kMaxZeilen; ++i) {
        p().erfass.text(Erfass::VEdiBetrag) = "99999999999";
        erfass::ZeileNehmen(p(), kBezug);
    }
    fenster->anzeige.alles();
    ASSERT_EQ(p().erfass.zeilen.size(), kMaxZeilen);
    EXPECT_EQ(p().erfass.zeilen[1].betrag, 1000000.00_cur) << "the amount field's range";
    SchliessenUndBerechnen();
    EXPECT_EQ(Feld("LEdiBrutto"), "255.000.000,00");
    auto passt = [](const QWidget* w, const QString& text, int breite) {
        return w->fontMetrics().horizontalAdvance(text) + 8 <= breite;
    };
    for (const char* name : {"LEdiBrutto", "LEdiNetto"}) {
        auto* feld = w<QLineEdit>(name);
        EXPECT_TRUE(passt(feld, feld->text(), feld->contentsRect().width()))
            << name << " " << feld->text().toStdString();
    }
    auto* liste = w<QTreeWidget>("LVAbz");
    for (int i = 0; i < liste->topLevelItemCount(); ++i) {
        const QString t = liste->topLevelItem(i)->text(1);
        EXPECT_TRUE(passt(liste, t, liste->columnWidth(1))) << t.toStdString();
    }
    auto* summen = fenster->frmErfass->findChild<QTreeWidget*>(QStringLiteral("LViewBrutti"));
    ASSERT_NE(summen, nullptr);
    EXPECT_EQ(summen->topLevelItem(0)->text(1), "255.000.000,00");
    EXPECT_TRUE(passt(summen, QString::fromUtf8(kLaengsterBetrag), summen->columnWidth(1)));
    EXPECT_LE(summen->columnWidth(0) + summen->columnWidth(1), summen->viewport()->width());
}

// The record "Standard" loaded at start and the toolbar's "Berechnen": the
// gross field shows the gross of its rows.
TEST_F(AnzeigeTest, GrossFieldShowsTheGrossTheRunUsed)
{
    std::ofstream(ordner / "Standard.abr", std::ios::binary)
        << "[HauptForm]\r\nSteuerklasse=1\r\n[Betr\xE4ge]\r\nAnzahl=2\r\n"
           "Betrag0=Gehalt;3.000,00;x;x;;;;;;0\r\nBetrag1=Zulage;250,00;x;x;;;;;;0\r\n";
    Neustart();
    ASSERT_EQ(p().erfass.zeilen.size(), 2u);
    ASSERT_EQ(Feld("LEdiBrutto"), "0,00");
    Berechnen();
    EXPECT_EQ(Feld("LEdiBrutto"), "3.250,00");
    EXPECT_EQ(Wert("Gesamtbrutto"), "3.250,00");
}

// Right after the start the extra health rate is the one "Neue Abrechnung"
// sets, so the same gross gives the same deductions before and after it.
TEST_F(AnzeigeTest, SameExtraHealthRateAtStartAndAfterNewPayslip)
{
    EXPECT_EQ(Feld("MEdiKVZus"), "+ 1,70%");
    Enter("LEdiBrutto", "3000\r");
    auto abzuege = [this] {
        QStringList t;
        auto* liste = w<QTreeWidget>("LVAbz");
        for (int i = 0; i < liste->topLevelItemCount(); ++i) t.append(liste->topLevelItem(i)->text(1));
        return t;
    };
    const QStringList nachStart = abzuege();
    Klick(form, "BtnNeu");
    EXPECT_EQ(Feld("MEdiKVZus"), "+ 1,70%");
    Enter("LEdiBrutto", "3000\r");
    EXPECT_EQ(abzuege(), nachStart);
    EXPECT_EQ(p().LohnGehalt.GegebeneEingaben().FKVZusatz, 1.70_cur);
}

// With the program's own message boxes: the mini-job warning opens over the
// figures of its own run.
class MeldungNachAnzeigeTest : public test::ProgrammTest {
protected:
    MeldungNachAnzeigeTest() : ProgrammTest(test::Meldungen::Programm) {}
};

TEST_F(MeldungNachAnzeigeTest, MiniJobWarningComesAfterTheFiguresAreShown)
{
    Ueberschreibe(w<QLineEdit>("LEdiBrutto"), "3000\r");
    Ueberschreibe(w<QLineEdit>("LxEdiBGR"), "6100");
    Ueberschreibe(w<QLineEdit>("LEdiStKl"), "0");

    QString meldung;
    QString nettoBeiMeldung;
    QString rvBeiMeldung;
    QString abrechnungBeiMeldung;
    QTimer warten;
    QObject::connect(&warten, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        meldung = box->text();
        nettoBeiMeldung = w<QLineEdit>("LEdiNetto")->text();
        rvBeiMeldung = w<QTreeWidget>("LVAbz")->topLevelItem(4)->text(1);
        abrechnungBeiMeldung =
            fenster->frmAbrechnung->findChild<QPlainTextEdit*>(QStringLiteral("MemoAbr"))->toPlainText();
        box->accept();
    });
    warten.start(10);
    Ueberschreibe(w<QLineEdit>("LEdiBrutto"), "600\r");
    warten.stop();

    EXPECT_EQ(meldung, "Die Geringfügigkeitsgrenze beträgt 538 Euro");
    EXPECT_EQ(nettoBeiMeldung, w<QLineEdit>("LEdiNetto")->text());
    EXPECT_EQ(nettoBeiMeldung, "578,40");
    EXPECT_EQ(rvBeiMeldung, "-21,60") << "the employee's 3,60 % of 600,00";
    EXPECT_TRUE(abrechnungBeiMeldung.contains(QStringLiteral("Gesamtbrutto                  600,00")))
        << abrechnungBeiMeldung.toStdString();
}

}  // namespace
}  // namespace lx
