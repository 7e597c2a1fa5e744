// The main window's widgets bound to its state: every field and button under
// its name with its caption or hint, preset, limits and help context; typed
// edits reaching their handlers; the buttons reaching theirs.

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "HauptLayout.h"
#include "LxEditBase.h"
#include "LxValueLabEdit.h"
#include "ProgrammTest.h"
#include "hauptfenster/Hauptfenster.h"

namespace lx {
namespace {

QString q(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

class MainUnitTest : public test::ProgrammTest {};

TEST_F(MainUnitTest, EveryControlOfTheTableUnderItsNameWithCaptionPresetAndHelp)
{
    for (const auto& eintrag : p().haupt.tabelle()) {
        const Steuerelement& e = eintrag.e;
        const QString name = q(e.name);
        SCOPED_TRACE(name.toStdString());
        QWidget* widget = form->findChild<QWidget*>(name);
        ASSERT_NE(widget, nullptr);
        const std::string_view zugang = !e.label.empty() ? e.label : e.hint;
        EXPECT_EQ(widget->accessibleName(), q(zugang));
        EXPECT_EQ(widget->toolTip(), q(e.hint));
        if (e.help != 0) {
            EXPECT_EQ(widget->property(kHilfeKontext).toInt(), e.help);
        }
        EXPECT_EQ(widget->isHidden(), !e.visible);
        EXPECT_EQ(widget->isEnabled(), e.enabled);
        // the extra health rate is the year's from the start on (below)
        if (auto* edit = qobject_cast<QLineEdit*>(widget); edit && eintrag.id != Haupt::MEdiKVZus) {
            EXPECT_EQ(edit->text(), q(e.preset));
        }
        if (auto* lab = qobject_cast<TLxValueLabEdit*>(widget)) {
            EXPECT_EQ(lab->EditLabel()->text(), q(e.label));
        }
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            EXPECT_EQ(combo->count(), static_cast<int>(e.items.size()));
        }
        if (auto* knopf = qobject_cast<QToolButton*>(widget)) {
            EXPECT_EQ(knopf->focusPolicy(), Qt::NoFocus);
        }
    }
    EXPECT_EQ(w<QLineEdit>("LxEdiBGR")->maxLength(), 4);
    EXPECT_EQ(w<QLineEdit>("LEdiGebJahr")->maxLength(), 4);
    EXPECT_EQ(w<QLineEdit>("LEdiStKl")->maxLength(), 1);
    EXPECT_EQ(w<QLineEdit>("MEdiKV")->text(), "14,60%");
    EXPECT_EQ(w<QLineEdit>("MEdiKVZus")->text(), "+ 1,70%");
    EXPECT_TRUE(w<QComboBox>("ComboJahr")->isEditable());
    EXPECT_EQ(w<QComboBox>("ComboJahr")->itemText(16), "2008");
    EXPECT_EQ(w<QListWidget>("LiBoUniversal")->count(), 3);
    EXPECT_EQ(w<QPushButton>("BtnSozVersErfass")->text(), ">>");
    EXPECT_EQ(w<QLabel>("LabComboJahr")->text(), "Berechnung für:");
}

TEST_F(MainUnitTest, MonthYearAndCodeByKeyPresses)
{
    auto* monat = w<QComboBox>("ComboMonat");
    monat->setFocus();
    Tippe(monat, "M");
    EXPECT_EQ(p().haupt.text(Haupt::ComboMonat), "März");
    EXPECT_EQ(p().LohnGehalt.FMonat, 3);
    EXPECT_EQ(p().opt.text(Opt::EBVEdiTgVor), "60");

    auto* jahr = w<QComboBox>("ComboJahr");
    Ueberschreibe(jahr->lineEdit(), "2009");
    EXPECT_EQ(p().LohnGehalt.FJahr, 2024) << "a typed year waits for ENTER";
    Tippe(jahr->lineEdit(), "\r");
    EXPECT_EQ(p().LohnGehalt.FJahr, 2009);

    auto* code = w<QLineEdit>("LxEdiBGR");
    Ueberschreibe(code, "3111");
    EXPECT_EQ(w<QLineEdit>("MEdiKV")->text(), "14,00%");
    EXPECT_EQ(p().opt.text(Opt::PnlKVSatz), "14,00%");
    EXPECT_EQ(p().opt.text(Opt::PnlAVSatz), "2,80%");
    EXPECT_EQ(p().opt.text(Opt::PnlRVSatz), "19,90%");

    Tippe(code, "\ba\r");
    EXPECT_EQ(code->text(), "311") << "letters and ENTER are dropped";
    EXPECT_EQ(w<QLineEdit>("MEdiKV")->text(), "14,00%") << "three characters leave the rate";
    EXPECT_TRUE(dialoge.aufrufe.empty()) << testing::PrintToString(dialoge.protokoll());
}

TEST_F(MainUnitTest, TypedYearOutsideTheRangeIsRefusedOnEnter)
{
    auto* jahr = w<QComboBox>("ComboJahr");
    Ueberschreibe(jahr->lineEdit(), "2030\r");
    EXPECT_EQ(dialoge.protokoll(), (std::vector<std::string>{"Fehler: " + std::string(kJahrUngueltig)}));
    EXPECT_EQ(jahr->currentText(), "2024");
    EXPECT_EQ(p().LohnGehalt.FJahr, 2024);
    dialoge.leeren();
    Ueberschreibe(jahr->lineEdit(), "2014\t");
    EXPECT_EQ(p().LohnGehalt.FJahr, 2014) << "leaving the list takes the typed year";
    EXPECT_EQ(w<QLineEdit>("MEdiKVZus")->text(), "+ 0,90%");
    EXPECT_FALSE(w<QLineEdit>("MEdiKVZus")->isEnabled());
    EXPECT_TRUE(dialoge.aufrufe.empty()) << testing::PrintToString(dialoge.protokoll());
}

TEST_F(MainUnitTest, ARefusedTypedYearOrRecordGivesOneBoxWhileTheBoxTakesTheFocus)
{
    for (const auto& [name, eingabe] : {std::pair{"ComboJahr", "2030\r"}, std::pair{"ComboStamm", "GibtEsNicht\r"}}) {
        QLineEdit* feld = w<QComboBox>(name)->lineEdit();
        dialoge.leeren();
        // As the program's own box does: the windows show the state, then the
        // box takes the focus.
        bool offen = false;  // a box takes the focus once
        dialoge.beiMeldung = [this, feld, &offen] {
            if (std::exchange(offen, true)) return;
            fenster->anzeige.alles();
            QFocusEvent weg(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
            QApplication::sendEvent(feld, &weg);
        };
        Ueberschreibe(feld, eingabe);
        EXPECT_EQ(dialoge.aufrufe.size(), 1U) << name << ": " << testing::PrintToString(dialoge.protokoll());
    }
}

TEST_F(MainUnitTest, ButtonsReachTheirHandlers)
{
    struct Fall {
        const char* name;
        const char* aufruf;
    };
    for (const Fall& f : {Fall{"BtnBrErfass", "Zeigen: Erfass"}, Fall{"BtnDetailberechnung", "Zeigen: Abrechnung"},
                          Fall{"BtnOptionen", "OptionenZeigen: 0"}, Fall{"BtnHilfe", "Hilfe: 1001"},
                          Fall{"BtnProgInto", "Zeigen: About"}, Fall{"BtnSchliessen", "Verbergen: Haupt"},
                          Fall{"BtnBruttoErfass", "Zeigen: Erfass"}, Fall{"BtnSteuerErfass", "OptionenZeigen: 0"},
                          Fall{"BtnSozVersErfass", "OptionenZeigen: 1"}, Fall{"BtnZVErfass", "OptionenZeigen: 2"}}) {
        dialoge.leeren();
        auto* knopf = w<QAbstractButton>(f.name);
        ASSERT_NE(knopf, nullptr) << f.name;
        QTest::mouseClick(knopf, Qt::LeftButton);
        EXPECT_EQ(dialoge.protokoll(), (std::vector<std::string>{f.aufruf})) << f.name;
    }
    dialoge.dateien.push_back(std::nullopt);  // "Stammdaten speichern" cancelled
    for (const char* name : {"BtnBerechnen", "BtnDrucken", "BtnStammSpeichern"}) {
        QTest::mouseClick(w<QAbstractButton>(name), Qt::LeftButton);
    }
    dialoge.leeren();
    dialoge.dateien.push_back(std::nullopt);
    QTest::mouseClick(w<QAbstractButton>("BtnSpeichern"), Qt::LeftButton);
    EXPECT_EQ(dialoge.protokoll(), (std::vector<std::string>{"DateiSpeichern: Abrechnung speichern"}));
    EXPECT_TRUE(fehlerTexte.isEmpty()) << fehlerTexte.join(u'\n').toStdString();

    Ueberschreibe(w<QLineEdit>("LEdiBrutto"), "3000");
    Ueberschreibe(w<QLineEdit>("LxEdiBGR"), "3111");
    w<QComboBox>("ComboPVerh")->setFocus();
    Tippe(w<QComboBox>("ComboPVerh"), "n");
    ASSERT_EQ(p().haupt.text(Haupt::ComboPVerh), "nein");
    EXPECT_TRUE(p().opt[Opt::SVComboPVKi].enabled);
    QTest::mouseClick(w<QAbstractButton>("BtnNeu"), Qt::LeftButton);
    EXPECT_EQ(w<QLineEdit>("LEdiBrutto")->text(), "0,00");
    EXPECT_EQ(w<QLineEdit>("LxEdiBGR")->text(), "1111");
    EXPECT_EQ(w<QLineEdit>("MEdiKV")->text(), "14,60%");
    EXPECT_EQ(w<QComboBox>("ComboPVerh")->currentText(), "ja");
    EXPECT_FALSE(p().opt[Opt::SVComboPVKi].enabled) << "\"ja\" locks the children list";
}

// The gross and net fields and the deductions list stay where they are in
// gross and in net mode, and the window keeps its size with the factor field.
TEST_F(MainUnitTest, LayoutStaysPutInBothModesAndWithTheFactor)
{
    const auto platz = [this](const char* name) { return QRect(w(name)->mapTo(form, QPoint()), w(name)->size()); };
    const QSize groesse(645, 518);
    EXPECT_EQ(form->size(), groesse);
    const QRect brutto = platz("LEdiBrutto");
    const QRect netto = platz("LEdiNetto");
    const QRect abzuege = platz("LVAbz");
    struct Schritt {
        const char* feld;
        const char* tasten;
        const char* knopf;  // the recalculate button the mode shows
    };
    for (const Schritt& s : {Schritt{"LEdiBrutto", "2000\r", "BtnBruttoNeu"},
                             Schritt{"LEdiNetto", "1500\r", "BtnNettoNeu"}, Schritt{"LEdiStKl", "4", "BtnNettoNeu"}}) {
        Ueberschreibe(w<QLineEdit>(s.feld), s.tasten);
        EXPECT_TRUE(w(s.knopf)->isVisible()) << s.feld;
        EXPECT_EQ(platz("LEdiBrutto"), brutto) << s.feld;
        EXPECT_EQ(platz("LEdiNetto"), netto) << s.feld;
        EXPECT_EQ(platz("LVAbz"), abzuege) << s.feld;
        EXPECT_EQ(form->size(), groesse) << s.feld;
        EXPECT_FALSE(platz(s.knopf).intersects(netto)) << s.feld;
    }
    EXPECT_TRUE(w("LEdiFaktor")->isVisible());
    EXPECT_TRUE(fehlerTexte.isEmpty()) << fehlerTexte.join(u'\n').toStdString();
}

// The plain edit fields take their colour while they have the focus and give
// it back when left.
TEST_F(MainUnitTest, CodeAndBirthYearTakeTheirFocusColour)
{
    const QColor grau(0xbf, 0xcd, 0xdb);
    w("LEdiBrutto")->setFocus(Qt::TabFocusReason);
    for (const char* name : {"LxEdiBGR", "LEdiGebJahr"}) {
        auto* feld = w<TLxEditBase>(name);
        ASSERT_NE(feld, nullptr) << name;
        const QColor vorher = feld->Color();
        feld->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(feld->Color(), grau) << name;
        w("LEdiBrutto")->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(feld->Color(), vorher) << name;
    }
}

// Eleven icons of the program's own: each distinct from the others at a
// glance, in colour (none looks disabled), and drawn anew at scale 2.
TEST_F(MainUnitTest, ToolbarIconsAreDistinctColouredAndSharpAtScaleTwo)
{
    const char* namen[] = {"BtnNeu",     "BtnBrErfass",  "BtnBerechnen", "BtnDetailberechnung",
                           "BtnDrucken", "BtnSpeichern", "BtnOptionen",  "BtnStammSpeichern",
                           "BtnHilfe",   "BtnProgInto",  "BtnSchliessen"};
    std::vector<QImage> bilder;
    for (const char* name : namen) {
        auto* knopf = w<QToolButton>(name);
        ASSERT_NE(knopf, nullptr) << name;
        const QIcon icon = knopf->icon();
        ASSERT_FALSE(icon.isNull()) << name;
        const QImage bild = icon.pixmap(QSize(24, 24), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(bild.size(), QSize(24, 24)) << name;
        int bunt = 0;
        for (int y = 0; y < 24; ++y) {
            for (int x = 0; x < 24; ++x) {
                const QColor c = bild.pixelColor(x, y);
                if (c.alpha() > 200 && c.hsvSaturation() > 120) ++bunt;
            }
        }
        EXPECT_GE(bunt, 12) << name << " looks grey";
        EXPECT_EQ(icon.pixmap(QSize(24, 24), 2.0).size(), QSize(48, 48)) << name << " is not drawn anew at scale 2";
        bilder.push_back(bild);
    }
    for (std::size_t i = 0; i < bilder.size(); ++i) {
        for (std::size_t j = i + 1; j < bilder.size(); ++j) {
            int anders = 0;
            for (int y = 0; y < 24; ++y) {
                for (int x = 0; x < 24; ++x) {
                    const QColor a = bilder[i].pixelColor(x, y);
                    const QColor b = bilder[j].pixelColor(x, y);
                    if (std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) +
                            std::abs(a.alpha() - b.alpha()) >
                        96) {
                        ++anders;
                    }
                }
            }
            EXPECT_GE(anders, 24 * 24 / 5) << namen[i] << " and " << namen[j] << " look alike";
        }
    }
    EXPECT_EQ(w<QPushButton>("BtnBruttoErfass")
                  ->icon()
                  .pixmap(QSize(24, 24), 1.0)
                  .toImage()
                  .convertToFormat(QImage::Format_ARGB32),
              bilder[1])
        << "the gross field's entry button shows the toolbar's motif";
}

// The fields the table marks as digits only (code, birth year) drop every
// other character as it is typed.
TEST_F(MainUnitTest, FieldsMarkedDigitsOnlyDropOtherCharacters)
{
    int felder = 0;
    for (const auto& eintrag : p().haupt.tabelle()) {
        if (!eintrag.e.digitsOnly) continue;
        ++felder;
        auto* feld = w<QLineEdit>(std::string(eintrag.e.name).c_str());
        ASSERT_NE(feld, nullptr) << eintrag.e.name;
        Ueberschreibe(feld, "1a,9 -");
        EXPECT_EQ(feld->text(), "19") << eintrag.e.name;
    }
    EXPECT_EQ(felder, 2);
}

// The layout places each control once, and a group's fields stand together
// (a group met again would be built a second time).
TEST_F(MainUnitTest, LayoutTablePlacesEachControlOnceAndGroupsTogether)
{
    std::vector<int> platziert(static_cast<std::size_t>(Haupt::kAnzahl));
    for (const HauptWerkzeug& t : hauptWerkzeuge()) ++platziert[static_cast<std::size_t>(t.id)];
    std::vector<HauptGruppe> gesehen;
    for (const HauptPlatz& pl : hauptPlaetze()) {
        ++platziert[static_cast<std::size_t>(pl.id)];
        if (gesehen.empty() || gesehen.back() != pl.gruppe) {
            EXPECT_EQ(std::count(gesehen.begin(), gesehen.end(), pl.gruppe), 0) << p().haupt.name(pl.id);
            gesehen.push_back(pl.gruppe);
        }
    }
    for (const auto& eintrag : p().haupt.tabelle()) {
        EXPECT_LE(platziert[static_cast<std::size_t>(eintrag.id)], 1) << eintrag.e.name;
    }
    for (std::size_t i = 0; i < hauptGruppen().size(); ++i) {
        EXPECT_EQ(static_cast<std::size_t>(hauptGruppen()[i].id), i);
    }
}

TEST_F(MainUnitTest, AllowanceAsTypedReachesTheAnnualOne)
{
    Ueberschreibe(w<QLineEdit>("LEdiStFB"), "-5");
    EXPECT_EQ(p().opt.text(Opt::LSTVEdiFBJahr), "-60,00");
    EXPECT_TRUE(fehlerTexte.isEmpty()) << fehlerTexte.join(u'\n').toStdString();
}

}  // namespace
}  // namespace lx
