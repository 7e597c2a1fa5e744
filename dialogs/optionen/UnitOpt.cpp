#include "UnitOpt.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "Bildschirm.h"
#include "LxErrorBox.h"
#include "LxValueLabEdit.h"
#include "OptSeiten.h"
#include "OptTeilmonat.h"
#include "OptTeilzeit.h"
#include "optionen/OptionenDialog.h"

using lx::Opt;
namespace opt = lx::optionen;

TFrmOpt::TFrmOpt(lx::ProgrammZustand& zustand, lx::Anzeige& anzeige)
    : TLxDialog(zustand, anzeige, "FrmOpt", "Optionen", 3000, 760, 600)
{
    auto* layout = new QVBoxLayout(this);
    auto* seiten = new QHBoxLayout;
    layout->addLayout(seiten, 1);
    PageCtrl = bindungen.feld<QTabWidget>(p.opt, Opt::PageCtrl, this);
    PageCtrl->tabBar()->hide();
    LiBoSeiten = new QListWidget(this);
    LiBoSeiten->setObjectName(QStringLiteral("LiBoSeiten"));
    LiBoSeiten->setAccessibleName(QStringLiteral("Seiten"));
    for (int i = 0; i < PageCtrl->count(); ++i) {
        lx::setzeHilfe(PageCtrl->widget(i), 3001 + i);
        LiBoSeiten->addItem(PageCtrl->tabText(i));
    }
    // As wide as the longest name, so that every name shows whole.
    LiBoSeiten->setSpacing(3);
    LiBoSeiten->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    LiBoSeiten->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    LiBoSeiten->setFixedWidth(LiBoSeiten->sizeHintForColumn(0) + 2 * LiBoSeiten->frameWidth() +
                              2 * LiBoSeiten->spacing() + 8);
    LiBoSeiten->setCurrentRow(PageCtrl->currentIndex());
    connect(LiBoSeiten, &QListWidget::currentRowChanged, PageCtrl, [this](int zeile) {
        if (zeile >= 0) PageCtrl->setCurrentIndex(zeile);
    });
    // A request for the focus on the pages gives it to their list.
    PageCtrl->setFocusProxy(LiBoSeiten);
    seiten->addWidget(LiBoSeiten);
    // A page larger than the screen leaves scrolls; the list and the buttons stay.
    seiten->addWidget(lx::rollbar(PageCtrl, this), 1);
    layout->addWidget(Knopfleiste());

    BaueLohnsteuer();
    BaueSozialversicherung();
    BaueZusatzversicherung();
    BaueAltersversorgung();
    BaueEinmalbezuege();
    BaueVersorgungsbezuege();
    BaueMehrfachbeschaeftigung();
    lx::baueOptAltersteilzeit(Seite(6), bindungen, p);
    lx::baueOptPfaendung(Seite(7), bindungen, p);
    lx::baueOptStammpfad(Seite(11), bindungen, p);
    lx::baueOptTeilmonat(bindungen, p, Seite(9));
    lx::baueOptTeilzeit(bindungen, p, Seite(10));

    // ENTER in a field or a list presses no button.
    for (auto* knopf : findChildren<QPushButton*>()) {
        knopf->setAutoDefault(false);
        knopf->setDefault(false);
    }
    lx::runGuarded(this, [this] { opt::FormCreate(p); });
    aktualisieren();
    // Room for the widest page, which the screen may cut when shown.
    resize(size().expandedTo(sizeHint()));
}

void TFrmOpt::aktualisieren()
{
    TLxDialog::aktualisieren();
    // The page control shows its page with its signals blocked; the list follows here.
    if (LiBoSeiten != nullptr && LiBoSeiten->currentRow() != PageCtrl->currentIndex()) {
        const QSignalBlocker blocker(LiBoSeiten);
        LiBoSeiten->setCurrentRow(PageCtrl->currentIndex());
    }
}

QWidget* TFrmOpt::Seite(int seite) const
{
    return PageCtrl->widget(seite);
}

QFormLayout* TFrmOpt::Formular(QWidget* parent)
{
    auto* form = new QFormLayout(parent);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    form->setFormAlignment(Qt::AlignLeft | Qt::AlignTop);
    return form;
}

QWidget* lx::optZeile(QFormLayout* form, QWidget* eltern, Bindungen& b, ProgrammZustand& p, Opt id,
                      Bindungen::Handler beiAenderung, Bindungen::Handler beiVerlassen)
{
    QWidget* w = b.feld(p.opt, id, eltern, std::move(beiAenderung), std::move(beiVerlassen));
    const Steuerelement& e = p.opt.element(id);
    switch (e.kind) {
        case SteuerArt::ValueLabEdit:
            form->addRow(static_cast<TLxValueLabEdit*>(w)->EditLabel(), w);
            break;
        case SteuerArt::Check:
        case SteuerArt::Label:
        case SteuerArt::Button:
            form->addRow(QString(), w);
            break;
        default:
            if (e.label.empty()) {
                form->addRow(QString(), w);
            } else {
                form->addRow(Bindungen::beschriftung(e, w, eltern), w);
            }
            break;
    }
    return w;
}

