// The payslip window's widgets over its state, printing into a PDF file read
// back with the PDF tools, and the save question's default suffix.

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <filesystem>
#include <fstream>

#include "FakeDialoge.h"
#include "FesteUhr.h"
#include "GuiTest.h"
#include "MainUnit.h"
#include "Program.h"
#include "TempDir.h"
#include "UnitAbr.h"
#include "abrechnung/Abrechnungsfenster.h"
#include "hauptfenster/Programmstart.h"

namespace lx {
namespace {

namespace fs = std::filesystem;

struct FakeKatalog : DruckerKatalog {
    std::vector<std::string> namen;
    std::string standard;
    std::vector<std::string> drucker() const override { return namen; }
    std::string standardDrucker() const override { return standard; }
};

// Runs a PDF tool and gives its output.
QString werkzeug(const QString& programm, const QStringList& argumente)
{
    QProcess p;
    p.start(programm, argumente);
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return QStringLiteral("<%1 failed>").arg(programm);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString pdfText(const fs::path& pdf)
{
    return werkzeug(QStringLiteral("pdftotext"),
                    {QStringLiteral("-layout"), QString::fromStdString(pdf.string()), QStringLiteral("-")});
}

int pdfSeiten(const fs::path& pdf)
{
    const QString info = werkzeug(QStringLiteral("pdfinfo"), {QString::fromStdString(pdf.string())});
    for (const QString& zeile : info.split(u'\n')) {
        if (zeile.startsWith(QStringLiteral("Pages:"))) return zeile.mid(6).trimmed().toInt();
    }
    return -1;
}

std::vector<std::string> abrechnung(int zeilen)
{
    std::vector<std::string> z = {"Zudezivudirodeded" + std::string(67, ' ') + "Januar 2024"};
    for (int i = 1; i < zeilen; ++i) z.push_back("Zeile " + std::to_string(i) + " Gehalt für März");
    return z;
}

class AbrFensterTest : public test::GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        ordner = test::uniqueTempDir("lx-abr");
        fs::remove_all(ordner);
        fs::create_directories(ordner);
        std::ofstream(ordner / kHilfeDateiName) << "x";
    }
    void TearDown() override
    {
        fenster.reset();
        fs::remove_all(ordner);
        GuiTest::TearDown();
    }
    void Starte(bool mitDialogen = true)
    {
        fenster = startProgram(*qApp, {.dialoge = mitDialogen ? &dialoge : nullptr,
                                       .uhr = &uhr,
                                       .programmOrdner = QString::fromStdString(ordner.string()),
                                       .druckerKatalog = &katalog});
        abr = fenster->frmAbrechnung.get();
    }
    template <class W>
    W* kind(const char* name)
    {
        auto* w = abr->findChild<W*>(QString::fromUtf8(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    fs::path ordner;
    test::FakeDialoge dialoge;
    test::FesteUhr uhr{2026, 12, 9};
    FakeKatalog katalog;
    std::unique_ptr<ProgramWindows> fenster;
    TFrmAbrechnung* abr = nullptr;
};

TEST_F(AbrFensterTest, EachControlUnderItsNameWithLabelHintAndLimit)
{
    katalog.namen = {"Büro", "Keller"};
    katalog.standard = "Keller";
    Starte();
    struct Knopf {
        const char* name;
        const char* caption;
        const char* hint;
        bool sichtbar;
    };
    for (const Knopf& k : {Knopf{"BtnAbr", "Abrechnung", "Abrechnung anzeigen", false},
                           Knopf{"BtnPfd", "Pfändung", "Pfändungsberechnung anzeigen", false},
                           Knopf{"BtnATZ", "Altersteilzeit", "Altersteilzeitberechnung anzeigen", false},
                           Knopf{"BtnDrucken", "Drucken", "Abrechnung drucken", true},
                           Knopf{"BtnSpeichern", "Speichern", "Abrechnung speichern", true},
                           Knopf{"BtnOeffnen", "Öffnen", "Abrechnung öffnen", true},
                           Knopf{"BtnHilfe", "Hilfe", "Programmhilfe öffnen", true},
                           Knopf{"BtnSchliessen", "Schließen", "Fenster schließen", true}}) {
        auto* b = kind<QPushButton>(k.name);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->text(), QString::fromUtf8(k.caption));
        EXPECT_EQ(b->toolTip(), QString::fromUtf8(k.hint));
        EXPECT_EQ(!b->isHidden(), k.sichtbar) << k.name;
    }
    for (auto [name, label] :
         {std::pair{"ComboDrucker", "Drucker:"}, std::pair{"LEdiDruckName", "Name für Ausdruck:"}}) {
        auto* l = kind<QLabel>((std::string("Lab") + name).c_str());
        ASSERT_NE(l, nullptr);
        EXPECT_EQ(l->text(), QString::fromUtf8(label));
        EXPECT_EQ(l->buddy()->objectName(), name);
    }
    auto* combo = kind<QComboBox>("ComboDrucker");
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(2), "PDF-Datei");
    EXPECT_EQ(combo->currentText(), "Keller");
    auto* memo = kind<QPlainTextEdit>("MemoAbr");
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->toPlainText(), "RiVodozazavudidavaz 1.1.1.1");
    EXPECT_TRUE(memo->font().fixedPitch());
    EXPECT_EQ(memo->font().pointSize(), 10);
    for (const char* liste : {"LiBoPfd", "LiBoATZ", "LiBoPrintAbr"}) {
        auto* l = kind<QListWidget>(liste);
        ASSERT_NE(l, nullptr);
        EXPECT_TRUE(l->isHidden()) << liste;
    }
    for (auto [name, hint] :
         {std::pair{"BtnDrucken", "Abrechnung drucken"}, std::pair{"BtnSpeichern", "Abrechnung speichern"}}) {
        auto* b = fenster->form1->findChild<QToolButton*>(name);
        ASSERT_NE(b, nullptr) << name;
        EXPECT_EQ(b->toolTip(), QString::fromUtf8(hint));
    }

