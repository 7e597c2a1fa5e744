#pragma once
// The help integration as the main window's start and end see it; the help
// units implement it, tests leave it out.

#include <string>

namespace lx {

// The main window's creation shows this when the help viewer is missing.
inline constexpr const char* kHilfeLaufzeitFehlt =
    "Diese Anwendung erfordert die Installation der MS HTML Help 1.2 oder höher";

class Hilfesystem {
public:
    virtual ~Hilfesystem() = default;
    // Whether the help viewer is there and new enough.
    virtual bool LaufzeitBereit() const = 0;
    // The help hook on the help file, with no window definition and the
    // viewer's own programming interface (host kind 0).
    virtual void HookAnlegen(const std::string& hilfeDatei) = 0;
    // Closes all help windows, then frees the hook; nothing without one.
    virtual void HookFreigeben() = 0;
};

}  // namespace lx
