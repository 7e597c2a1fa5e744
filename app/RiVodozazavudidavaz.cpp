// The program: creates the application, starts the help units and the
// windows and runs the message loop until the main window closes.

#include <QApplication>

#include "HelpStart.h"
#include "MainUnit.h"
#include "Program.h"
#include "gemeinsam/Version.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The help units start before the windows and end after them; the log's
    // fallback folder is named after the application.
    QApplication::setApplicationName(QString::fromUtf8(lx::kAppTitle));
    lx::HelpStart hilfe(QApplication::arguments(), QString::fromUtf8(lx::kVersion));
    std::unique_ptr<lx::ProgramWindows> windows = lx::startProgram(app, {.hilfe = &hilfe});
    hilfe.SetWarningBox([&windows](const QString& text) { windows->zustand.dialoge.Warnung(text.toStdString()); });
    windows->form1->show();
    const int code = QApplication::exec();
    windows.reset();
    return code;
}
