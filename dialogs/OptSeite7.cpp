#include <QAction>
#include <QFormLayout>
#include <QMenu>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "LxValueLabEdit.h"
#include "OptSeiten.h"
#include "OptionenListen.h"

namespace lx {

void baueOptSeite7(QWidget* seite, Bindungen& b, ProgrammZustand& p)
{
    using enum Opt;
    auto* layout = new QVBoxLayout(seite);
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    for (Opt id : {PfdComboJaNein, PfdComboMethode}) {
        auto* liste = b.feld(p.opt, id, seite);
        form->addRow(Bindungen::beschriftung(p.opt.element(id), liste, seite), liste);
    }
    for (Opt id : {PfdVEdiUntPers, PfdVEdiVerbleib}) {
        auto* feld = b.feld<TLxValueLabEdit>(p.opt, id, seite);
        feld->setMaximumWidth(id == PfdVEdiUntPers ? 40 : 100);
        form->addRow(feld->EditLabel(), feld);
    }
    auto* umwandlung = b.feld(p.opt, PfdComboEntUmw, seite);
    form->addRow(Bindungen::beschriftung(p.opt.element(PfdComboEntUmw), umwandlung, seite), umwandlung);
    layout->addLayout(form);

    auto* liste = b.feld<QTreeWidget>(p.opt, PfdLView, seite);
    spaltenNichtKuerzer(liste);
    popupMenue(liste, QStringLiteral("PfdPopup"), [&b, &p](QMenu& m) {
        if (p.opt[PfdLView].rows.empty()) return false;
        for (std::size_t i = 0; i < optionen::kPfdMarken.size(); ++i) {
            const auto& marke = optionen::kPfdMarken[i];
            QAction* a =
                m.addAction(QString::fromUtf8(marke.caption.data(), static_cast<qsizetype>(marke.caption.size())),
                            [&b, &p, i] { b.ausfuehren([&p, i] { optionen::PfdMarkeSetzen(p, i); }); });
            a->setEnabled(optionen::PfdMarkeMoeglich(p, i));
        }
        return true;
    });
    layout->addWidget(liste, 1);
}

}  // namespace lx
