#pragma once
// Today's date, injected: the program reads the system's calendar, tests fix
// the day.

namespace lx {

struct Datum {
    int jahr = 0;
    int monat = 0;  // 1 to 12
    int tag = 0;
};

class Uhr {
public:
    virtual ~Uhr() = default;
    virtual Datum heute() const = 0;
};

}  // namespace lx
