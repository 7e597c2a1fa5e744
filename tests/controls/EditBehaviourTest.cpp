// What the three controls share: focus colour, entering and leaving, the form's
// key hooks, ENTER, control combinations, pasted and input-method text, and
// the plain field and the caption label.
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <iostream>
#include <stdexcept>
#include <vector>

#include "ControlsFixture.h"
#include "Currency.h"
#include "LxAdvEdit.h"
#include "LxValueEdit.h"
#include "LxValueLabEdit.h"

using namespace lx::literals;

class EditBehaviourTest : public ControlsTest {};

TEST_F(EditBehaviourTest, FocusColourIsSetWhileEnteredAndRestoredOnLeaving)
{
    const QColor skyBlue(0xa6, 0xca, 0xf0);
    auto* amount = new TLxValueEdit(window.get());
    auto* name = new TLxAdvEdit(window.get());
    amount->setGeometry(10, 10, 100, 24);
    name->setGeometry(10, 40, 100, 24);
    ShowActive();
    const QColor normal = amount->Color();

    // Until ActiveColor is set the field keeps the window colour.
    Enter(name);
    EXPECT_EQ(name->Color(), normal);
    Leave();

    for (TLxEditBase* field : std::vector<TLxEditBase*>{amount, name}) {
        field->SetActiveColor(skyBlue);
        Enter(field);
        EXPECT_EQ(field->Color(), skyBlue);
        Leave();
        EXPECT_EQ(field->Color(), normal);
    }

    // A colour the field had when it was entered comes back, not the default.
    QPalette yellow = amount->palette();
    yellow.setColor(QPalette::Base, Qt::yellow);
    amount->setPalette(yellow);
    Enter(amount);
    EXPECT_EQ(amount->Color(), skyBlue);
    Leave();
    EXPECT_EQ(amount->Color(), QColor(Qt::yellow));
}

// Another window taking the activation or a pop-up menu is no leaving: no
// clamping, no exit handler, the focus colour stays.
TEST_F(EditBehaviourTest, DeactivatedWindowIsNoExit)
{
    auto* field = new TLxValueLabEdit(window.get());
    field->setGeometry(150, 10, 120, 24);
    field->SetActiveColor(Qt::cyan);
    int enters = 0;
    int exits = 0;
    field->OnEnter = [&] { ++enters; };
    field->OnExit = [&] { ++exits; };
    ShowActive();
    Enter(field);
    Type(field, "1234567");

    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(field, &popup);
    EXPECT_EQ(field->text(), QStringLiteral("1234567"));
    EXPECT_EQ(field->Color(), QColor(Qt::cyan));
    EXPECT_EQ(exits, 0);

    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_TRUE(field->hasFocus());
    EXPECT_EQ(enters, 1);
    Leave();
    EXPECT_EQ(field->text(), QStringLiteral("1.000.000,00"));
    EXPECT_EQ(exits, 1);
    EXPECT_NE(field->Color(), QColor(Qt::cyan));
}

// Focus moved by the program while the window is inactive sends the field no
// focus event; it is still left once the window is active again.
TEST_F(EditBehaviourTest, FocusMovedWhileInactiveStillLeavesTheField)
{
    auto* field = new TLxValueEdit(window.get());
    field->setGeometry(150, 10, 120, 24);
    int exits = 0;
    field->OnExit = [&] { ++exits; };
    ShowActive();
    Enter(field);
    Type(field, "5");

    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    neighbour->setFocus(Qt::OtherFocusReason);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    ASSERT_TRUE(neighbour->hasFocus());
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(field->text(), QStringLiteral("5,00"));
}

