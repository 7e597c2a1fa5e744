#include "Binder.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <optional>

#include "LxAdvEdit.h"
#include "LxErrorBox.h"
#include "LxValueEdit.h"
#include "LxValueLabEdit.h"

namespace lx {

namespace {

QString q(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QStringList qListe(const std::vector<std::string>& v)
{
    QStringList l;
    for (const std::string& s : v) l.append(q(s));
    return l;
}

Qt::Alignment qtAusrichtung(Ausrichtung a)
{
    switch (a) {
        case Ausrichtung::Rechts:
            return Qt::AlignRight | Qt::AlignVCenter;
        case Ausrichtung::Mitte:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        case Ausrichtung::Links:
        case Ausrichtung::Standard:
            break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

// The palette roles a kind of widget paints its background with.
std::vector<QPalette::ColorRole> hintergrundRollen(SteuerArt art)
{
    switch (art) {
        case SteuerArt::Combo:
        case SteuerArt::ComboEdit:
            return {QPalette::Button, QPalette::Base};
        case SteuerArt::Panel:
        case SteuerArt::Label:
        case SteuerArt::Check:
            return {QPalette::Window};
        case SteuerArt::Button:
        case SteuerArt::SpeedButton:
            return {QPalette::Button};
        default:
            return {QPalette::Base};
    }
}

void faerbe(QWidget* w, SteuerArt art, Farbe f)
{
    QPalette pal = w->parentWidget() != nullptr ? w->parentWidget()->palette() : QPalette();
    if (f != Farbe::Standard) {
        for (QPalette::ColorRole r : hintergrundRollen(art)) pal.setColor(r, qtFarbe(f));
    }
    pal.setColor(QPalette::PlaceholderText, pal.color(QPalette::Text));
    w->setPalette(pal);
    if (art == SteuerArt::Panel || art == SteuerArt::Label) w->setAutoFillBackground(f != Farbe::Standard);
}

// A row with a background of its own (the row being edited) shows it also
// while it is selected, which would otherwise paint over it.
class ZeilenFarbe : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.data(Qt::BackgroundRole).isValid()) option->state &= ~QStyle::State_Selected;
    }
};

void zeigeSichtbarAktiv(QWidget* w, const SteuerZustand& z)
{
    if (w->isEnabled() != z.enabled) w->setEnabled(z.enabled);
    if (w->isHidden() == z.visible) w->setVisible(z.visible);
}

void setzeText(QLineEdit* w, const QString& t)
{
    if (w->text() != t) w->setText(t);
}

void zeigeZeilen(QTreeWidget* w, const SteuerZustand& z)
{
    w->clear();
    for (const Zeile& zeile : z.rows) {
        auto* item = new QTreeWidgetItem(w);
        for (std::size_t i = 0; i < zeile.cells.size(); ++i) {
            const int spalte = static_cast<int>(i);
            item->setText(spalte, q(zeile.cells[i]));
            if (i < z.columns.size()) item->setTextAlignment(spalte, qtAusrichtung(z.columns[i].align));
            if (i > 0 && zeile.colour != Farbe::Standard) item->setForeground(spalte, qtFarbe(zeile.colour));
            if (zeile.background != Farbe::Standard) item->setBackground(spalte, qtFarbe(zeile.background));
            if (zeile.strikeOut) {
                QFont font = item->font(spalte);
                font.setStrikeOut(true);
                item->setFont(spalte, font);
            }
        }
        item->setData(0, Qt::UserRole, zeile.image);
    }
}

void zeigeSpalten(QTreeWidget* w, const std::vector<Spalte>& spalten)
{
    QStringList titel;
    for (const Spalte& s : spalten) titel.append(q(s.caption));
    w->setColumnCount(static_cast<int>(spalten.size()));
    w->setHeaderLabels(titel);
    for (std::size_t i = 0; i < spalten.size(); ++i) {
        const int spalte = static_cast<int>(i);
        w->setColumnWidth(spalte, spalten[i].width);
        w->headerItem()->setTextAlignment(spalte, qtAusrichtung(spalten[i].align));
    }
}

}  // namespace

void setzeHilfe(QWidget* w, int kontext)
{
    w->setProperty(kHilfeKontext, kontext);
}

QColor qtFarbe(Farbe f)
{
    switch (f) {
        case Farbe::Standard:
            return {};
        case Farbe::BtnFace:
            return QPalette().color(QPalette::Button);
        case Farbe::WindowText:
            return QPalette().color(QPalette::WindowText);
        case Farbe::Yellow:
            return QColor(0xff, 0xff, 0x00);
        case Farbe::Lime:
            return QColor(0x00, 0xff, 0x00);
        case Farbe::Red:
            return QColor(0xff, 0x00, 0x00);
        case Farbe::Green:
            return QColor(0x00, 0x80, 0x00);
        case Farbe::Maroon:
            return QColor(0x80, 0x00, 0x00);
        case Farbe::SkyBlue:
            return QColor(0xa6, 0xca, 0xf0);
        case Farbe::InactiveCaption:
            return QColor(0xbf, 0xcd, 0xdb);
    }
    return {};
}

void Anzeige::anmelden(QObject* fenster, std::function<void()> zeigen)
{
    fenster_.push_back({fenster, std::move(zeigen)});
}

void Anzeige::alles()
{
    // A window may register while the others refresh; index, not iterators.
    for (std::size_t i = 0; i < fenster_.size(); ++i) {
        if (!fenster_[i].fenster.isNull()) fenster_[i].zeigen();
    }
}

std::vector<QObject*> Anzeige::fenster() const
{
    std::vector<QObject*> alle;
    for (const Eintrag& e : fenster_) {
        if (!e.fenster.isNull()) alle.push_back(e.fenster);
    }
    return alle;
}

TLxPanel::TLxPanel(QWidget* parent) : QLabel(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAlignment(Qt::AlignCenter);
}

void TLxPanel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (rect().contains(event->position().toPoint())) emit clicked(event->button());
}