    // a typed print name reaches the state; the 31st character is refused
    ZeigeAktiv(abr);
    auto* name = kind<QLineEdit>("LEdiDruckName");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->maxLength(), 30);
    name->setFocus();
    Tippe(name, "Erika Musterfrau-Beispielname-X");
    EXPECT_EQ(fenster->zustand.abr.text(Abr::LEdiDruckName), "Erika Musterfrau-Beispielname-");
}

TEST_F(AbrFensterTest, ViewButtonsSwitchWhatTheMemoShows)
{
    Starte();
    auto& z = fenster->zustand;
    z.abr[Abr::LiBoPfd].items = {"Pfändungsberechnung (Nettomethode) ", "pfändbar"};
    AbrechnungZeigen(z, abrechnung(3));
    z.abr[Abr::BtnAbr].visible = true;
    z.abr[Abr::BtnPfd].visible = true;
    z.abr[Abr::BtnATZ].visible = true;
    fenster->anzeige.alles();
    ZeigeAktiv(abr);
    auto* memo = kind<QPlainTextEdit>("MemoAbr");
    ASSERT_NE(memo, nullptr);
    QTest::mouseClick(kind<QPushButton>("BtnPfd"), Qt::LeftButton);
    EXPECT_EQ(memo->toPlainText(), "Pfändungsberechnung (Nettomethode) \npfändbar");
    QTest::mouseClick(kind<QPushButton>("BtnAbr"), Qt::LeftButton);
    EXPECT_EQ(memo->toPlainText(), QString::fromStdString(MemoText(abrechnung(3))));
    dialoge.leeren();
    QTest::mouseClick(kind<QPushButton>("BtnHilfe"), Qt::LeftButton);
    QTest::mouseClick(kind<QPushButton>("BtnSchliessen"), Qt::LeftButton);
    EXPECT_EQ(dialoge.protokoll(), (std::vector<std::string>{"Hilfe: 5000", "Verbergen: Abrechnung"}));
}

// Printing without a system printer: "PDF-Datei" stands chosen, the print
// button pressed at once, the file named through the question.
TEST_F(AbrFensterTest, PrintsThePayslipIntoAPdfFile)
{
    Starte();
    auto& z = fenster->zustand;
    z.haupt.text(Haupt::ComboMonat) = "März";
    z.abr.text(Abr::LEdiDruckName) = "Erika";
    AbrechnungZeigen(z, abrechnung(8));
    fenster->anzeige.alles();
    ZeigeAktiv(abr);
    auto* combo = kind<QComboBox>("ComboDrucker");
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->count(), 1);
    EXPECT_EQ(combo->currentText(), "PDF-Datei");
    EXPECT_EQ(z.abr.text(Abr::ComboDrucker), "PDF-Datei");

    const fs::path pdf = ordner / "abrechnung.pdf";
    dialoge.dateien.push_back(pdf.string());
    QTest::mouseClick(kind<QPushButton>("BtnDrucken"), Qt::LeftButton);
    EXPECT_TRUE(fehlerTexte.isEmpty()) << fehlerTexte.join(u' ').toStdString();
    EXPECT_TRUE(dialoge.texte(test::Art::Fehler).empty());
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("Zudezivudirodeded Erika März 2024"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Zeile 7 Gehalt für März"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Erstellt am 09.12.2026 mit Programm RiVodozazavudidavaz 1.1.1.1")))
        << text.toStdString();
    EXPECT_EQ(pdfSeiten(pdf), 1);
}

