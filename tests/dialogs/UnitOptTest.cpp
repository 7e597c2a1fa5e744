// The options dialog's widgets: pages 0 to 5 and 8 laid out from the table
// under their names, with labels, presets and limits; the request for a page
// with a focus; choosing a scheme by keys; ENTER presses no button.

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "AmountText.h"
#include "FakeDialoge.h"
#include "FesteUhr.h"
#include "GuiTest.h"
#include "LxNumEdit.h"
#include "LxValueLabEdit.h"
#include "UnitOpt.h"

namespace lx {
namespace {

QString q(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

class UnitOptTest : public test::GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        p.LohnGehalt.SetJahr(2024);
        frm = std::make_unique<TFrmOpt>(p, anzeige);
    }
    void TearDown() override
    {
        frm.reset();
        GuiTest::TearDown();
    }

    template <class W = QWidget>
    W* w(Opt id) const
    {
        return frm->findChild<W*>(q(p.opt.name(id)));
    }

    test::FakeDialoge dialoge;
    test::FesteUhr uhr{2024, 5, 10};
    ProgrammZustand p{dialoge, uhr};
    Anzeige anzeige;
    std::unique_ptr<TFrmOpt> frm;
};

struct Seite {
    int nummer;
    Opt erstes, letztes;
};
// The ranges of the table this dialog lays out, by page.
constexpr Seite kSeiten[] = {
    {0, Opt::LSTComboStTab, Opt::LSTComboKammerbeitrag}, {1, Opt::SVComboRechtskreis, Opt::PnlPVKinder},
    {2, Opt::ZVComboArt, Opt::ZVEdiNameIndZV},           {3, Opt::AVCombo1Art, Opt::AVLab2Gesetz},
    {4, Opt::EBVEdiKVBrVor, Opt::EBChkStAuto},           {5, Opt::VBVEdiJahr, Opt::VBBtnErfassung},
    {8, Opt::MfBComboJaNein, Opt::MfBVEdiBrutAnd}};

TEST_F(UnitOptTest, TwelvePagesWithTheirHelpContexts)
{
    ASSERT_EQ(frm->PageCtrl->count(), 12);
    const QStringList titel = {"Lohnsteuer",       "Sozialversicherung", "Zusatzversicherung",
                               "Altersversorgung", "Einmalbezüge",       "Versorgungsbezüge",
                               "Altersteilzeit",   "Pfändung",           "Mehrfachbeschäftigung",
                               "Teilmonat",        "Teilzeit",           "Stammdaten"};
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(frm->PageCtrl->tabText(i), titel[i]);
        EXPECT_EQ(frm->PageCtrl->widget(i)->property(kHilfeKontext).toInt(), 3001 + i) << i;
    }

    // The pages by their names in the list beside them: all twelve in view at
    // once, each name whole, and a click shows its page.
    ZeigeAktiv(frm.get());
    auto* liste = frm->findChild<QListWidget*>(QStringLiteral("LiBoSeiten"));
    ASSERT_NE(liste, nullptr);
    EXPECT_TRUE(frm->PageCtrl->tabBar()->isHidden());
    ASSERT_EQ(liste->count(), 12);
    const QRect sichtbar = liste->viewport()->rect();
    for (int i = 0; i < 12; ++i) {
        QListWidgetItem* eintrag = liste->item(i);
        EXPECT_EQ(eintrag->text(), titel[i]);
        const QRect r = liste->visualItemRect(eintrag);
        EXPECT_TRUE(sichtbar.contains(r)) << titel[i].toStdString() << " lies outside the list";
        EXPECT_LE(liste->fontMetrics().horizontalAdvance(titel[i]), r.width()) << titel[i].toStdString();
    }
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualItemRect(liste->item(8)).center());
    EXPECT_EQ(frm->PageCtrl->currentIndex(), 8);
    EXPECT_EQ(p.opt[Opt::PageCtrl].selected, 8);
    frm->ZeigeSeite(11, QStringLiteral("PageCtrl"));
    EXPECT_EQ(liste->currentRow(), 11) << "a request for a page moves the list along";
    EXPECT_EQ(QApplication::focusWidget(), liste) << "the focus asked for the pages goes to their list";
    EXPECT_EQ(frm->windowTitle(), QStringLiteral("Optionen"));
    EXPECT_EQ(w<QPushButton>(Opt::BtnErfassung)->text(), QStringLiteral("Erfassungsmaske\nöffnen"));
    EXPECT_EQ(w(Opt::BtnGrundstellung)->toolTip(), QStringLiteral("Grundstellung aller Eingabefelder in den Optionen"));
    EXPECT_EQ(w(Opt::ComboMonat)->property(kHilfeKontext).toInt(), 4013);
    EXPECT_EQ(w(Opt::ComboJahr)->property(kHilfeKontext).toInt(), 4013);
    for (auto* knopf : frm->findChildren<QPushButton*>()) {
        EXPECT_FALSE(knopf->autoDefault() || knopf->isDefault()) << knopf->objectName().toStdString();
    }
}