QWidget* Bindungen::erzeuge(const Steuerelement& e, QWidget* parent)
{
    QWidget* w = nullptr;
    switch (e.kind) {
        case SteuerArt::Edit:
        case SteuerArt::MaskEdit: {
            auto* edit = new QLineEdit(parent);
            if (!e.mask.empty()) edit->setInputMask(q(e.mask));
            if (e.align != Ausrichtung::Standard) edit->setAlignment(qtAusrichtung(e.align));
            if (e.length > 0) edit->setMaxLength(e.length);
            w = edit;
            break;
        }
        case SteuerArt::AdvEdit:
        case SteuerArt::ValueEdit:
        case SteuerArt::ValueLabEdit: {
            TLxEditBase* edit = nullptr;
            if (e.kind == SteuerArt::AdvEdit) {
                edit = new TLxAdvEdit(parent);
            } else {
                TLxNumEdit* num = nullptr;
                if (e.kind == SteuerArt::ValueEdit) {
                    num = new TLxValueEdit(parent);
                } else {
                    auto* lab = new TLxValueLabEdit(parent);
                    lab->EditLabel()->setText(q(e.label));
                    lab->EditLabel()->setObjectName(QStringLiteral("Lab") + q(e.name));
                    num = lab;
                }
                num->SetKommastellen(e.decimals);
                if (e.max <= num->MinValue()) {
                    num->SetMinValue(e.min);
                    num->SetMaxValue(e.max);
                } else {
                    num->SetMaxValue(e.max);
                    num->SetMinValue(e.min);
                }
                edit = num;
            }
            switch (e.align) {
                case Ausrichtung::Links:
                    edit->SetAlignment(taLeftJustify);
                    break;
                case Ausrichtung::Rechts:
                    edit->SetAlignment(taRightJustify);
                    break;
                case Ausrichtung::Mitte:
                    edit->SetAlignment(taCenter);
                    break;
                case Ausrichtung::Standard:
                    break;
            }
            if (e.length > 0) edit->setMaxLength(e.length);
            if (e.aktivFarbe != Farbe::Standard) edit->SetActiveColor(qtFarbe(e.aktivFarbe));
            w = edit;
            break;
        }
        case SteuerArt::Combo:
        case SteuerArt::ComboEdit: {
            auto* combo = new QComboBox(parent);
            if (e.kind == SteuerArt::ComboEdit) {
                combo->setEditable(true);
                combo->setInsertPolicy(QComboBox::NoInsert);
                if (e.length > 0) combo->lineEdit()->setMaxLength(e.length);
            }
            w = combo;
            break;
        }
        case SteuerArt::Check:
            w = new QCheckBox(q(e.label), parent);
            break;
        case SteuerArt::ListView: {
            auto* tree = new QTreeWidget(parent);
            tree->setRootIsDecorated(false);
            tree->setUniformRowHeights(true);
            tree->setAllColumnsShowFocus(true);
            tree->setSelectionBehavior(QAbstractItemView::SelectRows);
            tree->setSelectionMode(QAbstractItemView::SingleSelection);
            tree->header()->setStretchLastSection(false);
            tree->setItemDelegate(new ZeilenFarbe(tree));
            if (e.gridLines) {
                tree->setStyleSheet(
                    QStringLiteral("QTreeView::item { border-right: 1px solid palette(mid); border-bottom: 1px solid "
                                   "palette(mid); }"));
            }
            w = tree;
            break;
        }
        case SteuerArt::ListBox:
            w = new QListWidget(parent);
            break;
        case SteuerArt::Panel:
            w = new TLxPanel(parent);
            break;
        case SteuerArt::Label:
            w = new QLabel(parent);
            break;
        case SteuerArt::StatusBar: {
            auto* bar = new QStatusBar(parent);
            bar->setSizeGripEnabled(false);
            for (std::size_t i = 0; i < e.columns.size(); ++i) {
                auto* panel = new QLabel(bar);
                panel->setObjectName(q(e.name) + QStringLiteral("Panel") + QString::number(i));
                // at least its width; a longer text ("Eintritt 16.01.2024") widens it
                panel->setMinimumWidth(e.columns[i].width);
                panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
                bar->addWidget(panel);
            }
            w = bar;
            break;
        }
        case SteuerArt::Button:
            w = new QPushButton(parent);
            break;
        case SteuerArt::SpeedButton: {
            auto* knopf = new QToolButton(parent);
            knopf->setFocusPolicy(Qt::NoFocus);
            knopf->setAutoRaise(true);
            w = knopf;
            break;
        }
        case SteuerArt::Memo:
            w = new QPlainTextEdit(parent);
            break;
        case SteuerArt::PageControl: {
            auto* seiten = new QTabWidget(parent);
            for (std::size_t i = 0; i < e.items.size(); ++i) {
                auto* seite = new QWidget(seiten);
                seite->setObjectName(QStringLiteral("Sheet") + QString::number(i));
                seiten->addTab(seite, q(e.items[i]));
            }
            w = seiten;
            break;
        }
    }
    w->setObjectName(q(e.name));
    const std::string_view zugang = !e.label.empty() ? e.label : e.hint;
    if (!zugang.empty()) w->setAccessibleName(q(zugang));
    if (!e.hint.empty()) w->setToolTip(q(e.hint));
    if (e.help != 0) setzeHilfe(w, e.help);
    if (auto* knopf = qobject_cast<QAbstractButton*>(w); knopf != nullptr && !e.shortcut.empty()) {
        knopf->setShortcut(QKeySequence(q(e.shortcut)));
    }
    return w;
}

