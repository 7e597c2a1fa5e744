// The program: creates the application and its windows and runs the message
// loop until the main window closes.

#include <QApplication>

#include "MainUnit.h"
#include "Program.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    std::unique_ptr<lx::ProgramWindows> windows = lx::startProgram(app);
    windows->form1->show();
    const int code = QApplication::exec();
    windows.reset();
    return code;
}
