#include <QAction>
#include <QFormLayout>
#include <QMenu>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "OptSeiten.h"
#include "optionen/OptionenListen.h"

namespace lx {

void baueOptPfaendung(QWidget* seite, Bindungen& b, ProgrammZustand& p)
{
    using enum Opt;
    auto* layout = new QVBoxLayout(seite);
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    for (Opt id : {PfdComboJaNein, PfdComboMethode, PfdVEdiUntPers, PfdVEdiVerbleib, PfdComboEntUmw}) {
        QWidget* feld = optZeile(form, seite, b, p, id);
        if (id == PfdVEdiUntPers) feld->setMaximumWidth(40);
        if (id == PfdVEdiVerbleib) feld->setMaximumWidth(100);
    }
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