QLabel* Bindungen::beschriftung(const Steuerelement& e, QWidget* feld, QWidget* parent)
{
    auto* label = new QLabel(q(e.label), parent);
    label->setObjectName(QStringLiteral("Lab") + q(e.name));
    label->setBuddy(feld);
    return label;
}

void Bindungen::ausfuehren(const Handler& h)
{
    if (h) runGuarded(fenster_, h);
    anzeige_.alles();
}

void Bindungen::nachEdit(SteuerZustand& z, const QString& text, const Handler& h)
{
    z.text = text.toStdString();
    if (h && !zeigt_) ausfuehren(h);
}

void Bindungen::zeigen()
{
    const bool vorher = zeigt_;
    zeigt_ = true;
    for (const Bindung& b : bindungen_) {
        if (!b.widget.isNull()) b.zeige();
    }
    zeigt_ = vorher;
}

void Bindungen::binde(QWidget* w, const Steuerelement& e, SteuerZustand& z, Handler beiAenderung, Handler beiVerlassen)
{
    QPointer<QWidget> ziel(w);
    auto farbe = std::make_shared<std::optional<Farbe>>();
    const SteuerArt art = e.kind;
    // What every kind shows: enabled, visible and the background colour.
    auto allgemein = [ziel, &z, farbe, art] {
        zeigeSichtbarAktiv(ziel, z);
        if (farbe->value_or(Farbe::Standard) != z.colour || !farbe->has_value()) {
            *farbe = z.colour;
            faerbe(ziel, art, z.colour);
        }
    };
    std::function<void()> zeige;

    switch (e.kind) {
        case SteuerArt::Edit:
        case SteuerArt::MaskEdit:
        case SteuerArt::AdvEdit:
        case SteuerArt::ValueEdit:
        case SteuerArt::ValueLabEdit: {
            auto* edit = qobject_cast<QLineEdit*>(w);
            QObject::connect(edit, &QLineEdit::textChanged, edit, [&z](const QString& t) { z.text = t.toStdString(); });
            QObject::connect(edit, &QLineEdit::textEdited, edit,
                             [this, &z, h = std::move(beiAenderung)](const QString& t) { nachEdit(z, t, h); });
            if (auto* lx = dynamic_cast<TLxEditBase*>(edit); lx != nullptr && beiVerlassen) {
                lx->OnExit = [this, lx, &z, h = std::move(beiVerlassen)] { nachEdit(z, lx->text(), h); };
            }
            auto* num = dynamic_cast<TLxNumEdit*>(edit);
            zeige = [edit, num, &z] {
                setzeText(edit, q(z.text));
                if (num != nullptr) {
                    if (num->MinValue() != z.min) num->SetMinValue(z.min);
                    if (num->MaxValue() != z.max) num->SetMaxValue(z.max);
                }
            };
            break;
        }
        case SteuerArt::Combo:
        case SteuerArt::ComboEdit: {
            auto* combo = qobject_cast<QComboBox*>(w);
            QObject::connect(combo, &QComboBox::activated, combo,
                             [this, combo, &z, h = beiAenderung](int i) { nachEdit(z, combo->itemText(i), h); });
            if (combo->isEditable()) {
                QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, combo,
                                 [this, &z, h = beiAenderung](const QString& t) { nachEdit(z, t, h); });
            }
            zeige = [combo, &z] {
                const QStringList items = qListe(z.items);
                QStringList jetzt;
                for (int i = 0; i < combo->count(); ++i) jetzt.append(combo->itemText(i));
                if (jetzt != items) {
                    combo->clear();
                    combo->addItems(items);
                }
                const QString text = q(z.text);
                const int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
                if (combo->currentIndex() != index) combo->setCurrentIndex(index);
                if (combo->isEditable()) {
                    if (combo->currentText() != text) combo->setEditText(text);
                } else if (index < 0 && combo->placeholderText() != text) {
                    combo->setPlaceholderText(text);
                }
            };
            break;
        }
        case SteuerArt::Check: {
            auto* check = qobject_cast<QCheckBox*>(w);
            QObject::connect(check, &QCheckBox::clicked, check, [this, &z, h = std::move(beiAenderung)](bool an) {
                z.checked = an;
                if (h) ausfuehren(h);
            });
            zeige = [check, &z] {
                if (check->isChecked() != z.checked) check->setChecked(z.checked);
            };
            break;
        }
        case SteuerArt::ListView: {
            auto* tree = qobject_cast<QTreeWidget*>(w);
            QObject::connect(tree, &QTreeWidget::currentItemChanged, tree,
                             [this, tree, &z, h = std::move(beiAenderung)](QTreeWidgetItem* item) {
                                 z.selected = item != nullptr ? tree->indexOfTopLevelItem(item) : -1;
                                 if (h) ausfuehren(h);
                             });
            auto gezeigt = std::make_shared<std::pair<std::vector<Spalte>, std::vector<Zeile>>>();
            zeige = [tree, &z, gezeigt] {
                if (gezeigt->first != z.columns || tree->columnCount() != static_cast<int>(z.columns.size())) {
                    zeigeSpalten(tree, z.columns);
                    gezeigt->first = z.columns;
                    gezeigt->second.clear();
                    zeigeZeilen(tree, z);
                    gezeigt->second = z.rows;
                }
                if (gezeigt->second != z.rows) {
                    zeigeZeilen(tree, z);
                    gezeigt->second = z.rows;
                }
                QTreeWidgetItem* item = z.selected >= 0 ? tree->topLevelItem(z.selected) : nullptr;
                if (tree->currentItem() != item) tree->setCurrentItem(item);
                if (item != nullptr && !item->isSelected()) item->setSelected(true);
            };
            break;
        }
        case SteuerArt::ListBox: {
            auto* liste = qobject_cast<QListWidget*>(w);
            QObject::connect(liste, &QListWidget::currentRowChanged, liste,
                             [this, &z, h = std::move(beiAenderung)](int row) {
                                 z.selected = row;
                                 if (h) ausfuehren(h);
                             });
            zeige = [liste, &z] {
                const QStringList items = qListe(z.items);
                QStringList jetzt;
                for (int i = 0; i < liste->count(); ++i) jetzt.append(liste->item(i)->text());
                if (jetzt != items) {
                    liste->clear();
                    liste->addItems(items);
                }
                if (liste->currentRow() != z.selected) liste->setCurrentRow(z.selected);
            };
            break;
        }
        case SteuerArt::Panel:
        case SteuerArt::Label: {
            auto* label = qobject_cast<QLabel*>(w);
            if (auto* panel = qobject_cast<TLxPanel*>(w); panel != nullptr && beiAenderung) {
                QObject::connect(panel, &TLxPanel::clicked, panel,
                                 [this, h = std::move(beiAenderung)](Qt::MouseButton b) {
                                     if (b == Qt::LeftButton) ausfuehren(h);
                                 });
            }
            zeige = [label, &z] {
                if (label->text() != q(z.text)) label->setText(q(z.text));
            };
            break;
        }
        case SteuerArt::StatusBar: {
            auto* bar = qobject_cast<QStatusBar*>(w);
            zeige = [bar, &z] {
                const QList<QLabel*> panels = bar->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
                for (qsizetype i = 0; i < panels.size() && i < static_cast<qsizetype>(z.items.size()); ++i) {
                    const QString t = q(z.items[static_cast<std::size_t>(i)]);
                    if (panels[i]->text() != t) panels[i]->setText(t);
                }
            };
            break;
        }
        case SteuerArt::Button:
        case SteuerArt::SpeedButton: {
            auto* knopf = qobject_cast<QAbstractButton*>(w);
            if (beiAenderung) {
                QObject::connect(knopf, &QAbstractButton::clicked, knopf,
                                 [this, h = std::move(beiAenderung)] { ausfuehren(h); });
            }
            const QKeySequence taste(q(e.shortcut));
            zeige = [knopf, &z, taste] {
                if (knopf->text() == q(z.text)) return;
                knopf->setText(q(z.text));
                // a new caption brings its own mnemonic and drops the shortcut
                if (!taste.isEmpty()) knopf->setShortcut(taste);
            };
            break;
        }
        case SteuerArt::Memo: {
            auto* memo = qobject_cast<QPlainTextEdit*>(w);
            QObject::connect(memo, &QPlainTextEdit::textChanged, memo,
                             [memo, &z] { z.text = memo->toPlainText().toStdString(); });
            zeige = [memo, &z] {
                if (memo->toPlainText() != q(z.text)) memo->setPlainText(q(z.text));
            };
            break;
        }
        case SteuerArt::PageControl: {
            auto* seiten = qobject_cast<QTabWidget*>(w);
            QObject::connect(seiten, &QTabWidget::currentChanged, seiten,
                             [this, &z, h = std::move(beiAenderung)](int i) {
                                 z.selected = i;
                                 if (h) ausfuehren(h);
                             });
            zeige = [seiten, &z] {
                if (z.selected >= 0 && z.selected < seiten->count() && seiten->currentIndex() != z.selected) {
                    seiten->setCurrentIndex(z.selected);
                }
            };
            break;
        }
    }

    // The text first: disabling or hiding the focused field leaves it, and it
    // must leave it with the new text.
    auto zeigeAlles = [ziel, allgemein, zeige] {
        const QSignalBlocker blocker(ziel);
        zeige();
        allgemein();
    };
    bindungen_.push_back({ziel, zeigeAlles});
    zeigeAlles();
}

}  // namespace lx
