#pragma once
// Widget tests: one application object per test program, headless unless the
// environment names a platform, with the program's title. A test folder's
// TestMain.cpp is just
//
//   #include "GuiTest.h"
//   int main(int argc, char** argv) { return lx::test::guiMain(argc, argv); }
//
// GuiTest is the fixture: error boxes are recorded instead of shown, and the
// helpers show a window as the active one and type into a widget.

#include <gtest/gtest.h>

#include <QColor>
#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <ostream>

#include "LxErrorBox.h"

class QDialog;
class QWidget;

// Readable values in assertion messages.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QStringList& l, std::ostream* os)
{
    *os << '{' << l.join(QStringLiteral(", ")).toStdString() << '}';
}
inline void PrintTo(const QColor& c, std::ostream* os)
{
    *os << c.name().toStdString();
}

namespace lx::test {

int guiMain(int argc, char** argv);

class GuiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Shows the window and waits until it is the active one, as a user's is.
    static void ZeigeAktiv(QWidget* fenster);
    // Types `keys` into the widget: '\b' is Backspace, '\r' ENTER, '\t' Tab,
    // everything else its character.
    static void Tippe(QWidget* ziel, const char* keys);
    // Runs the events that are waiting.
    static void Ereignisse();

    QStringList fehlerTexte;  // texts of the error boxes shown meanwhile

private:
    ErrorBoxHandler vorher_;
};

// Serves a real modal dialog that the code under test opens and waits for:
// `bedienen` gets it once it is the active modal dialog, and the dialog is
// rejected afterwards if `bedienen` left it open. A dialog that has not
// appeared within `fristMs` fails the test, and any modal dialog after that
// is rejected, so that the test ends either way. Construct it right before
// the call that opens the dialog; check bedient() after it.
class ModalerDialog {
public:
    explicit ModalerDialog(std::function<void(QDialog*)> bedienen, int fristMs = 5000);
    ~ModalerDialog();
    ModalerDialog(const ModalerDialog&) = delete;
    ModalerDialog& operator=(const ModalerDialog&) = delete;

    bool bedient() const { return bedient_; }

private:
    void pruefen();

    std::function<void(QDialog*)> bedienen_;
    int fristMs_;
    QTimer timer_;
    QElapsedTimer seit_;
    bool bedient_ = false;
    bool zuSpaet_ = false;
};

}  // namespace lx::test
