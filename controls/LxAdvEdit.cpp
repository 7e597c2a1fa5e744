#include "LxAdvEdit.h"

TLxAdvEdit::TLxAdvEdit(QWidget* parent) : TLxEditBase(parent) {}

void TLxAdvEdit::KeyPress(QChar& key)
{
    TLxEditBase::KeyPress(key);
    if (key == kEnter) key = QChar();
    // Also when the form's handler dropped the character.
    RemoveSelection([](const QString& part) { return part; });
}