// The main window's gross field and the entry dialog's amount field start their
// actions on ENTER; inside a dialog ENTER must not press the default button.
TEST_F(EditBehaviourTest, EnterReachesTheFormsHooksAndNotTheDialog)
{
    QDialog dialog;
    auto* amount = new TLxValueEdit(&dialog);
    auto* flag = new TLxAdvEdit(&dialog);
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    amount->setGeometry(10, 10, 100, 24);
    flag->setGeometry(10, 40, 30, 24);
    ok->setGeometry(10, 70, 80, 24);
    ok->setDefault(true);
    int clicks = 0;
    QObject::connect(ok, &QPushButton::clicked, [&] { ++clicks; });
    std::vector<int> downs;
    std::vector<char16_t> presses;
    QString textSeenOnEnter;
    for (TLxEditBase* field : std::vector<TLxEditBase*>{amount, flag}) {
        field->OnKeyDown = [&downs](int& key, Qt::KeyboardModifiers) { downs.push_back(key); };
        field->OnKeyPress = [&presses, &textSeenOnEnter, field](QChar& key) {
            presses.push_back(key.unicode());
            if (key == u'\r') textSeenOnEnter = field->text();
        };
    }
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));

    amount->setFocus(Qt::TabFocusReason);
    Type(amount, "12\r");
    EXPECT_EQ(amount->text(), QStringLiteral("12"));
    QTest::keyClick(amount, Qt::Key_Enter);  // the keypad's ENTER as well
    EXPECT_EQ(amount->text(), QStringLiteral("12"));
    EXPECT_EQ(downs, (std::vector<int>{Qt::Key_1, Qt::Key_2, Qt::Key_Return, Qt::Key_Enter}));
    EXPECT_EQ(presses, (std::vector<char16_t>{u'1', u'2', u'\r', u'\r'}));

    // With the whole text selected (as after tabbing in) ENTER empties the field,
    // after the form's handler has seen the text.
    flag->setText(QStringLiteral("x"));
    flag->setFocus(Qt::TabFocusReason);
    Type(flag, "\r");
    EXPECT_EQ(textSeenOnEnter, QStringLiteral("x"));
    EXPECT_EQ(flag->text(), QString());

    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 0);
}

TEST_F(EditBehaviourTest, FormsHooksSeeEveryKeyFirstAndMayDropOrChangeIt)
{
    auto* amount = new TLxValueEdit(window.get());
    amount->setGeometry(10, 10, 100, 24);
    std::vector<char16_t> seen;
    amount->OnKeyPress = [&](QChar& key) {
        seen.push_back(key.unicode());
        if (key == u'7') key = QChar();  // the form drops a character
    };
    amount->OnKeyDown = [](int& key, Qt::KeyboardModifiers) {
        if (key == Qt::Key_F2) key = 0;
    };
    ShowActive();
    Enter(amount);
    Type(amount, "1a7,");
    QTest::keyClick(amount, Qt::Key_F2);
    EXPECT_EQ(amount->text(), QStringLiteral("1,"));
    // The rejected "a" was seen unchanged by the form before the filter dropped it.
    EXPECT_EQ(seen, (std::vector<char16_t>{u'1', u'a', u'7', u','}));

    // The entry dialog's flag cells: every character becomes "x".
    auto* flag = new TLxAdvEdit(window.get());
    flag->setGeometry(10, 40, 30, 24);
    flag->show();
    flag->setMaxLength(1);
    flag->SetAlignment(taCenter);
    flag->OnKeyPress = [&](QChar& key) {
        if (key == u'\r') return;
        if (key == u'\b') {
            flag->setText(QString());
            key = QChar();
        } else {
            key = u'x';
        }
    };
    flag->setText(QStringLiteral("x"));
    Enter(flag);
    Type(flag, "q");
    EXPECT_EQ(flag->text(), QStringLiteral("x"));
    Type(flag, "\b");
    EXPECT_EQ(flag->text(), QString());
    Type(flag, "7z");
    EXPECT_EQ(flag->text(), QStringLiteral("x"));

    // A read-only field still shows its keys to the form but keeps its text.
    amount->setReadOnly(true);
    seen.clear();
    Enter(amount);
    Type(amount, "5\r");
    EXPECT_EQ(amount->text(), QStringLiteral("1,00"));
    EXPECT_EQ(seen, (std::vector<char16_t>{u'5', u'\r'}));
}

