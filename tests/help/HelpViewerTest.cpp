#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include "HelpCommand.h"
#include "HelpViewer.h"

namespace {

struct Request {
    quint16 command;
    qint64 number;
    QString text;
    bool operator==(const Request&) const = default;
};

// Records what reaches the application's help command.
class HelpViewerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous_ = lx::SetHelpHandler([this](quint16 c, const lx::HelpData& d, bool& callHelp) {
            requests.push_back({c, d.number, d.text});
            callHelp = false;
            return true;
        });
        qApp->installEventFilter(&filter_);
    }
    void TearDown() override
    {
        qApp->removeEventFilter(&filter_);
        lx::SetHelpHandler(std::move(previous_));
    }

    // A window with a parent panel and an edit field inside it.
    void Show(int windowContext, int panelContext, int editContext)
    {
        window_ = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(window_.get());
        panel = new QWidget;
        layout->addWidget(panel);
        auto* inner = new QVBoxLayout(panel);
        edit = new QLineEdit;
        inner->addWidget(edit);
        lx::SetHelpContext(window_.get(), windowContext);
        lx::SetHelpContext(panel, panelContext);
        lx::SetHelpContext(edit, editContext);
        window_->move(40, 30);
        window_->show();
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
        edit->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), edit);
    }

    qint64 PackedOrigin(const QWidget* w) const
    {
        const QPoint p = w->mapToGlobal(QPoint(0, 0));
        return (p.y() << 16) | p.x();
    }

    std::vector<Request> requests;
    QWidget* panel = nullptr;
    QLineEdit* edit = nullptr;

private:
    lx::HelpHandler previous_;
    lx::HelpKeyFilter filter_;
    std::unique_ptr<QWidget> window_;
};

TEST_F(HelpViewerTest, F1InAFieldWithoutContextAsksForTheParentsContext)
{
    Show(1001, 4007, 0);
    QTest::keyClick(edit, Qt::Key_F1);
    const std::vector<Request> expected{{lx::HELP_SETPOPUP_POS, PackedOrigin(panel), {}}, {lx::HELP_CONTEXT, 4007, {}}};
    EXPECT_EQ(requests, expected);
    EXPECT_EQ(edit->text(), "");
}

TEST_F(HelpViewerTest, TheFieldsOwnContextComesFirst)
{
    Show(1001, 4007, 4013);
    QTest::keyClick(edit, Qt::Key_F1);
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].number, PackedOrigin(edit));
    EXPECT_EQ(requests[1], (Request{lx::HELP_CONTEXT, 4013, {}}));
}

TEST_F(HelpViewerTest, NoContextAnywhereSendsNothing)
{
    Show(0, 0, 0);
    QTest::keyClick(edit, Qt::Key_F1);
    QTest::keyClick(edit, Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_TRUE(requests.empty());
}

TEST_F(HelpViewerTest, OtherKeysAndModifiedF1AreLeftAlone)
{
    Show(1001, 4007, 0);
    QTest::keyClick(edit, Qt::Key_A);
    QTest::keyClick(edit, Qt::Key_F1, Qt::ControlModifier);
    EXPECT_TRUE(requests.empty());
    EXPECT_EQ(edit->text(), "a");
}

TEST_F(HelpViewerTest, TheViewersOperations)
{
    Show(1001, 0, 0);
    const qint64 origin = PackedOrigin(edit->window());
    lx::HelpViewer::DisplayHelpByContext(6000);
    lx::HelpViewer::ShowTableOfContents();
    lx::HelpViewer::ShowHelp(QString(300, 'k'));
    lx::HelpViewer::DisplayTopic("Lohnsteuer");
    const std::vector<Request> expected{
        {lx::HELP_SETPOPUP_POS, origin, {}}, {lx::HELP_CONTEXT, 6000, {}},         {lx::HELP_CONTENTS, 0, {}},
        {lx::HELP_SETPOPUP_POS, origin, {}}, {lx::HELP_KEY, 0, QString(255, 'k')}, {lx::HELP_SETPOPUP_POS, origin, {}},
        {lx::HELP_KEY, 0, "Lohnsteuerzzz"},
    };
    EXPECT_EQ(requests, expected);
}

}  // namespace
