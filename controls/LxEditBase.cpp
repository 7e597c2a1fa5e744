#include "LxEditBase.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>

#include "LxErrorBox.h"

namespace {

Qt::Alignment toQt(TAlignment a)
{
    switch (a) {
        case taRightJustify:
            return Qt::AlignRight | Qt::AlignVCenter;
        case taCenter:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        case taLeftJustify:
            break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

bool isTypedText(const QString& text)
{
    if (text.isEmpty()) return false;
    for (QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f) return false;
    }
    return true;
}

// The characters a key press types, or an empty text for keys that type none.
QString typedCharacters(const QKeyEvent* e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) return QString(QChar(u'\r'));
    bool control = (e->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) && !(e->modifiers() & Qt::AltModifier);
    if (control) return {};
    if (e->key() == Qt::Key_Backspace) return QString(QChar(u'\b'));
    return isTypedText(e->text()) ? e->text() : QString();
}

// Focus that goes to another window or into a pop-up menu stays with the field
// as far as the form is concerned.
bool staysInField(Qt::FocusReason reason)
{
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

}  // namespace

TLxEditBase::TLxEditBase(QWidget* parent) : QLineEdit(parent)
{
    // Dropped text would pass no key filter.
    setAcceptDrops(false);
    activeColor_ = palette().color(QPalette::Active, QPalette::Base);
    setAlignment(toQt(alignment_));
    // Focus that moves while the window is inactive sends this field no focus
    // event; the change is seen here, so that the field is still left.
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        focusWatch_ = connect(app, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
            if (!entered_ || now == nullptr || now == this || hasFocus() || now->window() != window() ||
                !window()->isVisible()) {
                return;
            }
            entered_ = false;
            lx::runGuarded(this, [&] { DoExit(); });
        });
    }
}

// Qt's own destructors still move the focus; by then this is no field any more.
TLxEditBase::~TLxEditBase()
{
    disconnect(focusWatch_);
}

void TLxEditBase::SetAlignment(TAlignment value)
{
    if (value == alignment_) return;
    alignment_ = value;
    setAlignment(toQt(value));
}

QColor TLxEditBase::Color() const
{
    return palette().color(QPalette::Base);
}

void TLxEditBase::KeyPress(QChar& key)
{
    if (OnKeyPress) OnKeyPress(key);
}

void TLxEditBase::KeyUp(int& key, Qt::KeyboardModifiers shift)
{
    if (OnKeyUp) OnKeyUp(key, shift);
}

void TLxEditBase::DoEnter()
{
    savedPalette_ = palette();
    QPalette active = palette();
    active.setColor(QPalette::Base, activeColor_);
    setPalette(active);
    if (autoSelect_) selectAll();
    if (OnEnter) OnEnter();
}

void TLxEditBase::RestoreColor()
{
    setPalette(savedPalette_);
}

void TLxEditBase::DoExit()
{
    RestoreColor();
    if (OnExit) OnExit();
}

void TLxEditBase::RemoveSelection(const std::function<QString(const QString&)>& clean)
{
    if (!hasSelectedText() || isReadOnly()) return;
    const QString t = text();
    const int start = selectionStart();
    const auto length = selectedText().length();
    if (start == 0 && length == t.length()) {
        setText(QString());
        return;
    }
    const QString front = clean(t.left(start));
    const QString back = clean(t.mid(start + length));
    setText(front + back);
    setCursorPosition(static_cast<int>(front.length()));
}

void TLxEditBase::TypeCharacter(QChar key)
{
    QPointer<TLxEditBase> self(this);
    KeyPress(key);
    if (self.isNull() || key.isNull() || isReadOnly()) return;
    if (key == kBackspace) {
        backspace();
    } else {
        insert(QString(key));
    }
}

void TLxEditBase::PasteTyped(const QString& text)
{
    if (isReadOnly()) return;
    QPointer<TLxEditBase> self(this);
    lx::runGuarded(this, [&] {
        for (QChar c : text) {
            if (self.isNull()) return;
            if (isTypedText(QString(c))) TypeCharacter(c);
        }
        if (!self.isNull()) AfterInputMethodText();
    });
}

void TLxEditBase::keyPressEvent(QKeyEvent* event)
{
    QPointer<TLxEditBase> self(this);
    int key = event->key();
    bool failed = !lx::runGuarded(this, [&] {
        if (OnKeyDown) OnKeyDown(key, event->modifiers());
    });
    if (self.isNull()) return;
    const QString typed = typedCharacters(event);
    if (failed || key == 0) {
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        event->accept();
        PasteTyped(QGuiApplication::clipboard()->text());
        return;
    }
    if (typed.isEmpty()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    lx::runGuarded(this, [&] {
        for (QChar c : typed) {
            if (self.isNull()) return;
            TypeCharacter(c);
        }
    });
}

void TLxEditBase::keyReleaseEvent(QKeyEvent* event)
{
    QLineEdit::keyReleaseEvent(event);
    int key = event->key();
    Qt::KeyboardModifiers shift = event->modifiers();
    lx::runGuarded(this, [&] { KeyUp(key, shift); });
}

void TLxEditBase::inputMethodEvent(QInputMethodEvent* event)
{
    const QString committed = event->commitString();
    if (committed.isEmpty() || isReadOnly()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    // The composition still shows; the committed text is typed one character
    // at a time, so that it passes the same checks as keys do.
    QInputMethodEvent composing(event->preeditString(), event->attributes());
    QLineEdit::inputMethodEvent(&composing);
    event->accept();
    PasteTyped(committed);
}

void TLxEditBase::contextMenuEvent(QContextMenuEvent* event)
{
    QPointer<QMenu> menu = createStandardContextMenu();
    // The menu's "Einfügen" (the entry that shows the paste shortcut) types the
    // clipboard's text, as Ctrl+V does.
    const QString einfuegen = QLatin1Char('\t') + QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
    for (QAction* action : menu->actions()) {
        if (!action->text().endsWith(einfuegen)) continue;
        disconnect(action, &QAction::triggered, nullptr, nullptr);
        connect(action, &QAction::triggered, this, [this] { PasteTyped(QGuiApplication::clipboard()->text()); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void TLxEditBase::mouseReleaseEvent(QMouseEvent* event)
{
    // The middle button pastes the selection where the system has one.
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        event->accept();
        setCursorPosition(cursorPositionAt(event->position().toPoint()));
        PasteTyped(QGuiApplication::clipboard()->text(QClipboard::Selection));
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TLxEditBase::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (entered_) return;
    entered_ = true;
    lx::runGuarded(this, [&] { DoEnter(); });
}

void TLxEditBase::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (!entered_ || staysInField(event->reason())) return;
    entered_ = false;
    lx::runGuarded(this, [&] { DoExit(); });
}
