#include "LxValueLabEdit.h"

#include <QEvent>
#include <QLabel>
#include <QLayout>

namespace {

bool layoutHolds(const QLayout* layout, const QWidget* widget)
{
    if (layout == nullptr) return false;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() == widget || layoutHolds(item->layout(), widget)) return true;
    }
    return false;
}

}  // namespace

TLxValueLabEdit::TLxValueLabEdit(QWidget* parent) : TLxNumEdit(parent), label_(new QLabel(parent))
{
    label_->setBuddy(this);
}

TLxValueLabEdit::~TLxValueLabEdit()
{
    delete label_.data();
}

void TLxValueLabEdit::RaiseKommastellen(const std::string& message) const
{
    throw ValueLabEdit(message);
}

void TLxValueLabEdit::SetLabelPosition(TLabelPosition value)
{
    labelPosition_ = value;
    PlaceLabel();
}

void TLxValueLabEdit::SetLabelSpacing(int value)
{
    labelSpacing_ = value;
    PlaceLabel();
}

void TLxValueLabEdit::setVisible(bool visible)
{
    TLxNumEdit::setVisible(visible);
    if (label_ && label_->parentWidget() != nullptr) label_->setVisible(visible);
}

void TLxValueLabEdit::PlaceLabel()
{
    if (!label_ || label_->parentWidget() == nullptr || layoutHolds(label_->parentWidget()->layout(), label_)) return;
    label_->adjustSize();
    const QRect field = geometry();
    const QSize size = label_->size();
    QPoint at;
    switch (labelPosition_) {
        case lpAbove:
            at = QPoint(field.left(), field.top() - size.height() - labelSpacing_);
            break;
        case lpBelow:
            at = QPoint(field.left(), field.bottom() + 1 + labelSpacing_);
            break;
        case lpLeft:
            at =
                QPoint(field.left() - size.width() - labelSpacing_, field.top() + (field.height() - size.height()) / 2);
            break;
        case lpRight:
            at = QPoint(field.right() + 1 + labelSpacing_, field.top() + (field.height() - size.height()) / 2);
            break;
    }
    label_->move(at);
}

bool TLxValueLabEdit::event(QEvent* event)
{
    if (event->type() == QEvent::ParentChange && label_) {
        // The label moves with the field into its new parent; it then shows
        // with the parent or with the field's own show() (setVisible).
        label_->setParent(parentWidget());
        PlaceLabel();
    }
    return TLxNumEdit::event(event);
}

void TLxValueLabEdit::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange && label_) label_->setEnabled(isEnabled());
    TLxNumEdit::changeEvent(event);
}

void TLxValueLabEdit::moveEvent(QMoveEvent* event)
{
    TLxNumEdit::moveEvent(event);
    PlaceLabel();
}

void TLxValueLabEdit::resizeEvent(QResizeEvent* event)
{
    TLxNumEdit::resizeEvent(event);
    PlaceLabel();
}

void TLxValueLabEdit::showEvent(QShowEvent* event)
{
    TLxNumEdit::showEvent(event);
    PlaceLabel();
}
