// What shows a choice of rows or pages: the list view, the list box and the
// page control. Another row or page: the selection, then `beiAenderung`.

#include <QHeaderView>
#include <QListWidget>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTreeWidget>
#include <memory>
#include <utility>

#include "BinderArten.h"

namespace lx {

namespace {

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

void zeigeZeilen(QTreeWidget* w, const SteuerZustand& z)
{
    w->clear();
    for (const Zeile& zeile : z.rows) {
        auto* item = new QTreeWidgetItem(w);
        for (std::size_t i = 0; i < zeile.cells.size(); ++i) {
            const int spalte = static_cast<int>(i);
            item->setText(spalte, qText(zeile.cells[i]));
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
    for (const Spalte& s : spalten) titel.append(qText(s.caption));
    w->setColumnCount(static_cast<int>(spalten.size()));
    w->setHeaderLabels(titel);
    for (std::size_t i = 0; i < spalten.size(); ++i) {
        const int spalte = static_cast<int>(i);
        w->setColumnWidth(spalte, spalten[i].width);
        w->headerItem()->setTextAlignment(spalte, qtAusrichtung(spalten[i].align));
    }
}

// Rows of cells under column captions; the columns and rows are drawn anew
// only when the state's differ from those shown.
class ListViewBinder : public ArtBinder {
public:
    QWidget* erzeuge(const Steuerelement& e, QWidget* parent) const override
    {
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
        return tree;
    }

    Zeige binde(Bindungen& b, QWidget* w, const Steuerelement&, SteuerZustand& z, Handler beiAenderung,
                Handler) const override
    {
        auto* tree = qobject_cast<QTreeWidget*>(w);
        QObject::connect(tree, &QTreeWidget::currentItemChanged, tree,
                         [&b, tree, &z, h = std::move(beiAenderung)](QTreeWidgetItem* item) {
                             z.selected = item != nullptr ? tree->indexOfTopLevelItem(item) : -1;
                             if (h) b.ausfuehren(h);
                         });
        auto gezeigt = std::make_shared<std::pair<std::vector<Spalte>, std::vector<Zeile>>>();
        return [tree, &z, gezeigt] {
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
    }
};

// Lines of text: the state's items.
class ListBoxBinder : public ArtBinder {
public:
    QWidget* erzeuge(const Steuerelement&, QWidget* parent) const override { return new QListWidget(parent); }

    Zeige binde(Bindungen& b, QWidget* w, const Steuerelement&, SteuerZustand& z, Handler beiAenderung,
                Handler) const override
    {
        auto* liste = qobject_cast<QListWidget*>(w);
        QObject::connect(liste, &QListWidget::currentRowChanged, liste, [&b, &z, h = std::move(beiAenderung)](int row) {
            z.selected = row;
            if (h) b.ausfuehren(h);
        });
        return [liste, &z] {
            const QStringList items = qListe(z.items);
            QStringList jetzt;
            for (int i = 0; i < liste->count(); ++i) jetzt.append(liste->item(i)->text());
            if (jetzt != items) {
                liste->clear();
                liste->addItems(items);
            }
            if (liste->currentRow() != z.selected) liste->setCurrentRow(z.selected);
        };
    }
};

// One page ("Sheet0", ...) per item of the entry, captioned by it.
class SeitenBinder : public ArtBinder {
public:
    QWidget* erzeuge(const Steuerelement& e, QWidget* parent) const override
    {
        auto* seiten = new QTabWidget(parent);
        for (std::size_t i = 0; i < e.items.size(); ++i) {
            auto* seite = new QWidget(seiten);
            seite->setObjectName(QStringLiteral("Sheet") + QString::number(i));
            seiten->addTab(seite, qText(e.items[i]));
        }
        return seiten;
    }

    Zeige binde(Bindungen& b, QWidget* w, const Steuerelement&, SteuerZustand& z, Handler beiAenderung,
                Handler) const override
    {
        auto* seiten = qobject_cast<QTabWidget*>(w);
        QObject::connect(seiten, &QTabWidget::currentChanged, seiten, [&b, &z, h = std::move(beiAenderung)](int i) {
            z.selected = i;
            if (h) b.ausfuehren(h);
        });
        return [seiten, &z] {
            if (z.selected >= 0 && z.selected < seiten->count() && seiten->currentIndex() != z.selected) {
                seiten->setCurrentIndex(z.selected);
            }
        };
    }
};

}  // namespace

const ArtBinder& listViewBinder()
{
    static const ListViewBinder binder;
    return binder;
}

const ArtBinder& listBoxBinder()
{
    static const ListBoxBinder binder;
    return binder;
}

const ArtBinder& seitenBinder()
{
    static const SeitenBinder binder;
    return binder;
}

}  // namespace lx
