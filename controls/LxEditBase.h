#pragma once
// What the three edit controls share: the key pipeline (the form's hooks see
// every key first, then the control's own handling of typed characters), the
// text alignment and the background colour while the field has the focus.
//
// The pipeline in the order of the classic toolkit's edit:
//   OnKeyDown(key)  - every key press; setting key to 0 drops the key.
//   KeyPress(ch)    - every typed character, one at a time (also input-method
//                     text): the form's OnKeyPress first, then the control's own
//                     steps; a null character at the end types nothing.
//   KeyUp(key)      - every key release: OnKeyUp, then the control's own check.
// ENTER arrives as the character '\r' and Backspace as '\b'. Control
// combinations (copy, select all, ...) and navigation keys are no characters:
// they go to QLineEdit unchanged. Pasted text (Ctrl+V, Shift+Insert, the
// context menu's "Einfügen", the middle button) is typed one character at a
// time, so it passes the same checks as keys do; dropping text is off. ENTER
// never leaves the field, so it does not press a dialog's default button.
//
// Entering and leaving: focus that moves to or from another widget of the same
// window runs DoEnter / DoExit (then OnEnter / OnExit); a deactivated window or
// an opened pop-up menu neither leaves nor enters the field.
//
// OnChange of the classic edit is QLineEdit::textChanged. An exception that
// leaves a hook or the control's own handling is shown in the error box
// (LxErrorBox.h) and ends the handling of that event.

#include <QColor>
#include <QLineEdit>
#include <QPalette>
#include <functional>

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

class TLxEditBase : public QLineEdit {
    Q_OBJECT
public:
    explicit TLxEditBase(QWidget* parent = nullptr);
    ~TLxEditBase() override;

    std::function<void(int& key, Qt::KeyboardModifiers shift)> OnKeyDown;
    std::function<void(QChar& key)> OnKeyPress;
    std::function<void(int& key, Qt::KeyboardModifiers shift)> OnKeyUp;
    std::function<void()> OnEnter;
    std::function<void()> OnExit;

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);

    QColor ActiveColor() const { return activeColor_; }
    void SetActiveColor(const QColor& value) { activeColor_ = value; }

    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool value) { autoSelect_ = value; }

    // The background colour (the palette's base colour) as the field shows it now.
    QColor Color() const;

protected:
    static constexpr QChar kEnter{u'\r'};
    static constexpr QChar kBackspace{u'\b'};

    // One typed character; overrides call the inherited one first.
    virtual void KeyPress(QChar& key);
    virtual void KeyUp(int& key, Qt::KeyboardModifiers shift);
    virtual void DoEnter();
    virtual void DoExit();
    // Gives the field back the background it had when it gained the focus.
    void RestoreColor();

    // Removes a selection before a typed character: an all-selected text becomes
    // empty; otherwise the parts before and after the selection are joined (each
    // passed through `clean`) and the caret goes to the end of the front part.
    void RemoveSelection(const std::function<QString(const QString&)>& clean);

    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

    // Runs after every input-method commit, which brings no key release.
    virtual void AfterInputMethodText() {}

private:
    void TypeCharacter(QChar key);
    // Types a pasted or input-method text's printable characters one at a time,
    // then runs AfterInputMethodText.
    void PasteTyped(const QString& text);

    TAlignment alignment_ = taLeftJustify;
    QColor activeColor_;
    bool autoSelect_ = true;
    bool entered_ = false;
    QPalette savedPalette_;
    QMetaObject::Connection focusWatch_;
};