TEST_F(UnitOptTest, EveryControlOfItsPagesUnderItsNameWithLabelPresetAndLimits)
{
    for (const Seite& s : kSeiten) {
        QWidget* seite = frm->PageCtrl->widget(s.nummer);
        for (int i = static_cast<int>(s.erstes); i <= static_cast<int>(s.letztes); ++i) {
            const Opt id = Opt(i);
            const Steuerelement& e = p.opt.element(id);
            const std::string name(e.name);
            QWidget* feld = w(id);
            ASSERT_NE(feld, nullptr) << name;
            EXPECT_TRUE(seite->isAncestorOf(feld)) << name << " on page " << s.nummer;
            if (!e.label.empty()) {
                EXPECT_EQ(feld->accessibleName(), q(e.label)) << name;
            }
            if (auto* num = qobject_cast<TLxNumEdit*>(feld)) {
                EXPECT_EQ(num->text(), q(e.preset)) << name;
                EXPECT_EQ(num->MinValue(), e.min) << name;
                EXPECT_EQ(num->MaxValue(), e.max) << name;
                EXPECT_EQ(num->Kommastellen(), e.decimals) << name;
                auto* lab = qobject_cast<TLxValueLabEdit*>(feld);
                ASSERT_NE(lab, nullptr) << name;
                EXPECT_EQ(lab->EditLabel()->text(), q(e.label)) << name;
            } else if (auto* combo = qobject_cast<QComboBox*>(feld)) {
                EXPECT_EQ(combo->currentText(), q(e.preset)) << name;
                QStringList items;
                for (int k = 0; k < combo->count(); ++k) items.append(combo->itemText(k));
                QStringList erwartet;
                for (const std::string& item : p.opt[id].items) erwartet.append(q(item));
                EXPECT_EQ(items, erwartet) << name;
                auto* label = qobject_cast<QLabel*>(seite->findChild<QLabel*>(QStringLiteral("Lab") + q(e.name)));
                auto* eigenes = id == Opt::SVComboPVKi     ? w<QLabel>(Opt::SVLabPVAnzKi)
                                : id == Opt::ZVComboStFrei ? w<QLabel>(Opt::ZVLabStFrei)
                                                           : label;
                ASSERT_NE(eigenes, nullptr) << name;
                EXPECT_EQ(eigenes->buddy(), feld) << name;
                EXPECT_EQ(eigenes->text(), q(e.label)) << name;
            } else if (auto* edit = qobject_cast<QLineEdit*>(feld)) {
                EXPECT_EQ(edit->text(), q(e.preset)) << name;
                EXPECT_EQ(edit->maxLength(), e.length) << name;
            }
            EXPECT_EQ(feld->isEnabled(), e.enabled) << name;
        }
    }
    EXPECT_EQ(w<QLabel>(Opt::PnlKVSatz)->text(), QStringLiteral("14,60%"));
    EXPECT_EQ(w<QLabel>(Opt::AVLabGesetzgrundlage)->text(), QStringLiteral("keine Gesetzesgrundlage"));
    EXPECT_EQ(w(Opt::ZVVEdiSanGeld)->toolTip(), QStringLiteral("Bei VBL bitte vorgeben, da firmenindividuell"));
    EXPECT_EQ(w(Opt::LEdiPKV)->property(kHilfeKontext).toInt(), 4007);
    EXPECT_EQ(w(Opt::LEdiPPV)->property(kHilfeKontext).toInt(), 4008);
    EXPECT_EQ(w(Opt::ZVComboHochr)->property(kHilfeKontext).toInt(), 4005);
    EXPECT_EQ(w<TLxEditBase>(Opt::ZVEdiNameIndZV)->ActiveColor(), QColor(0xa6, 0xca, 0xf0)) << "sky blue in the focus";
}

