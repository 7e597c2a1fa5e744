#pragma once
// Numeric edit field without a caption (amount of the entry dialog, factor of
// tax class IV, day fields of the partial month).

#include <stdexcept>

#include "LxNumEdit.h"

// Raised by TLxValueEdit for a number of decimal places outside 0 to 3.
class ValueEdit : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TLxValueEdit : public TLxNumEdit {
    Q_OBJECT
public:
    // Right-aligned, "0,00", value 0, range 0 to 1.000.000, two decimals.
    explicit TLxValueEdit(QWidget* parent = nullptr);

protected:
    [[noreturn]] void RaiseKommastellen(const std::string& message) const override;
};
