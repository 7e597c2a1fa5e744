#pragma once
// Plain text field for short codes and names: alignment, focus colour, ENTER
// swallowed and a selection removed before every typed character. It filters
// nothing itself; forms filter through OnKeyPress.

#include "LxEditBase.h"

class TLxAdvEdit : public TLxEditBase {
    Q_OBJECT
public:
    // Empty and left-aligned.
    explicit TLxAdvEdit(QWidget* parent = nullptr);

protected:
    void KeyPress(QChar& key) override;
};
