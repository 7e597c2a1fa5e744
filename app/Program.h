#pragma once
// The program's main block, shared by the executable and the start-up test.

#include <memory>

class QApplication;
class TForm1;

namespace lx {

// Everything the program creates at start, owned in one place.
struct ProgramWindows {
    std::unique_ptr<TForm1> form1;
};

// Sets the application title and creates the windows in their fixed order.
ProgramWindows startProgram(QApplication& app);

}  // namespace lx
