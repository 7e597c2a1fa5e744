#pragma once
// Numeric edit field with a caption label bound to it. The label is a sibling
// of the field (same parent); it follows the field's position, visibility and
// enabled state. A window that lays the field out in a QLayout puts EditLabel()
// into the layout as well, and the label is then left where the layout puts it.

#include <QLabel>
#include <QPointer>
#include <stdexcept>

#include "LxNumEdit.h"

// Raised by TLxValueLabEdit for a number of decimal places outside 0 to 3.
class ValueLabEdit : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum TLabelPosition { lpAbove, lpBelow, lpLeft, lpRight };

class TLxValueLabEdit : public TLxNumEdit {
    Q_OBJECT
public:
    // As TLxValueEdit, with the label on the left at a spacing of 5 pixels.
    explicit TLxValueLabEdit(QWidget* parent = nullptr);
    ~TLxValueLabEdit() override;

    QLabel* EditLabel() const { return label_; }

    TLabelPosition LabelPosition() const { return labelPosition_; }
    void SetLabelPosition(TLabelPosition value);

    int LabelSpacing() const { return labelSpacing_; }
    void SetLabelSpacing(int value);

    void setVisible(bool visible) override;

protected:
    [[noreturn]] void RaiseKommastellen(const std::string& message) const override;

    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void PlaceLabel();

    QPointer<QLabel> label_;
    TLabelPosition labelPosition_ = lpLeft;
    int labelSpacing_ = 5;
};