QWidget* TFrmOpt::Zeile(QFormLayout* form, Opt id, lx::Bindungen::Handler beiAenderung,
                        lx::Bindungen::Handler beiVerlassen)
{
    return lx::optZeile(form, form->parentWidget(), bindungen, p, id, std::move(beiAenderung), std::move(beiVerlassen));
}

QWidget* TFrmOpt::Zeile(QFormLayout* form, Opt label, Opt id, lx::Bindungen::Handler beiAenderung)
{
    QWidget* eltern = form->parentWidget();
    auto* beschriftung = bindungen.feld<QLabel>(p.opt, label, eltern);
    QWidget* w = bindungen.feld(p.opt, id, eltern, std::move(beiAenderung));
    beschriftung->setBuddy(w);
    form->addRow(beschriftung, w);
    return w;
}

QWidget* TFrmOpt::Knopfleiste()
{
    auto* leiste = new QWidget(this);
    auto* zeile = new QHBoxLayout(leiste);
    zeile->setContentsMargins(0, 0, 0, 0);
    zeile->addWidget(bindungen.feld(p.opt, Opt::BtnSchliessen, leiste, [this] { opt::BtnSchliessenClick(p); }));
    zeile->addStretch();
    for (Opt liste : {Opt::ComboMonat, Opt::ComboJahr}) {
        zeile->addWidget(bindungen.feld(p.opt, liste, leiste, [this] { opt::ComboMonatJahrChange(p); }));
    }
    zeile->addStretch();
    zeile->addWidget(bindungen.feld(p.opt, Opt::BtnErfassung, leiste, [this] { opt::BtnErfassungClick(p); }));
    zeile->addWidget(bindungen.feld(p.opt, Opt::BtnGrundstellung, leiste, [this] { opt::ActGrundstellung(p); }));
    zeile->addWidget(bindungen.feld(p.opt, Opt::BtnHilfe, leiste, [this] { opt::BtnHilfeClick(p); }));
    return leiste;
}

void TFrmOpt::BaueLohnsteuer()
{
    QFormLayout* form = Formular(Seite(0));
    for (Opt id :
         {Opt::LSTComboStTab, Opt::LSTVEdiStTage, Opt::LSTVEdiFBJahr, Opt::LSTChkFBJahr, Opt::LSTComboBundesland,
          Opt::LSTComboErmKiSt, Opt::LSTVEdiPKV, Opt::LSTChkPKV, Opt::LSTComboKammerbeitrag}) {
        Zeile(form, id);
    }
}

void TFrmOpt::BaueSozialversicherung()
{
    QWidget* seite = Seite(1);
    auto* spalten = new QHBoxLayout(seite);
    auto* links = new QWidget(seite);
    auto* rechts = new QWidget(seite);
    spalten->addWidget(links, 0, Qt::AlignTop);
    spalten->addWidget(rechts, 0, Qt::AlignTop);
    spalten->addStretch();

    QFormLayout* l = Formular(links);
    l->setContentsMargins(0, 0, 0, 0);
    for (Opt id :
         {Opt::SVComboRechtskreis, Opt::SVVEdiSVTage, Opt::SVComboKVBez, Opt::SVComboRVBez, Opt::SVComboAVBez,
          Opt::SVComboPVBez, Opt::SVComboGleitzone, Opt::SVComboRVVoll, Opt::SVComboGfERV, Opt::SVComboFrWPKV}) {
        Zeile(l, id);
    }
    auto* rechtsSpalte = new QVBoxLayout(rechts);
    rechtsSpalte->setContentsMargins(0, 0, 0, 0);
    auto* oben = new QWidget(rechts);
    QFormLayout* r = Formular(oben);
    r->setContentsMargins(0, 0, 0, 0);
    for (Opt id : {Opt::SVComboUmlage, Opt::SVVEdiU1Satz, Opt::SVVEdiU2Satz, Opt::ComboSachsen}) Zeile(r, id);
    Zeile(r, Opt::SVLabPVAnzKi, Opt::SVComboPVKi, [this] { opt::SVComboPVKiChange(p); });
    for (Opt id : {Opt::LEdiPKV, Opt::LEdiPPV, Opt::SVLabEdiKKasse}) Zeile(r, id);
    rechtsSpalte->addWidget(oben);

    auto* saetze = new QGroupBox(QStringLiteral("Beitragssätze"), rechts);
    saetze->setObjectName(QStringLiteral("GrpSaetze"));
    QFormLayout* s = Formular(saetze);
    auto panel = [&](Opt id) {
        QWidget* w = bindungen.feld(p.opt, id, saetze);
        w->setMinimumWidth(70);
        return w;
    };
    auto paar = [&](Opt satz, Opt zusatz) {
        auto* zeile = new QHBoxLayout;
        zeile->addWidget(panel(satz));
        zeile->addWidget(panel(zusatz));
        s->addRow(lx::Bindungen::beschriftung(p.opt.element(satz), nullptr, saetze), zeile);
    };
    paar(Opt::PnlKVSatz, Opt::PnlZaehne);
    s->addRow(lx::Bindungen::beschriftung(p.opt.element(Opt::PnlRVSatz), nullptr, saetze), panel(Opt::PnlRVSatz));
    s->addRow(lx::Bindungen::beschriftung(p.opt.element(Opt::PnlAVSatz), nullptr, saetze), panel(Opt::PnlAVSatz));
    paar(Opt::PnlPVSatz, Opt::PnlPVKinder);
    rechtsSpalte->addWidget(saetze);
}

