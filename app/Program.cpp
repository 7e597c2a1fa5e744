#include "Program.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QScreen>
#include <QTranslator>

#include "Bildschirm.h"
#include "HelpViewer.h"
#include "MainUnit.h"
#include "StammOrte.h"
#include "UnitAbout.h"
#include "UnitAbr.h"
#include "UnitErfass.h"
#include "UnitOpt.h"
#include "abrechnung/Abrechnungsfenster.h"
#include "gemeinsam/Version.h"
#include "hauptfenster/Programmstart.h"

namespace lx {

namespace {

Dialoge& dialogeVon(const Umgebung& u, std::unique_ptr<DialogeQt>& eigene)
{
    if (u.dialoge != nullptr) return *u.dialoge;
    eigene = std::make_unique<DialogeQt>();
    return *eigene;
}

const Uhr& uhrVon(const Umgebung& u, std::unique_ptr<SystemUhr>& eigene)
{
    if (u.uhr != nullptr) return *u.uhr;
    eigene = std::make_unique<SystemUhr>();
    return *eigene;
}

}  // namespace

ProgramWindows::ProgramWindows(const Umgebung& umgebung)
    : zustand(dialogeVon(umgebung, dialogeQt), uhrVon(umgebung, systemUhr))
{
    zustand.programmOrdner =
        (umgebung.programmOrdner.isEmpty() ? QCoreApplication::applicationDirPath() : umgebung.programmOrdner)
            .toStdString();
    zustand.hilfe = umgebung.hilfe;
    if (dialogeQt) {
        dialogeQt->setHilfe([](int kontext) { HelpViewer::DisplayHelpByContext(kontext); });
        dialogeQt->setVorMeldung([this] { anzeige.alles(); });
    }
    const StammOrte orte = waehleStammOrte(QString::fromStdString(zustand.programmOrdner));
    zustand.einstellungsDatei = orte.einstellungsDatei;
    zustand.stammOrdnerVorgabe = orte.stammOrdner;
    zustand.druckGeraet = &druckGeraet;
    form1 = std::make_unique<TForm1>(zustand, anzeige);
    frmErfass = std::make_unique<TFrmErfass>(zustand, anzeige);
    frmOpt = std::make_unique<TFrmOpt>(zustand, anzeige);
    frmAbrechnung = std::make_unique<TFrmAbrechnung>(zustand, anzeige);
    if (umgebung.druckerKatalog != nullptr) {
        DruckerListeFuellen(zustand, *umgebung.druckerKatalog);
    } else {
        DruckerListeFuellen(zustand, QtDruckerKatalog{});
    }
    aboutBox = std::make_unique<TAboutBox>(zustand, anzeige);
    if (dialogeQt) {
        dialogeQt->anmelden(Fenster::Haupt, form1.get());
        dialogeQt->anmelden(Fenster::Erfass, frmErfass.get());
        dialogeQt->anmeldenOptionen(frmOpt.get());
        dialogeQt->anmelden(Fenster::Abrechnung, frmAbrechnung.get());
        dialogeQt->anmelden(Fenster::About, aboutBox.get());
    }
    anzeige.alles();
}

ProgramWindows::~ProgramWindows()
{
    FormDestroy(zustand);
    aboutBox.reset();
    frmAbrechnung.reset();
    frmOpt.reset();
    frmErfass.reset();
    form1.reset();
}

bool ladeUebersetzung(QApplication& app)
{
    auto* uebersetzung = new QTranslator(&app);
    if (!uebersetzung->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete uebersetzung;
        return false;
    }
    QApplication::installTranslator(uebersetzung);
    return true;
}

std::unique_ptr<ProgramWindows> startProgram(QApplication& app, const Umgebung& umgebung)
{
    app.setApplicationName(QString::fromUtf8(kAppTitle));
    // The main window's close ends the program; a message box shown before
    // it must not.
    app.setQuitOnLastWindowClosed(false);
    ladeUebersetzung(app);
    auto fenster = std::make_unique<ProgramWindows>(umgebung);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        einpassen(*fenster->form1, screen->availableGeometry(), true);
    }
    return fenster;
}

}  // namespace lx
