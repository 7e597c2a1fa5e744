#include "MainUnit.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "LxErrorBox.h"
#include "Programmstart.h"
#include "Version.h"

using lx::Haupt;

TForm1::TForm1(lx::ProgrammZustand& p, lx::Anzeige& anzeige) : QMainWindow(nullptr), p_(p), bindungen_(this, anzeige)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(lx::kAppTitle) + u' ' + QString::fromUtf8(lx::kVersion));
    lx::setzeHilfe(this, 1001);
    resize(645, 518);

    auto* leiste = new QToolBar(this);
    leiste->setObjectName(QStringLiteral("ToolBar1"));
    leiste->setMovable(false);
    leiste->setFloatable(false);
    addToolBar(leiste);
    auto knopf = [&](Haupt id, QStyle::StandardPixmap bild, lx::Bindungen::Handler h) {
        auto* k = bindungen_.feld<QToolButton>(p.haupt, id, leiste, std::move(h));
        k->setIcon(style()->standardIcon(bild));
        leiste->addWidget(k);
    };
    knopf(Haupt::BtnBrErfass, QStyle::SP_FileDialogContentsView, [&p] { BtnBrErfassClick(p); });
    knopf(Haupt::BtnDetailberechnung, QStyle::SP_FileDialogDetailedView, [&p] { BtnDetailberechnungClick(p); });
    knopf(Haupt::BtnOptionen, QStyle::SP_FileDialogListView, [&p] { BtnOptionenClick(p); });
    knopf(Haupt::BtnHilfe, QStyle::SP_DialogHelpButton, [&p] { BtnHilfeClick(p); });
    knopf(Haupt::BtnProgInto, QStyle::SP_MessageBoxInformation, [&p] { BtnProgIntoClick(p); });
    knopf(Haupt::BtnSchliessen, QStyle::SP_DialogCloseButton, [&p] { BtnSchliessenClick(p); });

    auto* mitte = new QWidget(this);
    auto* layout = new QVBoxLayout(mitte);
    layout->addWidget(bindungen_.feld<QTreeWidget>(p.haupt, Haupt::LVAbz, mitte));
    setCentralWidget(mitte);
    setStatusBar(bindungen_.feld<QStatusBar>(p.haupt, Haupt::StatusBar, this));

    anzeige.anmelden(this, [this] { aktualisieren(); });
    lx::runGuarded(this, [&p] { lx::FormCreate(p); });
    aktualisieren();
}

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // FormShow keeps its own once-only mark: minimising and showing again
    // sends further show events.
    bindungen_.ausfuehren([this] { lx::FormShow(p_); });
}

void TForm1::closeEvent(QCloseEvent* event)
{
    event->accept();
    // The open dialogs would keep the event loop running.
    QCoreApplication::quit();
}