void TFrmOpt::BaueZusatzversicherung()
{
    QFormLayout* form = Formular(Seite(2));
    Zeile(form, Opt::ZVComboArt, [this] { opt::ZVComboArtChange(p); });
    for (Opt id : {Opt::ZVVEdiPAGA, Opt::ZVVEdiPANA, Opt::ZVVEdiSanGeld, Opt::ZVVEdiPSt}) Zeile(form, id);
    Zeile(form, Opt::ZVLabStFrei, Opt::ZVComboStFrei);
    for (Opt id : {Opt::ZVComboZusUml, Opt::ZVComboHochr, Opt::ZVVEdiMax56}) Zeile(form, id);
    Zeile(form, Opt::ZVLabNameIndZV, Opt::ZVEdiNameIndZV);
}

void TFrmOpt::BaueAltersversorgung()
{
    QFormLayout* form = Formular(Seite(3));
    for (Opt id : {Opt::AVCombo1Art, Opt::AVVEdiAG1, Opt::AVVEdiAN1, Opt::AVCombo1StFrei, Opt::AVCombo1ZStFrei,
                   Opt::AVVEdi1Pst, Opt::AVCombo1AnsatzSt}) {
        const bool wirkt =
            id == Opt::AVCombo1Art || id == Opt::AVCombo1StFrei || id == Opt::AVCombo1ZStFrei || id == Opt::AVVEdi1Pst;
        lx::Bindungen::Handler h;
        if (wirkt) h = [this, id] { opt::AVChange(p, id); };
        Zeile(form, id, h, id == Opt::AVVEdi1Pst ? h : lx::Bindungen::Handler{});
    }
    auto* grundlage = new QGroupBox(QStringLiteral("Gesetzesgrundlage"), Seite(3));
    grundlage->setObjectName(QStringLiteral("GrpGesetz"));
    auto* zeilen = new QVBoxLayout(grundlage);
    zeilen->addWidget(bindungen.feld(p.opt, Opt::AVLabGesetzgrundlage, grundlage));
    zeilen->addWidget(bindungen.feld(p.opt, Opt::AVLab2Gesetz, grundlage));
    form->addRow(grundlage);
}

void TFrmOpt::BaueEinmalbezuege()
{
    QFormLayout* form = Formular(Seite(4));
    for (Opt id : {Opt::EBVEdiKVBrVor, Opt::EBVEdiRVBrVor, Opt::EBVEdiTgVor, Opt::EBChkSVAuto, Opt::EBVEdiStJahr,
                   Opt::EBVEdiVBJahr, Opt::EBChkStAuto}) {
        Zeile(form, id);
    }
}

void TFrmOpt::BaueVersorgungsbezuege()
{
    QFormLayout* form = Formular(Seite(5));
    for (Opt id : {Opt::VBVEdiJahr, Opt::VBVEdiErsterVers, Opt::VBVEdiEB, Opt::VBVEdiMonate}) Zeile(form, id);
    Zeile(form, Opt::SVComboVB, [this] { opt::SVComboVBChange(p); });
    Zeile(form, Opt::SVVEdiVBMax);
    Zeile(form, Opt::VBBtnErfassung, [this] { opt::VBBtnErfassungClick(p); });
}

void TFrmOpt::BaueMehrfachbeschaeftigung()
{
    QFormLayout* form = Formular(Seite(8));
    Zeile(form, Opt::MfBComboJaNein, [this] { opt::MfBComboJaNeinChange(p); });
    Zeile(form, Opt::MfBVEdiBrutAnd);
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
