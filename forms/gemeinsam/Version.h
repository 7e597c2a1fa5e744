#pragma once
// The version and the application title: the main window's caption, the
// payslip and print footers, the about box and the update check read them.

namespace lx {
// The program's version text.
inline constexpr const char* kVersion = "1.1.1.1";
// The application title: caption of the program's message boxes.
inline constexpr const char* kAppTitle = "RiVodozazavudidavaz";
}  // namespace lx
