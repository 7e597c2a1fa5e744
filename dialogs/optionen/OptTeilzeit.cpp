#include "OptTeilzeit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "Kontextmenue.h"
#include "LxValueLabEdit.h"
#include "optionen/TeilmonatTeilzeit.h"

namespace lx {

void baueOptTeilzeit(Bindungen& b, ProgrammZustand& p, QWidget* seite)
{
    auto& o = p.opt;
    auto* layout = new QVBoxLayout(seite);
    auto* raster = new QGridLayout;
    layout->addLayout(raster);

    QWidget* jaNein = b.feld(o, Opt::TZComboJaNein, seite, [&p] { optionen::TZComboJaNeinChange(p); });
    raster->addWidget(Bindungen::beschriftung(o.element(Opt::TZComboJaNein), jaNein, seite), 0, 0);
    raster->addWidget(jaNein, 0, 1);
    int zeile = 1;
    for (Opt id : {Opt::TZVEdiWoStd, Opt::TZVEdiWoVZ}) {
        auto* feld = b.feld<TLxValueLabEdit>(o, id, seite);
        feld->setFixedWidth(feld->fontMetrics().horizontalAdvance(QStringLiteral("0000,00")) + 16);
        raster->addWidget(feld->EditLabel(), zeile, 0);
        raster->addWidget(feld, zeile, 1);
        ++zeile;
    }
    raster->setColumnStretch(2, 1);
    layout->addWidget(b.feld(o, Opt::TZLabHinweis, seite));

    auto* liste = b.feld<QTreeWidget>(o, Opt::TZLView, seite);
    kontextEintrag(b, liste, "TZPopHerunter", "Auf Teilzeit herunterrechnen",
                   [&p] { optionen::TZHerunterrechnen(p, true); });
    kontextEintrag(b, liste, "TZPopNicht", "Nicht herunterrechnen", [&p] { optionen::TZHerunterrechnen(p, false); });
    kontextTrenner(liste);
    kontextEintrag(b, liste, "TZPopKfm", "Kaufmännisch runden", [&p] { optionen::TZRunden(p, "kfm"); });
    kontextEintrag(b, liste, "TZPop010", "Auf volle € 0,10 runden", [&p] { optionen::TZRunden(p, "0,10"); });
    kontextEintrag(b, liste, "TZPop050", "Auf volle € 0,50 runden", [&p] { optionen::TZRunden(p, "0,50"); });
    kontextEintrag(b, liste, "TZPop100", "Auf volle € 1,00 runden", [&p] { optionen::TZRunden(p, "1,00"); });
    layout->addWidget(liste, 1);
    layout->addWidget(b.feld(o, Opt::TZLiBo, seite));

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(b.feld(o, Opt::TZBtnAktualisieren, seite, [&p] { optionen::ActTZAktualis(p); }));
    knoepfe->addWidget(b.feld(o, Opt::TZBtnUebernehmen, seite, [&p] { optionen::ActTZUebernehmen(p); }));
    knoepfe->addStretch();
    layout->addLayout(knoepfe);
}

}  // namespace lx
