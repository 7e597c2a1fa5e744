#include "OptTeilmonat.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "Kontextmenue.h"
#include "optionen/TeilmonatTeilzeit.h"

namespace lx {

void baueOptTeilmonat(Bindungen& b, ProgrammZustand& p, QWidget* seite)
{
    auto& o = p.opt;
    auto* layout = new QVBoxLayout(seite);
    auto* raster = new QGridLayout;
    layout->addLayout(raster);

    auto mitLabel = [&](Opt id, QWidget* feld, int zeile, int spalte) {
        raster->addWidget(Bindungen::beschriftung(o.element(id), feld, seite), zeile, spalte);
        raster->addWidget(feld, zeile, spalte + 1);
    };
    auto tag = [&](Opt id) {
        QWidget* w = b.feld(o, id, seite);
        w->setFixedWidth(w->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 16);
        return w;
    };

    mitLabel(Opt::TBComboJaNein, b.feld(o, Opt::TBComboJaNein, seite, [&p] { optionen::TBComboJaNeinChange(p); }), 0,
             0);
    mitLabel(Opt::TBVEdiVon, tag(Opt::TBVEdiVon), 1, 0);
    mitLabel(Opt::TBVEdiBis, tag(Opt::TBVEdiBis), 1, 2);
    mitLabel(Opt::TBVEdiUB1Von, tag(Opt::TBVEdiUB1Von), 2, 0);
    mitLabel(Opt::TBVEdiUB1Bis, tag(Opt::TBVEdiUB1Bis), 2, 2);
    mitLabel(Opt::TBLEdiGrund1, b.feld(o, Opt::TBLEdiGrund1, seite), 2, 4);
    mitLabel(Opt::TBVEdiUB2Von, tag(Opt::TBVEdiUB2Von), 3, 0);
    mitLabel(Opt::TBVEdiUB2Bis, tag(Opt::TBVEdiUB2Bis), 3, 2);
    mitLabel(Opt::TBLEdiGrund2, b.feld(o, Opt::TBLEdiGrund2, seite), 3, 4);
    QWidget* regel = b.feld(o, Opt::TBComboRegel, seite);
    raster->addWidget(Bindungen::beschriftung(o.element(Opt::TBComboRegel), regel, seite), 4, 0);
    raster->addWidget(regel, 4, 1, 1, 5);
    raster->setColumnStretch(5, 1);

    auto* monat = new QHBoxLayout;
    monat->addWidget(b.feld(o, Opt::TALabCapTage, seite));
    monat->addWidget(b.feld(o, Opt::TALabKalArb, seite));
    monat->addStretch();
    layout->addLayout(monat);

    auto* liste = b.feld<QTreeWidget>(o, Opt::TALView, seite);
    kontextEintrag(b, liste, "TAPopKuerzen", "Lohnart kürzen", [&p] { optionen::TALohnartKuerzen(p, true); });
    kontextEintrag(b, liste, "TAPopNichtKuerzen", "Lohnart nicht kürzen",
                   [&p] { optionen::TALohnartKuerzen(p, false); });
    layout->addWidget(liste, 1);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(b.feld(o, Opt::TABtnAktualisieren, seite, [&p] { optionen::ActTAAktualis(p); }));
    knoepfe->addWidget(b.feld(o, Opt::TABtnUebernehmen, seite, [&p] { optionen::ActTAUebernehmen(p); }));
    knoepfe->addStretch();
    layout->addLayout(knoepfe);
}

}  // namespace lx
