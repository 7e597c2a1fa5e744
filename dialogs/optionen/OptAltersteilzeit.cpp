#include <QAction>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "LxValueLabEdit.h"
#include "OptSeiten.h"
#include "optionen/OptionenListen.h"

namespace lx {

namespace {

// A percentage field with its caption and the unit after it.
void prozentZeile(QFormLayout* form, TLxValueLabEdit* feld, QWidget* eltern)
{
    auto* zeile = new QHBoxLayout;
    zeile->addWidget(feld);
    zeile->addWidget(new QLabel(QStringLiteral("Prozent"), eltern));
    zeile->addStretch();
    feld->setMaximumWidth(60);
    form->addRow(feld->EditLabel(), zeile);
}

}  // namespace

void spaltenNichtKuerzer(QTreeWidget* liste)
{
    QHeaderView* kopf = liste->header();
    for (int i = 0; i < liste->columnCount(); ++i) {
        const int noetig = kopf->fontMetrics().horizontalAdvance(liste->headerItem()->text(i)) + 12;
        if (kopf->sectionSize(i) < noetig) kopf->resizeSection(i, noetig);
    }
}

void popupMenue(QWidget* w, const QString& name, std::function<bool(QMenu&)> fuellen)
{
    w->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(w, &QWidget::customContextMenuRequested, w, [w, name, fuellen](const QPoint& pos) {
        QMenu menue(w);
        menue.setObjectName(name);
        if (!fuellen(menue)) return;
        const QPoint wo = qobject_cast<QAbstractScrollArea*>(w) != nullptr
                              ? qobject_cast<QAbstractScrollArea*>(w)->viewport()->mapToGlobal(pos)
                              : w->mapToGlobal(pos);
        menue.exec(wo);
    });
}

void baueOptAltersteilzeit(QWidget* seite, Bindungen& b, ProgrammZustand& p)
{
    using enum Opt;
    auto* layout = new QVBoxLayout(seite);
    auto* oben = new QFormLayout;
    optZeile(oben, seite, b, p, ATZComboJaNein, [&p] { optionen::ATZComboJaNeinChange(p); })->setMaximumWidth(80);
    layout->addLayout(oben);

    auto* gruppe = new QGroupBox(QStringLiteral("ATZ nach Regelarbeitsentgelt (ab 01.07.2004)"), seite);
    gruppe->setObjectName(QStringLiteral("ATZGrpRegel"));
    auto* prozente = new QFormLayout(gruppe);
    prozentZeile(prozente, b.feld<TLxValueLabEdit>(p.opt, ATZLxVEdiAufst, gruppe), gruppe);
    prozentZeile(prozente, b.feld<TLxValueLabEdit>(p.opt, ATZneuAufstRV, gruppe), gruppe);
    layout->addWidget(gruppe);

    auto* betraege = new QFormLayout;
    optZeile(betraege, seite, b, p, ATZmanReg)->setMaximumWidth(100);
    for (Opt id : {ATZLabRegEnt, ATZLabAufst}) {
        auto* anzeige = b.feld(p.opt, id, seite);
        betraege->addRow(Bindungen::beschriftung(p.opt.element(id), anzeige, seite), anzeige);
    }
    layout->addLayout(betraege);

    auto* listeZeile = new QHBoxLayout;
    auto* liste = b.feld<QTreeWidget>(p.opt, ATZLView, seite);
    spaltenNichtKuerzer(liste);
    popupMenue(liste, QStringLiteral("ATZPopup"), [&b, &p](QMenu& m) {
        m.addAction(QStringLiteral("aufstocken"),
                    [&b, &p] { b.ausfuehren([&p] { optionen::ATZAufstocken(p, true); }); });
        m.addAction(QStringLiteral("nicht aufstocken"),
                    [&b, &p] { b.ausfuehren([&p] { optionen::ATZAufstocken(p, false); }); });
        return true;
    });
    listeZeile->addWidget(liste);
    auto* knopf = b.feld(p.opt, ATZBtnAktualis, seite, [&p] { optionen::ATZBtnAktualisClick(p); });
    listeZeile->addWidget(knopf, 0, Qt::AlignTop);
    layout->addLayout(listeZeile, 1);
}

}  // namespace lx
