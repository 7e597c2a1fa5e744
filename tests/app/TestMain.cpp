#include "GuiTest.h"

int main(int argc, char** argv)
{
    return lx::test::guiMain(argc, argv);
}
