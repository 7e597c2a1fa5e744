// What shows texts: the panel, the label and the status bar.

#include <QMouseEvent>
#include <QStatusBar>

#include "BinderArten.h"

namespace lx {

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

namespace {

// The state's text; a panel's left click: `beiAenderung`. Either paints a
// background only in a colour of its own.
class PanelBinder : public ArtBinder {
public:
    PanelBinder() : ArtBinder({QPalette::Window}, true) {}

    QWidget* erzeuge(const Steuerelement& e, QWidget* parent) const override
    {
        if (e.kind == SteuerArt::Panel) return new TLxPanel(parent);
        return new QLabel(parent);
    }

    Zeige binde(Bindungen& b, QWidget* w, const Steuerelement&, SteuerZustand& z, Handler beiAenderung,
                Handler) const override
    {
        auto* label = qobject_cast<QLabel*>(w);
        if (auto* panel = qobject_cast<TLxPanel*>(w); panel != nullptr && beiAenderung) {
            QObject::connect(panel, &TLxPanel::clicked, panel, [&b, h = std::move(beiAenderung)](Qt::MouseButton k) {
                if (k == Qt::LeftButton) b.ausfuehren(h);
            });
        }
        return [label, &z] {
            if (label->text() != qText(z.text)) label->setText(qText(z.text));
        };
    }
};

// Panels as wide as the entry's columns, showing the state's items.
class StatusBinder : public ArtBinder {
public:
    QWidget* erzeuge(const Steuerelement& e, QWidget* parent) const override
    {
        auto* bar = new QStatusBar(parent);
        bar->setSizeGripEnabled(false);
        for (std::size_t i = 0; i < e.columns.size(); ++i) {
            auto* panel = new QLabel(bar);
            panel->setObjectName(qText(e.name) + QStringLiteral("Panel") + QString::number(i));
            // at least its width; a longer text ("Eintritt 16.01.2024") widens it
            panel->setMinimumWidth(e.columns[i].width);
            panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            bar->addWidget(panel);
        }
        return bar;
    }

    Zeige binde(Bindungen&, QWidget* w, const Steuerelement&, SteuerZustand& z, Handler, Handler) const override
    {
        auto* bar = qobject_cast<QStatusBar*>(w);
        return [bar, &z] {
            const QList<QLabel*> panels = bar->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
            for (qsizetype i = 0; i < panels.size() && i < static_cast<qsizetype>(z.items.size()); ++i) {
                const QString t = qText(z.items[static_cast<std::size_t>(i)]);
                if (panels[i]->text() != t) panels[i]->setText(t);
            }
        };
    }
};

}  // namespace

const ArtBinder& panelBinder()
{
    static const PanelBinder binder;
    return binder;
}

const ArtBinder& statusBinder()
{
    static const StatusBinder binder;
    return binder;
}

}  // namespace lx
