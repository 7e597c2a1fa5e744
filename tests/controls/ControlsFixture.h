#pragma once
// A shown, active window with the field under test and a neighbour that takes
// the focus when the field is left; the error box answers without blocking.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <memory>

#include "LxErrorBox.h"

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousBox_ = lx::setErrorBoxHandler([this](QWidget*, const QString& title, const QString& text) {
            boxTitles.append(title);
            boxTexts.append(text);
        });
        window = std::make_unique<QWidget>();
        window->resize(400, 200);
        neighbour = new QLineEdit(window.get());
        neighbour->setGeometry(10, 150, 100, 24);
    }

    void TearDown() override
    {
        window.reset();
        lx::setErrorBoxHandler(previousBox_);
    }

    // Shows the window and makes it the active one, as a user's window is.
    void ShowActive()
    {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    static void Enter(QWidget* field)
    {
        field->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(field->hasFocus()) << "the field did not get the focus";
    }
    void Leave()
    {
        neighbour->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(neighbour->hasFocus()) << "the field kept the focus";
    }

    // Types `keys`: '\b' is Backspace, '\r' ENTER, everything else its character.
    static void Type(QWidget* field, const char* keys)
    {
        for (const char* k = keys; *k != '\0'; ++k) {
            if (*k == '\b') {
                QTest::keyClick(field, Qt::Key_Backspace);
            } else if (*k == '\r') {
                QTest::keyClick(field, Qt::Key_Return);
            } else {
                QTest::keyClick(field, *k);
            }
        }
    }

    std::unique_ptr<QWidget> window;
    QLineEdit* neighbour = nullptr;
    QStringList boxTitles;
    QStringList boxTexts;

private:
    lx::ErrorBoxHandler previousBox_;
};
