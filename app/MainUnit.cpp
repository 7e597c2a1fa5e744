#include "MainUnit.h"

#include "Version.h"

TForm1::TForm1(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("Form1");
    setWindowTitle(QString::fromUtf8(lx::kAppTitle) + " " + QString::fromUtf8(lx::kVersion));
    resize(645, 518);
}
