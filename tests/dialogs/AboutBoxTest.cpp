// The about box: its controls by name, "Hilfe" asks for its context, and the
// update check through a real key press reports and frees the button again.

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "Binder.h"
#include "FakeDialoge.h"
#include "FakeServer.h"
#include "FesteUhr.h"
#include "GuiTest.h"
#include "ProgrammZustand.h"
#include "UnitAbout.h"
#include "UpdateCheck.h"

namespace lx {
namespace {

class AboutBoxTest : public test::GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        box = std::make_unique<TAboutBox>(p, anzeige);
    }
    void TearDown() override
    {
        box.reset();
        GuiTest::TearDown();
    }
    template <class W>
    W* Kind(const char* name)
    {
        auto* w = box->findChild<W*>(QString::fromUtf8(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    test::FakeDialoge dialoge;
    test::FesteUhr uhr{2024, 5, 10};
    ProgrammZustand p{dialoge, uhr};
    Anzeige anzeige;
    std::unique_ptr<TAboutBox> box;
};

TEST_F(AboutBoxTest, ControlsByName)
{
    EXPECT_EQ(box->objectName(), "AboutBox");
    EXPECT_EQ(box->windowTitle(), QString::fromUtf8("Info über"));
    EXPECT_EQ(box->property(kHilfeKontext).toInt(), 6000);
    EXPECT_TRUE(box->isModal());
    const struct {
        const char* name;
        const char* text;
    } labels[] = {{"ProductName", "RiVodozazavudidavaz"}, {"Version", "Version 1.1.1.1"}};
    for (const auto& l : labels) {
        if (auto* w = Kind<QLabel>(l.name)) {
            EXPECT_EQ(w->text(), QString::fromUtf8(l.text)) << l.name;
        }
    }
    if (auto* link = Kind<QLabel>("LblWebsite")) {
        EXPECT_TRUE(link->text().contains("www.rivodozazavudidavaz.de"));
    }
    const struct {
        const char* name;
        const char* caption;
    } buttons[] = {{"OKButton", "OK"}, {"BtnUpdate", "Auf Updates prüfen"}, {"BtnHilfe", "Hilfe"}};
    for (const auto& b : buttons) {
        if (auto* w = Kind<QPushButton>(b.name)) {
            EXPECT_EQ(w->text(), QString::fromUtf8(b.caption)) << b.name;
        }
    }
}

TEST_F(AboutBoxTest, HilfeAsksForItsContextAndOkCloses)
{
    ZeigeAktiv(box.get());
    Kind<QPushButton>("BtnHilfe")->click();
    ASSERT_EQ(dialoge.aufrufe.size(), 1u);
    EXPECT_EQ(dialoge.aufrufe[0].art, test::Art::Hilfe);
    EXPECT_EQ(dialoge.aufrufe[0].zahl, 6000);
    Kind<QPushButton>("OKButton")->click();
    EXPECT_FALSE(box->isVisible());
}

TEST_F(AboutBoxTest, SpaceOnTheUpdateButtonShowsTheResult)
{
    test::FakeServer server(test::Answer("200 OK", "Kopf\r\nRiVodozazavudidavaz 1.1.2.0\r\n"));
    box->updateCheck().setUrl(server.url());
    ZeigeAktiv(box.get());
    auto* knopf = Kind<QPushButton>("BtnUpdate");
    knopf->setFocus();
    QSignalSpy fertig(&box->updateCheck(), &UpdateCheck::finished);
    QTest::keyClick(knopf, Qt::Key_Space);
    EXPECT_FALSE(knopf->isEnabled()) << "disabled while the check runs";
    ASSERT_TRUE(fertig.wait(10000));
    EXPECT_EQ(dialoge.texte(test::Art::Information),
              std::vector<std::string>{"Im Internet liegt ein Update auf Version 1.1.2.0 vor"});
    EXPECT_TRUE(knopf->isEnabled());
}

TEST_F(AboutBoxTest, AFailedCheckFreesTheButtonToo)
{
    test::FakeServer server(test::Answer("404 Not Found", "RiVodozazavudidavaz 1.1.2.0\n"));
    box->updateCheck().setUrl(server.url());
    ZeigeAktiv(box.get());
    auto* knopf = Kind<QPushButton>("BtnUpdate");
    QSignalSpy fertig(&box->updateCheck(), &UpdateCheck::finished);
    knopf->click();
    ASSERT_TRUE(fertig.wait(10000));
    EXPECT_EQ(dialoge.texte(test::Art::Information),
              std::vector<std::string>{"Fehler beim Prüfen der Update-Informationen\nHTTP 404"});
    EXPECT_TRUE(knopf->isEnabled());
}

}  // namespace
}  // namespace lx
