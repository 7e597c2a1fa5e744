#include "LxValueEdit.h"

TLxValueEdit::TLxValueEdit(QWidget* parent) : TLxNumEdit(parent) {}

void TLxValueEdit::RaiseKommastellen(const std::string& message) const
{
    throw ValueEdit(message);
}
