#pragma once
// Hand-written payslip fixtures and their comparison.

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "DetailZeilen.h"

namespace lx::test {

inline std::vector<std::string> LiesFixture(const std::string& name)
{
    std::ifstream in(std::string(LX_TEST_DATA_DIR) + "/payslip/" + name);
    EXPECT_TRUE(in.good()) << "fixture missing: " << name;
    std::vector<std::string> zeilen;
    for (std::string z; std::getline(in, z);) zeilen.push_back(z);
    return zeilen;
}

// First character (1-based) where two lines differ.
inline std::size_t ErsteAbweichung(const std::string& a, const std::string& b)
{
    const std::size_t n = std::min(a.size(), b.size());
    std::size_t i = 0;
    while (i < n && a[i] == b[i]) ++i;
    return Zeichenzahl(a.substr(0, i)) + 1;
}

inline ::testing::AssertionResult GleichFixture(const std::vector<std::string>& ist, const std::string& name)
{
    const std::vector<std::string> soll = LiesFixture(name);
    for (std::size_t i = 0; i < std::max(ist.size(), soll.size()); ++i) {
        const std::string a = i < ist.size() ? ist[i] : "<no line>";
        const std::string b = i < soll.size() ? soll[i] : "<no line>";
        if (a != b) {
            return ::testing::AssertionFailure() << name << " line " << i + 1 << ", column " << ErsteAbweichung(a, b)
                                                 << "\n  built:    [" << a << "]\n  expected: [" << b << "]";
        }
    }
    return ::testing::AssertionSuccess();
}

}  // namespace lx::test
