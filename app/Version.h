#pragma once

namespace lx {
// The program's version text: window caption, payslip footer, update check.
inline constexpr const char* kVersion = "1.1.1.1";
// The application title: caption of the program's message boxes.
inline constexpr const char* kAppTitle = "RiVodozazavudidavaz";
}  // namespace lx
