// The edits: a line edit, the value edits and the multi-line text.

#include <QLineEdit>
#include <QPlainTextEdit>

#include "BinderArten.h"
#include "LxAdvEdit.h"
#include "LxValueEdit.h"
#include "LxValueLabEdit.h"
#include "hauptfenster/Hauptfenster.h"

namespace lx {

namespace {

// Each typed change: the text, then `beiAenderung`.
class ZeilenBinder : public ArtBinder {
public:
    QWidget* erzeuge(const Steuerelement& e, QWidget* parent) const override
    {
        auto* edit = new QLineEdit(parent);
        if (!e.mask.empty()) edit->setInputMask(qText(e.mask));
        if (e.align != Ausrichtung::Standard) edit->setAlignment(qtAusrichtung(e.align));
        if (e.length > 0) edit->setMaxLength(e.length);
        return edit;
    }

    Zeige binde(Bindungen& b, QWidget* w, const Steuerelement&, SteuerZustand& z, Handler beiAenderung,
                Handler) const override
    {
        auto* edit = qobject_cast<QLineEdit*>(w);
        QObject::connect(edit, &QLineEdit::textChanged, edit, [&z](const QString& t) { z.text = t.toStdString(); });
        QObject::connect(edit, &QLineEdit::textEdited, edit,
                         [&b, &z, h = std::move(beiAenderung)](const QString& t) { b.nachEdit(z, t, h); });
        return [edit, &z] {
            const QString t = qText(z.text);
            if (edit->text() != t) edit->setText(t);
        };
    }
};

TAlignment lxAusrichtung(Ausrichtung a)
{
    switch (a) {
        case Ausrichtung::Links:
            return taLeftJustify;
        case Ausrichtung::Rechts:
            return taRightJustify;
        case Ausrichtung::Mitte:
        case Ausrichtung::Standard:
            break;
    }
    return taCenter;
}

// As a line edit; leaving the field (TLx controls): the text as the control
// left it, then `beiVerlassen`. A number field shows the state's range.
class WertBinder : public ZeilenBinder {
public:
    QWidget* erzeuge(const Steuerelement& e, QWidget* parent) const override
    {
        TLxEditBase* edit = nullptr;
        if (e.kind == SteuerArt::AdvEdit) {
            edit = new TLxAdvEdit(parent);
        } else {
            TLxNumEdit* num = nullptr;
            if (e.kind == SteuerArt::ValueEdit) {
                num = new TLxValueEdit(parent);
            } else {
                auto* lab = new TLxValueLabEdit(parent);
                lab->EditLabel()->setText(qText(e.label));
                lab->EditLabel()->setObjectName(QStringLiteral("Lab") + qText(e.name));
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
        if (e.align != Ausrichtung::Standard) edit->SetAlignment(lxAusrichtung(e.align));
        if (e.length > 0) edit->setMaxLength(e.length);
        if (e.digitsOnly) {
            edit->OnKeyPress = [](QChar& taste) {
                if (!LxEdiBGRKeyPress(taste.unicode())) taste = QChar();
            };
        }
        if (e.aktivFarbe != Farbe::Standard) edit->SetActiveColor(qtFarbe(e.aktivFarbe));
        return edit;
    }

    Zeige binde(Bindungen& b, QWidget* w, const Steuerelement& e, SteuerZustand& z, Handler beiAenderung,
                Handler beiVerlassen) const override
    {
        Zeige text = ZeilenBinder::binde(b, w, e, z, std::move(beiAenderung), {});
        if (auto* feld = dynamic_cast<TLxEditBase*>(w); feld != nullptr && beiVerlassen) {
            feld->OnExit = [&b, feld, &z, h = std::move(beiVerlassen)] { b.nachEdit(z, feld->text(), h); };
        }
        auto* num = dynamic_cast<TLxNumEdit*>(w);
        if (num == nullptr) return text;
        return [text = std::move(text), num, &z] {
            text();
            if (num->MinValue() != z.min) num->SetMinValue(z.min);
            if (num->MaxValue() != z.max) num->SetMaxValue(z.max);
        };
    }
};

// Each change: the text.
class MemoBinder : public ArtBinder {
public:
    QWidget* erzeuge(const Steuerelement&, QWidget* parent) const override { return new QPlainTextEdit(parent); }

    Zeige binde(Bindungen&, QWidget* w, const Steuerelement&, SteuerZustand& z, Handler, Handler) const override
    {
        auto* memo = qobject_cast<QPlainTextEdit*>(w);
        QObject::connect(memo, &QPlainTextEdit::textChanged, memo,
                         [memo, &z] { z.text = memo->toPlainText().toStdString(); });
        return [memo, &z] {
            if (memo->toPlainText() != qText(z.text)) memo->setPlainText(qText(z.text));
        };
    }
};

}  // namespace

const ArtBinder& zeilenBinder()
{
    static const ZeilenBinder binder;
    return binder;
}

const ArtBinder& wertBinder()
{
    static const WertBinder binder;
    return binder;
}

const ArtBinder& memoBinder()
{
    static const MemoBinder binder;
    return binder;
}

}  // namespace lx
