#include "UnitErfass.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "LxAdvEdit.h"
#include "LxValueEdit.h"
#include "berechnung/Berechnungslauf.h"
#include "erfassung/Erfassung.h"

using lx::Erfass;

namespace {

constexpr std::array<Erfass, lx::kFlagAnzahl> kFlagZellen = {
    Erfass::AEdiLST, Erfass::AEdiSV, Erfass::AEdiZV, Erfass::AEdiEB, Erfass::AEdiLMJ, Erfass::AEdiNT, Erfass::AEdiVB};
constexpr std::array<const char*, lx::kFlagAnzahl> kFlagTitel = {"LST", "SV", "ZV", "EB", "LMJ", "NT", "VB"};

}  // namespace

TFrmErfass::TFrmErfass(lx::ProgrammZustand& zustand, lx::Anzeige& anzeige)
    : TLxDialog(zustand, anzeige, "FrmErfass", "Beträge erfassen", 4000, 900, 560)
{
    auto& e = p.erfass;
    auto& b = bindungen;
    auto* haupt = new QVBoxLayout(this);

    // The entry band, column by column as in the list below it.
    auto* band = new QGridLayout;
    band->setHorizontalSpacing(2);
    haupt->addLayout(band);
    band->addWidget(new QLabel(QStringLiteral("Lohnart"), this), 0, 0);
    band->addWidget(new QLabel(QStringLiteral("Betrag"), this), 0, 1);
    auto* name = b.feld<TLxAdvEdit>(e, Erfass::AEdiLOA, this);
    name->setFixedWidth(188);
    band->addWidget(name, 1, 0);
    auto* betrag = b.feld<TLxValueEdit>(e, Erfass::VEdiBetrag, this);
    betrag->setFixedWidth(88);
    band->addWidget(betrag, 1, 1);

    // F2, F3, F4 choose the kind and take the row, ENTER takes it as it is.
    auto nehmen = [this](int& key, Qt::KeyboardModifiers) {
        std::optional<int> typ;
        switch (key) {
            case Qt::Key_F2:
                typ = lx::kBezug;
                break;
            case Qt::Key_F3:
                typ = lx::kSachbezug;
                break;
            case Qt::Key_F4:
                typ = lx::kAbzug;
                break;
            case Qt::Key_Return:
            case Qt::Key_Enter:
                break;
            default:
                return;
        }
        key = 0;
        bindungen.ausfuehren([this, typ] { lx::erfass::ZeileNehmen(p, typ); });
    };
    betrag->OnKeyDown = nehmen;
    QWidget* vorige = betrag;
    setTabOrder(name, betrag);
    for (int f = 0; f < lx::kFlagAnzahl; ++f) {
        auto* zelle = b.feld<TLxAdvEdit>(e, kFlagZellen[f], this);
        zelle->setFixedWidth(38);
        QFont fett = zelle->font();
        fett.setBold(true);
        zelle->setFont(fett);
        zelle->OnKeyDown = nehmen;
        // Every character but Backspace marks the cell.
        zelle->OnKeyPress = [zelle](QChar& key) {
            if (key == u'\b' || key == u'\r') return;
            zelle->clear();
            key = u'x';
        };
        band->addWidget(new QLabel(QString::fromUtf8(kFlagTitel[f]), this), 0, 2 + f, Qt::AlignHCenter);
        band->addWidget(zelle, 1, 2 + f);
        setTabOrder(vorige, zelle);
        vorige = zelle;
    }
    band->setColumnStretch(9, 1);

    // Kind, sign rule and the part-time and partial-month indicators.
    auto* art = new QHBoxLayout;
    haupt->addLayout(art);
    art->addWidget(new QLabel(QStringLiteral("Lohnartentyp:"), this));
    const std::array<std::pair<Erfass, int>, 3> panels = {
        {{Erfass::PnlBezug, lx::kBezug}, {Erfass::PnlSachbezug, lx::kSachbezug}, {Erfass::PnlAbzug, lx::kAbzug}}};
    for (const auto& [id, typ] : panels) {
        auto* panel = b.feld<lx::TLxPanel>(e, id, this, [this, typ = typ] { lx::erfass::TypWaehlen(p, typ); });
        panel->setFixedSize(24, 22);
        art->addWidget(panel);
    }
    art->addSpacing(16);
    art->addWidget(b.feld(e, Erfass::ChkAbzSteuerung, this));
    art->addStretch(1);
    auto indikator = [&](Erfass id, void (*klick)(lx::ProgrammZustand&, bool)) {
        auto* panel = b.feld<lx::TLxPanel>(e, id, this);
        panel->setFixedSize(30, 22);
        connect(panel, &lx::TLxPanel::clicked, this, [this, klick](Qt::MouseButton knopf) {
            bindungen.ausfuehren([this, klick, knopf] { klick(p, knopf == Qt::LeftButton); });
        });
        art->addWidget(panel);
    };
    indikator(Erfass::PnlTZAktiv, lx::erfass::PnlTZAktivClick);
    indikator(Erfass::PnlTBAktiv, lx::erfass::PnlTBAktivClick);

    auto* knoepfe = new QHBoxLayout;
    haupt->addLayout(knoepfe);
    auto knopf = [&](QBoxLayout* layout, Erfass id, std::function<void()> h) {
        layout->addWidget(b.feld(e, id, this, std::move(h)));
    };
    knopf(knoepfe, Erfass::BtnUebernehmen, [this] { lx::erfass::ZeileNehmen(p); });
    knopf(knoepfe, Erfass::BtnEditieren, [this] { lx::erfass::ActEditStart(p); });
    knopf(knoepfe, Erfass::BtnLoeschen, [this] { lx::erfass::ZeileLoeschen(p); });
    knopf(knoepfe, Erfass::BtnAllesLoeschen, [this] { lx::erfass::AlleZeilenLoeschen(p); });
    knopf(knoepfe, Erfass::BtnAenderung, [this] { lx::erfass::ZeileNehmen(p); });
    knopf(knoepfe, Erfass::BtnAbbrechen, [this] { lx::erfass::ActEditAbbruch(p); });
    knoepfe->addStretch(1);

    // The list, the totals beside it and the closing buttons below those.
    auto* mitte = new QHBoxLayout;
    haupt->addLayout(mitte, 1);
    LView = b.feld<QTreeWidget>(e, Erfass::LView, this,
                                [this] { p.erfass.auswahl = std::max(p.erfass[Erfass::LView].selected, 0); });
    LView->installEventFilter(this);
    LView->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(LView, &QTreeWidget::itemDoubleClicked, this,
            [this] { bindungen.ausfuehren([this] { lx::erfass::ActEditStart(p); }); });
    connect(LView, &QWidget::customContextMenuRequested, this, [this](const QPoint& wo) {
        QMenu menue(this);
        menue.addAction(QStringLiteral("Zeile löschen"), this,
                        [this] { bindungen.ausfuehren([this] { lx::erfass::ZeileLoeschen(p); }); });
        menue.addAction(QStringLiteral("Alles löschen"), this,
                        [this] { bindungen.ausfuehren([this] { lx::erfass::AlleZeilenLoeschen(p); }); });
        menue.addAction(QStringLiteral("Zeile editieren"), this,
                        [this] { bindungen.ausfuehren([this] { lx::erfass::ActEditStart(p); }); });
        menue.exec(LView->viewport()->mapToGlobal(wo));
    });
    mitte->addWidget(LView, 1);
    auto* rechts = new QVBoxLayout;
    mitte->addLayout(rechts);
    auto* brutti = b.feld<QTreeWidget>(e, Erfass::LViewBrutti, this);
    // The amounts shown whole, up to 255 rows of the largest amount.
    const int titelSpalte = e.element(Erfass::LViewBrutti).columns.at(0).width;
    const int betragsSpalte =
        std::max(e.element(Erfass::LViewBrutti).columns.at(1).width,
                 brutti->fontMetrics().horizontalAdvance(QString::fromUtf8(lx::kLaengsterBetrag)) + 12);
    brutti->setFixedWidth(titelSpalte + betragsSpalte + 20);
    brutti->setSelectionMode(QAbstractItemView::NoSelection);
    rechts->addWidget(brutti, 1);
    knopf(rechts, Erfass::BtnOptionen, [this] {
        p.dialoge.Zeigen(lx::Fenster::Optionen);
        p.dialoge.Verbergen(lx::Fenster::Erfass);
    });
    auto* zeile = new QHBoxLayout;
    rechts->addLayout(zeile);
    knopf(zeile, Erfass::BtnHilfe, [this] { p.dialoge.Hilfe(4000); });
    knopf(zeile, Erfass::BtnSchliessen, [this] { hide(); });
    knopf(rechts, Erfass::BtnBerechnen, [this] { lx::ErfassBerechnen(p); });

    haupt->addWidget(b.feld<QStatusBar>(e, Erfass::StatusBar1, this));
    aktualisieren();
    // After the first refresh, which gave the columns the table's widths.
    brutti->setColumnWidth(1, betragsSpalte);
}

void TFrmErfass::aktualisieren()
{
    lx::ErfassAnzeigen(p.erfass);
    TLxDialog::aktualisieren();
}

void TFrmErfass::hideEvent(QHideEvent* event)
{
    TLxDialog::hideEvent(event);
    bindungen.ausfuehren([this] { lx::erfass::ErfassSchliessen(p); });
}

bool TFrmErfass::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == LView && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        bindungen.ausfuehren([this] { lx::erfass::ZeileLoeschen(p); });
        return true;
    }
    return TLxDialog::eventFilter(watched, event);
}
