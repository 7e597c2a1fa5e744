#include "Program.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

#include "MainUnit.h"
#include "Version.h"

namespace lx {

ProgramWindows startProgram(QApplication& app)
{
    app.setApplicationName(QString::fromUtf8(kAppTitle));
    ProgramWindows windows;
    windows.form1 = std::make_unique<TForm1>();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        windows.form1->setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, windows.form1->size(),
                                                       screen->availableGeometry()));
    }
    return windows;
}

}  // namespace lx