// Copy and select all are no characters: they neither empty the selection nor
// are filtered. Pasted text is typed through the key filter; text set by the
// program is checked only on leaving.
TEST_F(EditBehaviourTest, ControlCombinationsAndPastedText)
{
    auto* amount = new TLxValueEdit(window.get());
    amount->setGeometry(10, 10, 100, 24);
    ShowActive();
    Enter(amount);
    Type(amount, "12,3");
    QTest::keyClick(amount, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(amount->text(), QStringLiteral("12,3"));
    EXPECT_EQ(amount->selectedText(), QStringLiteral("12,3"));
    QTest::keyClick(amount, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("12,3"));

    // Pasted over the selection, character by character: the third decimal goes.
    QApplication::clipboard()->setText(QStringLiteral("45,678"));
    QTest::keyClick(amount, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(amount->text(), QStringLiteral("45,67"));
    // Letters, a second comma and a line end are filtered like typed ones.
    struct Fall {
        const char* eingefuegt;
        Qt::Key taste;
        Qt::KeyboardModifiers mit;
        const char* text;
    };
    for (const Fall& f : {Fall{"12abc", Qt::Key_V, Qt::ControlModifier, "12"},
                          Fall{"-3,5,1\n", Qt::Key_Insert, Qt::ShiftModifier, "3,51"},
                          Fall{"1.234,5", Qt::Key_V, Qt::ControlModifier, "1234,5"}}) {
        amount->selectAll();
        QApplication::clipboard()->setText(QString::fromUtf8(f.eingefuegt));
        QTest::keyClick(amount, f.taste, f.mit);
        EXPECT_EQ(amount->text().toStdString(), f.text) << f.eingefuegt;
    }
    // The context menu's "Einfügen" the same.
    amount->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("7x8"));
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(5, 5), amount->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(amount, &menuEvent);
    QMenu* menu = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* m = qobject_cast<QMenu*>(w); m != nullptr && m->isVisible()) menu = m;
    }
    ASSERT_NE(menu, nullptr);
    QAction* einfuegen = nullptr;
    for (QAction* a : menu->actions()) {
        if (a->text().endsWith(QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText))) einfuegen = a;
    }
    ASSERT_NE(einfuegen, nullptr);
    einfuegen->trigger();
    menu->close();
    EXPECT_EQ(amount->text(), QStringLiteral("78"));
    EXPECT_TRUE(boxTexts.isEmpty()) << boxTexts.join('|').toStdString();

    // Set by the program (no key): only leaving checks it.
    QApplication::clipboard()->setText(QStringLiteral("1.234,5678"));
    amount->selectAll();
    amount->paste();
    EXPECT_EQ(amount->text(), QStringLiteral("1.234,5678"));
    Leave();
    EXPECT_EQ(amount->text(), QStringLiteral("1.234,57"));
    EXPECT_EQ(amount->ValueDouble(), 1234.5678_cur);
}

TEST_F(EditBehaviourTest, InputMethodTextPassesTheFilterCharacterByCharacter)
{
    auto* amount = new TLxValueEdit(window.get());
    amount->setGeometry(10, 10, 100, 24);
    ShowActive();
    Enter(amount);
    QInputMethodEvent composing(QStringLiteral("1"), {});
    QApplication::sendEvent(amount, &composing);
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("12a-,345"));
    QApplication::sendEvent(amount, &commit);
    EXPECT_EQ(amount->text(), QStringLiteral("12,34"));
    Leave();
    EXPECT_EQ(amount->text(), QStringLiteral("12,34"));
}

