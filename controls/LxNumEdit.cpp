#include "LxNumEdit.h"

#include <algorithm>

#include "AmountText.h"
#include "ValueText.h"

namespace {

QString withoutDots(const QString& text)
{
    return QString::fromStdString(lx::removeDots(text.toStdString()));
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

}  // namespace

TLxNumEdit::TLxNumEdit(QWidget* parent) : TLxEditBase(parent)
{
    SetAlignment(taRightJustify);
    setText(QStringLiteral("0,00"));
}

void TLxNumEdit::SetValueDouble(lx::Currency value)
{
    value_ = value;
    setText(QString::fromStdString(lx::shortestText(value)));
}

void TLxNumEdit::SetMinValue(lx::Currency value)
{
    min_ = value >= max_ ? max_ - lx::Currency::fromUnits(1) : value;
    if (value_ < min_) SetValueDouble(min_);
}

void TLxNumEdit::SetMaxValue(lx::Currency value)
{
    max_ = value > min_ ? value : min_ + lx::Currency::fromUnits(1);
    if (value_ > max_) SetValueDouble(max_);
}

void TLxNumEdit::SetKommastellen(int value)
{
    if (value >= 0 && value <= 3) {
        kommastellen_ = value;
        return;
    }
    kommastellen_ = 2;
    RaiseKommastellen("\"" + std::to_string(value) + "\" ist kein gültiger Wert (0 bis 3)");
}

bool TLxNumEdit::Admits(QChar key) const
{
    if (isDigit(key) || key == kBackspace) return true;
    if (key == u',') return kommastellen_ > 0;
    if (key == u'-') return min_.isNegative();
    return false;
}

void TLxNumEdit::KeyPress(QChar& key)
{
    TLxEditBase::KeyPress(key);
    if (key == kEnter) key = QChar();
    RemoveSelection(withoutDots);
    if (!key.isNull() && !Admits(key)) key = QChar();
    if (key == u',' && text().contains(u',')) key = QChar();
    if (key == u'-' && !text().isEmpty()) key = QChar();
    lastAccepted_ = text();
}

void TLxNumEdit::KeyUp(int& key, Qt::KeyboardModifiers shift)
{
    TLxEditBase::KeyUp(key, shift);
    LimitDecimals();
}

// A decimal beyond Kommastellen (typed, or pasted and seen at the next key
// release) takes the text back to where it stood before the last keystroke.
void TLxNumEdit::LimitDecimals()
{
    const QString t = text();
    const auto comma = t.indexOf(u',');
    if (comma >= 0 && t.length() - comma - 1 > kommastellen_) setText(lastAccepted_);
}

void TLxNumEdit::DoExit()
{
    RestoreColor();
    if (kommastellen_ > 0 && !text().isEmpty()) {
        // A text that denotes no amount throws: the error box shows it, named
        // by the field's caption, the value stays and the form's exit handler
        // does not run. The field shows its value again, so that the next
        // change of focus does not say the same again.
        lx::Currency v;
        try {
            v = lx::fieldAmount(lx::removeDots(text().toStdString()));
        } catch (const lx::ConversionError& e) {
            setText(QString::fromStdString(lx::formatAmount(value_, kommastellen_, dezimalTrz_)));
            QString name = accessibleName().trimmed();
            if (!name.isEmpty()) name += name.endsWith(u':') ? QStringLiteral(" ") : QStringLiteral(": ");
            throw lx::ConversionError(name.toStdString() + e.what());
        }
        if (v > max_) v = max_;
        if (v < min_) v = min_;
        value_ = v;
        setText(QString::fromStdString(lx::formatAmount(v, kommastellen_, dezimalTrz_)));
    } else if (kommastellen_ == 0 && !text().isEmpty()) {
        // A whole number is pulled into range as well, written without separators
        // (years, days, counts): a record saved with 45 tax days would not load.
        if (auto gelesen = lx::readFieldAmount(text().toStdString()); gelesen && gelesen->raw() % 10000 == 0) {
            lx::Currency v = std::clamp(*gelesen, min_, max_);
            value_ = v;
            setText(QString::fromStdString(lx::shortestText(v)));
        }
    }
    if (OnExit) OnExit();
}
