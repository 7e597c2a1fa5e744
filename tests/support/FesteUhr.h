#pragma once
// A clock that always reads the same day.

#include "gemeinsam/Uhr.h"

namespace lx::test {

class FesteUhr : public Uhr {
public:
    FesteUhr(int jahr, int monat, int tag) : datum_{jahr, monat, tag} {}
    Datum heute() const override { return datum_; }
    void stellen(int jahr, int monat, int tag) { datum_ = {jahr, monat, tag}; }

private:
    Datum datum_;
};

}  // namespace lx::test