TEST_F(EditBehaviourTest, PlainFieldRemovesTheSelectionBeforeEveryCharacter)
{
    auto* name = new TLxAdvEdit(window.get());
    name->setGeometry(10, 10, 150, 24);
    EXPECT_EQ(name->text(), QString());
    EXPECT_EQ(name->Alignment(), taLeftJustify);
    EXPECT_TRUE(name->alignment() & Qt::AlignLeft);
    ShowActive();

    struct Case {
        const char* initial;
        int start;
        int length;
        const char* keys;
        const char* text;
        int caret;
    };
    const Case cases[] = {
        {"Gehalt", 2, 2, "x", "Gexlt", 3},      // a middle part replaced exactly
        {"Gehalt", 2, 2, "\b", "Glt", 1},       // selection removed, then the character before
        {"1.234", 2, 2, "9", "1.94", 3},        // no dot removal in the plain field
        {"Gehalt", 0, 6, "\r", "", 0},          // ENTER over the whole text empties it
        {"Gehalt", 6, 0, "\rX", "GehaltX", 7},  // ENTER types nothing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.initial + std::string(" / ") + c.keys);
        name->setText(QString::fromUtf8(c.initial));
        Enter(name);
        name->setSelection(c.start, c.length);
        Type(name, c.keys);
        EXPECT_EQ(name->text().toStdString(), c.text);
        EXPECT_EQ(name->cursorPosition(), c.caret);
        Leave();
    }

    name->setText(QStringLiteral("1111"));
    name->SetAlignment(taCenter);
    EXPECT_TRUE(name->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(name->text(), QStringLiteral("1111"));
    Leave();
    EXPECT_EQ(name->text(), QStringLiteral("1111"));
}

TEST_F(EditBehaviourTest, CaptionLabelStaysBesideTheField)
{
    auto* field = new TLxValueLabEdit(window.get());
    field->EditLabel()->setText(QStringLiteral("Brutto:"));
    field->setGeometry(150, 10, 120, 24);
    ShowActive();
    QLabel* label = field->EditLabel();
    EXPECT_EQ(label->parentWidget(), window.get());
    EXPECT_EQ(label->buddy(), field);
    EXPECT_TRUE(label->isVisible());
    EXPECT_EQ(label->geometry().right() + 1 + 5, field->geometry().left());

    field->SetLabelPosition(lpAbove);
    EXPECT_EQ(label->geometry().bottom() + 1 + 5, field->geometry().top());
    field->SetLabelPosition(lpLeft);
    field->move(200, 60);
    EXPECT_EQ(label->geometry().right() + 1 + 5, 200);

    field->hide();
    EXPECT_FALSE(label->isVisible());
    field->show();
    EXPECT_TRUE(label->isVisible());
    field->setEnabled(false);
    EXPECT_FALSE(label->isEnabled());

    QWidget panel(window.get());
    field->setParent(&panel);
    EXPECT_EQ(label->parentWidget(), &panel);
    field->setParent(window.get());
    delete field;  // takes its label with it
    EXPECT_TRUE(window->findChildren<QLabel*>().isEmpty());
}

// An exception from a form's handler is shown in the error box; the event
// handler itself returns normally.
TEST_F(EditBehaviourTest, ExceptionFromAFormsHandlerIsShownNotThrown)
{
    auto* field = new TLxValueEdit(window.get());
    field->setGeometry(10, 10, 100, 24);
    field->OnKeyPress = [](QChar& key) {
        if (key == u'9') throw std::runtime_error("Fehler im Formular");
    };
    field->OnExit = [] { throw std::runtime_error("Fehler beim Verlassen"); };
    ShowActive();
    Enter(field);
    Type(field, "19");
    EXPECT_EQ(field->text(), QStringLiteral("1"));
    Leave();
    EXPECT_EQ(field->text(), QStringLiteral("1,00"));
    EXPECT_EQ(boxTexts, (QStringList{QStringLiteral("Fehler im Formular"), QStringLiteral("Fehler beim Verlassen")}));
}
