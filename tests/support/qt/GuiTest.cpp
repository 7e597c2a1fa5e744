#include "GuiTest.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QWidget>

#include "gemeinsam/Version.h"

namespace lx::test {

int guiMain(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(kAppTitle));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

void GuiTest::SetUp()
{
    vorher_ = setErrorBoxHandler([this](QWidget*, const QString&, const QString& text) { fehlerTexte.append(text); });
}

void GuiTest::TearDown()
{
    setErrorBoxHandler(vorher_);
}

void GuiTest::ZeigeAktiv(QWidget* fenster)
{
    fenster->show();
    fenster->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenster));
}

void GuiTest::Tippe(QWidget* ziel, const char* keys)
{
    QWidget* w = ziel;
    for (const char* k = keys; *k != '\0'; ++k) {
        switch (*k) {
            case '\b':
                QTest::keyClick(w, Qt::Key_Backspace);
                break;
            case '\r':
                QTest::keyClick(w, Qt::Key_Return);
                break;
            case '\t':
                QTest::keyClick(w, Qt::Key_Tab);
                // the next keys go where the Tab moved the focus
                if (QApplication::focusWidget() != nullptr) w = QApplication::focusWidget();
                break;
            default:
                QTest::keyClick(w, *k);
                break;
        }
    }
}

void GuiTest::Ereignisse()
{
    QCoreApplication::processEvents();
}

ModalerDialog::ModalerDialog(std::function<void(QDialog*)> bedienen, int fristMs)
    : bedienen_(std::move(bedienen)), fristMs_(fristMs)
{
    seit_.start();
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this] { pruefen(); });
    timer_.start();
}

ModalerDialog::~ModalerDialog()
{
    timer_.stop();
}

void ModalerDialog::pruefen()
{
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!bedient_ && !zuSpaet_ && dialog != nullptr) {
        bedient_ = true;
        bedienen_(dialog);
        if (dialog->isVisible()) dialog->reject();
        return;
    }
    if (!bedient_ && !zuSpaet_ && seit_.elapsed() > fristMs_) {
        zuSpaet_ = true;
        ADD_FAILURE() << "no modal dialog within " << fristMs_ << " ms";
    }
    if (zuSpaet_ && dialog != nullptr) dialog->reject();
}

}  // namespace lx::test
