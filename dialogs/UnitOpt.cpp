#include "UnitOpt.h"

#include <QTabWidget>
#include <QVBoxLayout>

using lx::Opt;

TFrmOpt::TFrmOpt(lx::ProgrammZustand& p, lx::Anzeige& anzeige)
    : TLxDialog(p, anzeige, "FrmOpt", "Optionen", 3000, 640, 520)
{
    auto* layout = new QVBoxLayout(this);
    PageCtrl = bindungen.feld<QTabWidget>(p.opt, Opt::PageCtrl, this);
    layout->addWidget(PageCtrl);
}

void TFrmOpt::ZeigeSeite(int seite, const QString& fokus)
{
    auto& seiten = p.opt[Opt::PageCtrl];
    if (seite >= 0 && seite < static_cast<int>(seiten.items.size())) seiten.selected = seite;
    aktualisieren();
    show();
    raise();
    activateWindow();
    if (fokus.isEmpty()) return;
    if (auto* ziel = findChild<QWidget*>(fokus)) ziel->setFocus(Qt::OtherFocusReason);
}
