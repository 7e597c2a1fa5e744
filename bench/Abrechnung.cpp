// lx_bench_abrechnung [--passes N]
//
// Times a calculation as the user starts it: the whole program offscreen, a
// gross typed into the main window's gross field, ENTER pressed, until the
// payslip window's text holds the new payslip. Prints the minimum, the median
// and the maximum milliseconds over N passes (default 200), each with another
// gross so that every pass builds a new payslip. Stops with status 1 when a
// pass shows no payslip.

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <string>
#include <vector>

#include "MainUnit.h"
#include "Program.h"
#include "UnitAbr.h"
#include "gemeinsam/Dialoge.h"
#include "hauptfenster/Programmstart.h"

namespace {

// Messages are counted, not shown: a box would stop the run.
class StummeDialoge : public lx::Dialoge {
public:
    void Information(std::string_view) override { ++meldungen; }
    void Warnung(std::string_view) override { ++meldungen; }
    void Fehler(std::string_view t) override
    {
        ++meldungen;
        std::cerr << "error: " << t << '\n';
    }
    bool JaNein(std::string_view) override { return false; }
    std::optional<std::string> DateiOeffnen(const lx::DateiAuswahl&) override { return std::nullopt; }
    std::optional<std::string> DateiSpeichern(const lx::DateiAuswahl&) override { return std::nullopt; }
    std::optional<std::string> OrdnerWaehlen(std::string_view, std::string_view) override { return std::nullopt; }
    void Zeigen(lx::Fenster) override {}
    void Verbergen(lx::Fenster) override {}
    void OptionenZeigen(int, std::string_view) override {}
    void Fokus(lx::Fenster, std::string_view) override {}
    void Hilfe(int) override {}
    int meldungen = 0;
};

void taste(QWidget* w, int key, const QString& text = {})
{
    QKeyEvent druck(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &druck);
    QKeyEvent los(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &los);
}

}  // namespace

int main(int argc, char** argv)
{
    int durchlaeufe = 200;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--passes" && i + 1 < argc) durchlaeufe = std::max(1, std::atoi(argv[++i]));
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    StummeDialoge dialoge;
    // A program folder with a help file, so that the start asks nothing.
    QTemporaryDir ordner;
    std::ofstream((ordner.path() + u'/' + QString::fromUtf8(lx::kHilfeDateiName)).toStdString()) << "x";
    auto fenster = lx::startProgram(app, {.dialoge = &dialoge, .programmOrdner = ordner.path()});
    fenster->form1->show();
    QApplication::processEvents();

    auto* brutto = fenster->form1->findChild<QLineEdit*>(QStringLiteral("LEdiBrutto"));
    auto* memo = fenster->frmAbrechnung->findChild<QPlainTextEdit*>(QStringLiteral("MemoAbr"));
    if (brutto == nullptr || memo == nullptr) {
        std::cerr << "LEdiBrutto or MemoAbr missing\n";
        return 1;
    }

    std::vector<double> ms;
    for (int i = 0; i < durchlaeufe; ++i) {
        brutto->setFocus();
        brutto->selectAll();
        const QString betrag = QString::number(2000 + i);
        for (QChar c : betrag) taste(brutto, c.unicode(), QString(c));
        const QString vorher = memo->toPlainText();
        const auto start = std::chrono::steady_clock::now();
        taste(brutto, Qt::Key_Return, QStringLiteral("\r"));
        QApplication::processEvents();
        const auto ende = std::chrono::steady_clock::now();
        const QString nachher = memo->toPlainText();
        if (nachher == vorher || !nachher.contains(QStringLiteral("Auszahlungsbetrag"))) {
            std::cerr << "pass " << i + 1 << ": no new payslip for " << betrag.toStdString() << '\n';
            return 1;
        }
        ms.push_back(std::chrono::duration<double, std::milli>(ende - start).count());
    }
    std::sort(ms.begin(), ms.end());
    std::cout << std::fixed << std::setprecision(3) << "ENTER to payslip over " << ms.size() << " passes: min "
              << ms.front() << " ms, median " << ms[ms.size() / 2] << " ms, max " << ms.back() << " ms (target 20 ms)"
              << '\n';
    if (dialoge.meldungen) std::cout << dialoge.meldungen << " messages meanwhile\n";
    return 0;
}
