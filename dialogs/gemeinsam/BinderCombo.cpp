// The combo boxes: a drop-down list and an editable one.

#include <QComboBox>
#include <QLineEdit>

#include "BinderArten.h"

namespace lx {

namespace {

// A chosen item, and in an editable list a typed change: the text, then
// `beiAenderung`. A drop-down list shows any text, also one it does not list:
// the list then has no current item and shows the text in its place.
class ComboBinder : public ArtBinder {
public:
    ComboBinder() : ArtBinder({QPalette::Button, QPalette::Base}) {}

    QWidget* erzeuge(const Steuerelement& e, QWidget* parent) const override
    {
        auto* combo = new QComboBox(parent);
        if (e.kind == SteuerArt::ComboEdit) {
            combo->setEditable(true);
            combo->setInsertPolicy(QComboBox::NoInsert);
            if (e.length > 0) combo->lineEdit()->setMaxLength(e.length);
        }
        return combo;
    }

    Zeige binde(Bindungen& b, QWidget* w, const Steuerelement&, SteuerZustand& z, Handler beiAenderung,
                Handler) const override
    {
        auto* combo = qobject_cast<QComboBox*>(w);
        QObject::connect(combo, &QComboBox::activated, combo,
                         [&b, combo, &z, h = beiAenderung](int i) { b.nachEdit(z, combo->itemText(i), h); });
        if (combo->isEditable()) {
            QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, combo,
                             [&b, &z, h = beiAenderung](const QString& t) { b.nachEdit(z, t, h); });
        }
        return [combo, &z] {
            const QStringList items = qListe(z.items);
            QStringList jetzt;
            for (int i = 0; i < combo->count(); ++i) jetzt.append(combo->itemText(i));
            if (jetzt != items) {
                combo->clear();
                combo->addItems(items);
            }
            const QString text = qText(z.text);
            const int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
            if (combo->currentIndex() != index) combo->setCurrentIndex(index);
            if (combo->isEditable()) {
                if (combo->currentText() != text) combo->setEditText(text);
            } else if (index < 0 && combo->placeholderText() != text) {
                combo->setPlaceholderText(text);
            }
        };
    }
};

}  // namespace

const ArtBinder& comboBinder()
{
    static const ComboBinder binder;
    return binder;
}

}  // namespace lx
