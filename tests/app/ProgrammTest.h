#pragma once
// The running program for widget tests: started from a fresh folder of its
// own with a help file in it (so no message about a missing one), on a fixed
// day, its main window shown as the active one. Messages go to the recording
// `dialoge`, emptied after the start, or to the program's own dialogs.

#include <QApplication>
#include <QLineEdit>
#include <QString>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "FakeDialoge.h"
#include "FesteUhr.h"
#include "GuiTest.h"
#include "MainUnit.h"
#include "Program.h"
#include "TempDir.h"
#include "hauptfenster/Programmstart.h"

namespace lx::test {

enum class Meldungen { Aufgezeichnet, Programm };

class ProgrammTest : public GuiTest {
protected:
    explicit ProgrammTest(Meldungen meldungen = Meldungen::Aufgezeichnet) : meldungen_(meldungen) {}

    void SetUp() override
    {
        GuiTest::SetUp();
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        // one folder a test: the tests of a program run side by side
        ordner = test::uniqueTempDir(std::string("lx-") + info->test_suite_name() + "-" + info->name());
        std::filesystem::create_directories(ordner);
        std::ofstream(ordner / kHilfeDateiName) << "x";
        fenster = startProgram(*qApp, {.dialoge = meldungen_ == Meldungen::Aufgezeichnet ? &dialoge : nullptr,
                                       .uhr = &uhr,
                                       .programmOrdner = QString::fromStdString(ordner.string())});
        form = fenster->form1.get();
        ZeigeAktiv(form);
        dialoge.leeren();
    }
    void TearDown() override
    {
        fenster.reset();
        std::filesystem::remove_all(ordner);
        GuiTest::TearDown();
    }

    // The main window's widget of that name.
    template <class W = QWidget>
    W* w(const char* name)
    {
        return form->findChild<W*>(QString::fromUtf8(name));
    }
    // Replaces a field's text by typing, as a user who selected it all.
    static void Ueberschreibe(QLineEdit* edit, const char* keys)
    {
        edit->setFocus();
        edit->selectAll();
        Tippe(edit, keys);
    }
    ProgrammZustand& p() { return fenster->zustand; }

    std::filesystem::path ordner;
    FakeDialoge dialoge;
    FesteUhr uhr{2024, 5, 10};
    std::unique_ptr<ProgramWindows> fenster;
    TForm1* form = nullptr;

private:
    Meldungen meldungen_;
};

}  // namespace lx::test
