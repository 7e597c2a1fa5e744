#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "OptSeiten.h"
#include "stammdaten/OptionenStammdaten.h"

namespace lx {

namespace {

// Records named after "Standard" stand out in red.
void standardRot(QListWidget* liste)
{
    for (int i = 0; i < liste->count(); ++i) {
        QListWidgetItem* item = liste->item(i);
        const bool rot = item->text().contains(QStringLiteral("Standard"));
        item->setForeground(rot ? QBrush(Qt::red) : QBrush());
    }
}

}  // namespace

void baueOptStammpfad(QWidget* seite, Bindungen& b, ProgrammZustand& p)
{
    using enum Opt;
    auto* layout = new QVBoxLayout(seite);
    auto* pfad = b.feld(p.opt, JVEdiPfad, seite);
    layout->addWidget(Bindungen::beschriftung(p.opt.element(JVEdiPfad), pfad, seite));
    auto* pfadZeile = new QHBoxLayout;
    pfadZeile->addWidget(pfad, 1);
    pfadZeile->addWidget(b.feld(p.opt, JVBtnOrdner, seite, [&p] { optionen::JVOrdnerWaehlen(p); }));
    layout->addLayout(pfadZeile);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(b.feld(p.opt, AllgBtnPfadSpeichern, seite, [&p] { optionen::AllgPfadSpeichern(p); }));
    knoepfe->addWidget(b.feld(p.opt, AllgBtnAktualisieren, seite, [&p] { optionen::AllgAktualisieren(p); }));
    knoepfe->addStretch();
    layout->addLayout(knoepfe);

    auto* gruppe = new QGroupBox(QStringLiteral("Gespeicherte Stammdaten"), seite);
    gruppe->setObjectName(QStringLiteral("AllgGrpStamm"));
    auto* listen = new QHBoxLayout(gruppe);
    auto* namen = b.feld<QListWidget>(p.opt, AllgLiBoNameStamm, gruppe, [&p] { optionen::AllgLiBoNameStammClick(p); });
    namen->setMaximumWidth(180);
    QObject::connect(namen->model(), &QAbstractItemModel::rowsInserted, namen, [namen] { standardRot(namen); });
    popupMenue(namen, QStringLiteral("AllgPopupStamm"), [&b, &p, namen](QMenu& m) {
        if (namen->count() == 0) return false;
        m.addAction(QStringLiteral("angeklickte Datei löschen"),
                    [&b, &p] { b.ausfuehren([&p] { optionen::AllgDateiLoeschen(p); }); });
        return true;
    });
    listen->addWidget(namen);
    auto* daten = b.feld<QListWidget>(p.opt, AllgLiBoDatenStamm, gruppe);
    QFont fest(QStringLiteral("Liberation Mono"));
    fest.setStyleHint(QFont::Monospace);
    daten->setFont(fest);
    listen->addWidget(daten, 1);
    layout->addWidget(gruppe, 1);
}

}  // namespace lx
