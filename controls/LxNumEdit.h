#pragma once
// The numeric behaviour that TLxValueEdit and TLxValueLabEdit share: a key
// filter for numbers in German notation, the decimal limit while typing, and
// on leaving the value pulled into range and the text rewritten: with a fixed
// number of decimals, or as a plain whole number in a field without decimals. Values are exact Currency amounts
// (the classic control's "double" properties keep their names).

#include <QString>
#include <string>

#include "Currency.h"
#include "LxEditBase.h"

class TLxNumEdit : public TLxEditBase {
    Q_OBJECT
public:
    lx::Currency ValueDouble() const { return value_; }
    // The value and, as its text, the shortest decimal text ("350", "1,5").
    void SetValueDouble(lx::Currency value);

    lx::Currency MinValue() const { return min_; }
    // A minimum at or above MaxValue becomes MaxValue - 1; a value below the
    // new minimum is raised to it.
    void SetMinValue(lx::Currency value);

    lx::Currency MaxValue() const { return max_; }
    // A maximum at or below MinValue becomes MinValue + 1; a value above the
    // new maximum is lowered to it.
    void SetMaxValue(lx::Currency value);

    int Kommastellen() const { return kommastellen_; }
    // 0 to 3; any other number sets 2 and throws the control's exception class.
    void SetKommastellen(int value);

    bool DezimalTrz() const { return dezimalTrz_; }
    void SetDezimalTrz(bool value) { dezimalTrz_ = value; }

protected:
    explicit TLxNumEdit(QWidget* parent);

    // Builds the exception message and throws the control's own class.
    [[noreturn]] virtual void RaiseKommastellen(const std::string& message) const = 0;

    void KeyPress(QChar& key) override;
    void KeyUp(int& key, Qt::KeyboardModifiers shift) override;
    void DoExit() override;
    void AfterInputMethodText() override { LimitDecimals(); }

private:
    bool Admits(QChar key) const;
    void LimitDecimals();

    lx::Currency value_;
    lx::Currency min_;
    lx::Currency max_ = lx::Currency::fromUnits(1000000);
    int kommastellen_ = 2;
    bool dezimalTrz_ = true;
    QString lastAccepted_;
};
