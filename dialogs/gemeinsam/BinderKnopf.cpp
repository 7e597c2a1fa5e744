// The check box and the buttons.

#include <QCheckBox>
#include <QPushButton>
#include <QToolButton>

#include "BinderArten.h"

namespace lx {

namespace {

// A click: the check mark, then `beiAenderung`.
class CheckBinder : public ArtBinder {
public:
    CheckBinder() : ArtBinder({QPalette::Window}) {}

    QWidget* erzeuge(const Steuerelement& e, QWidget* parent) const override
    {
        return new QCheckBox(qText(e.label), parent);
    }

    Zeige binde(Bindungen& b, QWidget* w, const Steuerelement&, SteuerZustand& z, Handler beiAenderung,
                Handler) const override
    {
        auto* check = qobject_cast<QCheckBox*>(w);
        QObject::connect(check, &QCheckBox::clicked, check, [&b, &z, h = std::move(beiAenderung)](bool an) {
            z.checked = an;
            if (h) b.ausfuehren(h);
        });
        return [check, &z] {
            if (check->isChecked() != z.checked) check->setChecked(z.checked);
        };
    }
};

// A click (or the shortcut): `beiAenderung`. A toolbar button takes no focus.
class KnopfBinder : public ArtBinder {
public:
    KnopfBinder() : ArtBinder({QPalette::Button}) {}

    QWidget* erzeuge(const Steuerelement& e, QWidget* parent) const override
    {
        if (e.kind == SteuerArt::Button) return new QPushButton(parent);
        auto* knopf = new QToolButton(parent);
        knopf->setFocusPolicy(Qt::NoFocus);
        knopf->setAutoRaise(true);
        return knopf;
    }

    Zeige binde(Bindungen& b, QWidget* w, const Steuerelement& e, SteuerZustand& z, Handler beiAenderung,
                Handler) const override
    {
        auto* knopf = qobject_cast<QAbstractButton*>(w);
        if (beiAenderung) {
            QObject::connect(knopf, &QAbstractButton::clicked, knopf,
                             [&b, h = std::move(beiAenderung)] { b.ausfuehren(h); });
        }
        const QKeySequence taste(qText(e.shortcut));
        return [knopf, &z, taste] {
            if (knopf->text() == qText(z.text)) return;
            knopf->setText(qText(z.text));
            // a new caption brings its own mnemonic and drops the shortcut
            if (!taste.isEmpty()) knopf->setShortcut(taste);
        };
    }
};

}  // namespace

const ArtBinder& checkBinder()
{
    static const CheckBinder binder;
    return binder;
}

const ArtBinder& knopfBinder()
{
    static const KnopfBinder binder;
    return binder;
}

}  // namespace lx
