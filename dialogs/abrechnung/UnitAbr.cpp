#include "UnitAbr.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "abrechnung/Abrechnungsfenster.h"

using lx::Abr;

TFrmAbrechnung::TFrmAbrechnung(lx::ProgrammZustand& zustand, lx::Anzeige& anzeige)
    : TLxDialog(zustand, anzeige, "FrmAbrechnung", "Detailabrechnung", 5000, 720, 560)
{
    auto* layout = new QVBoxLayout(this);

    // The print settings above the text, every button below it.
    auto* oben = new QHBoxLayout;
    auto* combo = bindungen.feld<QComboBox>(p.abr, Abr::ComboDrucker, this);
    combo->setMinimumContentsLength(24);
    oben->addWidget(lx::Bindungen::beschriftung(p.abr.element(Abr::ComboDrucker), combo, this));
    oben->addWidget(combo);
    oben->addSpacing(12);
    auto* name = bindungen.feld<QLineEdit>(p.abr, Abr::LEdiDruckName, this);
    name->setMinimumWidth(name->fontMetrics().averageCharWidth() * 30 + 12);
    oben->addWidget(lx::Bindungen::beschriftung(p.abr.element(Abr::LEdiDruckName), name, this));
    oben->addWidget(name);
    oben->addStretch(1);
    layout->addLayout(oben);

    auto* memo = bindungen.feld<QPlainTextEdit>(p.abr, Abr::MemoAbr, this);
    QFont schrift(QStringLiteral("Courier New"), 10);
    schrift.setStyleHint(QFont::TypeWriter);
    schrift.setFixedPitch(true);
    memo->setFont(schrift);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setReadOnly(true);
    layout->addWidget(memo, 1);
    for (Abr liste : {Abr::LiBoPfd, Abr::LiBoATZ, Abr::LiBoPrintAbr}) bindungen.feld(p.abr, liste, this);

    auto* unten = new QHBoxLayout;
    for (auto [id, h] : {std::pair{Abr::BtnAbr, &lx::BtnAbrClick}, std::pair{Abr::BtnPfd, &lx::BtnPfdClick},
                         std::pair{Abr::BtnATZ, &lx::BtnATZClick}}) {
        // A structured binding is not captured by name in clang 14.
        unten->addWidget(bindungen.feld(p.abr, id, this, [this, handler = h] { handler(p); }));
    }
    unten->addStretch(1);
    unten->addWidget(bindungen.feld(p.abr, Abr::BtnDrucken, this, [this] { lx::ActDrucken(p); }));
    unten->addWidget(bindungen.feld(p.abr, Abr::BtnSpeichern, this, [this] { lx::ActAbrSave(p); }));
    unten->addWidget(bindungen.feld(p.abr, Abr::BtnOeffnen, this, [this] { lx::AbrOeffnenClick(p); }));
    unten->addWidget(bindungen.feld(p.abr, Abr::BtnHilfe, this, [this] { lx::AbrHilfeClick(p); }));
    unten->addWidget(bindungen.feld(p.abr, Abr::BtnSchliessen, this, [this] { lx::AbrSchliessenClick(p); }));
    layout->addLayout(unten);

    // Room for the payslip's 95 columns.
    const int breite = QFontMetrics(schrift).horizontalAdvance(QString(97, u'0')) + 60;
    if (breite > width()) resize(breite, height());
    aktualisieren();
}