// The whole way by keys: a gross with ENTER in the main window, "PDF-Datei"
// chosen in the payslip window beside a printer, the print button pressed.
TEST_F(AbrFensterTest, GrossWithEnterPrintsItsPayslipIntoAPdf)
{
    uhr.stellen(2024, 5, 10);
    katalog.namen = {"Büro"};
    Starte();
    ZeigeAktiv(fenster->form1.get());
    auto* brutto = fenster->form1->findChild<QLineEdit*>(QStringLiteral("LEdiBrutto"));
    ASSERT_NE(brutto, nullptr);
    brutto->setFocus();
    brutto->selectAll();
    Tippe(brutto, "2000\r");
    EXPECT_TRUE(fehlerTexte.isEmpty()) << fehlerTexte.join(u' ').toStdString();

    ZeigeAktiv(abr);
    auto* combo = kind<QComboBox>("ComboDrucker");
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->currentText(), "Büro") << "the only printer is the current one";
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(fenster->zustand.abr.text(Abr::ComboDrucker), "PDF-Datei");
    const fs::path pdf = ordner / "gehalt.pdf";
    dialoge.dateien.push_back(pdf.string());
    auto* drucken = kind<QPushButton>("BtnDrucken");
    ASSERT_NE(drucken, nullptr);
    drucken->setFocus();
    QTest::keyClick(drucken, Qt::Key_Space);

    EXPECT_TRUE(fehlerTexte.isEmpty()) << fehlerTexte.join(u' ').toStdString();
    EXPECT_TRUE(dialoge.texte(test::Art::Fehler).empty());
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("Zudezivudirodeded Mai 2024"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("2.000,00"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Erstellt am 10.05.2024 mit Programm RiVodozazavudidavaz 1.1.1.1")))
        << text.toStdString();
}

// An opened file of 300 lines prints its 299 body lines in order, over the
// pages the layout planned.
TEST_F(AbrFensterTest, LongTextPrintsEveryLineOnThePlannedPages)
{
    std::vector<std::string> zeilen = {"Notizen"};
    for (int i = 1; i < 300; ++i) zeilen.push_back("Zeile " + std::to_string(i));
    DruckAngaben angaben{.pfdMethode = "",
                         .druckName = "Max",
                         .monat = "Mai",
                         .jahr = "2024",
                         .datum = "09.12.2026",
                         .programm = "RiVodozazavudidavaz",
                         .version = "1.1.1.1"};
    QtDruckGeraet geraet;
    const fs::path pdf = ordner / "lang.pdf";
    ASSERT_EQ(geraet.drucken(DruckAuftragErstellen(zeilen, angaben), {.drucker = "", .pdfDatei = pdf.string()}),
              std::nullopt);
    EXPECT_GT(geraet.letzteSeitenzahl(), 1u);
    EXPECT_EQ(pdfSeiten(pdf), static_cast<int>(geraet.letzteSeitenzahl()));
    const QStringList text = pdfText(pdf).split(u'\n');
    QStringList gedruckt;
    for (const QString& zeile : text) {
        const QString t = zeile.trimmed();
        if (!t.isEmpty()) gedruckt.append(t);
    }
    ASSERT_EQ(gedruckt.size(), 301) << gedruckt.join(u'|').toStdString();
    EXPECT_EQ(gedruckt.front(), "NotizenMax Mai 2024");
    for (int i = 1; i < 300; ++i) EXPECT_EQ(gedruckt[i], QStringLiteral("Zeile %1").arg(i));
    EXPECT_EQ(gedruckt.back(), "Erstellt am 09.12.2026 mit Programm RiVodozazavudidavaz 1.1.1.1");
}

TEST_F(AbrFensterTest, UnwritablePdfAndUnknownPrinterPrintNothing)
{
    QtDruckGeraet geraet;
    const std::vector<DruckZeile> job = {{"x", 9}};
    std::ofstream(ordner / "datei") << "x";
    const std::string pdf = (ordner / "datei" / "a.pdf").string();
    EXPECT_EQ(geraet.drucken(job, {.drucker = "", .pdfDatei = pdf}),
              "Die PDF-Datei " + pdf + " kann nicht geschrieben werden.");
    EXPECT_EQ(geraet.drucken(job, {.drucker = "Gibt es nicht", .pdfDatei = std::nullopt}),
              "Der Drucker Gibt es nicht kann nicht geöffnet werden.");
    EXPECT_EQ(geraet.letzteSeitenzahl(), 0u);
}

TEST_F(AbrFensterTest, CloseHidesTheWindow)
{
    Starte(false);
    ZeigeAktiv(abr);
    QTest::mouseClick(kind<QPushButton>("BtnSchliessen"), Qt::LeftButton);
    EXPECT_FALSE(abr->isVisible());
    EXPECT_TRUE(fenster->form1 != nullptr);
}

// The Qt question adds the default suffix to a name typed without one.
TEST_F(AbrFensterTest, SaveQuestionAddsTheSuffix)
{
    Starte(false);
    AbrechnungZeigen(fenster->zustand, abrechnung(2));
    test::ModalerDialog frage([this](QDialog* d) {
        auto* dialog = qobject_cast<QFileDialog*>(d);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Abrechnung speichern");
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(QString::fromStdString((ordner / "abrechnung").string()));
        d->accept();
    });
    ActAbrSave(fenster->zustand);
    EXPECT_TRUE(frage.bedient());
    EXPECT_TRUE(fs::exists(ordner / "abrechnung.txt"));
    EXPECT_EQ(fenster->zustand.speicherOrdner, ordner.string());
}

}  // namespace
}  // namespace lx