TEST_F(UnitOptTest, RequestShowsThePageWithTheFocusInTheNamedField)
{
    frm->ZeigeSeite(5, QStringLiteral("VBVEdiErsterVers"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(frm.get()));
    EXPECT_EQ(frm->PageCtrl->currentIndex(), 5);
    EXPECT_EQ(QApplication::focusWidget(), w(Opt::VBVEdiErsterVers));
}

TEST_F(UnitOptTest, ChoosingVBLByKeysPresetsItsRatesAndMirrorsTheScheme)
{
    frm->ZeigeSeite(2, QStringLiteral("ZVComboArt"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(frm.get()));
    auto* art = w<QComboBox>(Opt::ZVComboArt);
    ASSERT_EQ(QApplication::focusWidget(), art);
    QTest::keyClick(art, Qt::Key_Down);  // "RZVK"
    QTest::keyClick(art, Qt::Key_Down);  // "VBL"
    EXPECT_EQ(art->currentText(), QStringLiteral("VBL"));
    EXPECT_EQ(p.haupt.text(Haupt::ComboZV), "VBL");
    auto* ag = w<QLineEdit>(Opt::ZVVEdiPAGA);
    EXPECT_EQ(ag->text(), QStringLiteral("5,49"));
    EXPECT_EQ(w<QLineEdit>(Opt::ZVVEdiPANA)->text(), QStringLiteral("1,41"));
    EXPECT_TRUE(ag->isEnabled());
    EXPECT_TRUE(w(Opt::ZVVEdiPANA)->isEnabled());

    // ENTER in a field presses no button: the dialog stays open, nothing else runs.
    ag->setFocus();
    Tippe(ag, "\r");
    Ereignisse();
    EXPECT_TRUE(frm->isVisible());
    EXPECT_TRUE(dialoge.aufrufe.empty()) << dialoge.protokoll().front();
    EXPECT_TRUE(fehlerTexte.isEmpty());
}

TEST_F(UnitOptTest, ResetButtonReturnsTypedFieldsToTheirResetTexts)
{
    ZeigeAktiv(frm.get());
    frm->PageCtrl->setCurrentIndex(1);
    auto* pkv = w<QLineEdit>(Opt::LEdiPKV);
    pkv->setFocus();
    pkv->selectAll();
    Tippe(pkv, "120");
    EXPECT_EQ(p.opt.text(Opt::LEdiPKV), "120");
    QTest::mouseClick(w<QPushButton>(Opt::BtnGrundstellung), Qt::LeftButton);
    EXPECT_EQ(pkv->text(), QStringLiteral("350,00"));
    EXPECT_TRUE(fehlerTexte.isEmpty());
}

// Typed beyond its range and left, a field without decimals holds its limit,
// as one with decimals does: what a record saves is what it can load.
TEST_F(UnitOptTest, WholeNumberFieldsPullTheirTextIntoRangeWhenLeft)
{
    struct Fall {
        int seite;
        Opt feld;
        const char* getippt;
    };
    ZeigeAktiv(frm.get());
    for (const Fall& f :
         {Fall{0, Opt::LSTVEdiStTage, "45"}, Fall{1, Opt::SVVEdiSVTage, "45"}, Fall{1, Opt::SVVEdiSVTage, "0"},
          Fall{4, Opt::EBVEdiTgVor, "400"}, Fall{5, Opt::VBVEdiJahr, "2999"}}) {
        SCOPED_TRACE(p.opt.name(f.feld));
        frm->PageCtrl->setCurrentIndex(f.seite);
        auto* feld = w<TLxNumEdit>(f.feld);
        ASSERT_NE(feld, nullptr);
        feld->setFocus(Qt::TabFocusReason);
        feld->selectAll();
        Tippe(feld, f.getippt);
        QTest::keyClick(feld, Qt::Key_Tab);
        ASSERT_FALSE(feld->hasFocus());
        const std::string grenze =
            std::string(f.getippt) == "0" ? shortestText(p.opt[f.feld].min) : shortestText(p.opt[f.feld].max);
        EXPECT_EQ(feld->text().toStdString(), grenze);
        EXPECT_EQ(p.opt.text(f.feld), grenze);
    }
    EXPECT_TRUE(fehlerTexte.isEmpty());
}

TEST_F(UnitOptTest, ChoosingPensionskasseByKeysShowsItsLegalBasis)
{
    frm->ZeigeSeite(3, QStringLiteral("AVCombo1Art"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(frm.get()));
    auto* art = w<QComboBox>(Opt::AVCombo1Art);
    QTest::keyClick(art, Qt::Key_Down);  // "Direktversicherung"
    QTest::keyClick(art, Qt::Key_Down);  // "Pensionskasse"
    EXPECT_EQ(art->currentText(), QStringLiteral("Pensionskasse"));
    EXPECT_EQ(w<QLabel>(Opt::AVLabGesetzgrundlage)->text(), QStringLiteral("Neuzusage nach § 3 Nr. 63 ohne 1800 Euro"));
    EXPECT_EQ(w<QLineEdit>(Opt::AVVEdi1Pst)->text(), QStringLiteral("0,00"));

    // A typed flat-tax limit turns it into the old commitment at once.
    auto* pst = w<QLineEdit>(Opt::AVVEdi1Pst);
    pst->setFocus();
    pst->selectAll();
    Tippe(pst, "1752");
    EXPECT_EQ(w<QLabel>(Opt::AVLabGesetzgrundlage)->text(), QStringLiteral("Altzusage nach § 3 Nr. 63"));
    EXPECT_EQ(w<QLabel>(Opt::AVLab2Gesetz)->text(), QStringLiteral("bzw. Altzusage nach § 40 b a.F."));
}

TEST_F(UnitOptTest, YearListShowsAYearItDoesNotList)
{
    p.opt.text(Opt::ComboJahr) = "2025";
    frm->aktualisieren();
    auto* jahr = w<QComboBox>(Opt::ComboJahr);
    EXPECT_EQ(jahr->currentIndex(), -1);
    EXPECT_EQ(jahr->placeholderText(), QStringLiteral("2025"));
}

}  // namespace
}  // namespace lx
