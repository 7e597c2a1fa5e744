// Every official row of the plans 2006 and 2007 through LxSteuern2006/2007:
// the wage tax and the surcharge of the period must match to the cent.

#include <gtest/gtest.h>

#include <charconv>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "LxSteuern2006.h"
#include "LxSteuern2007.h"

using namespace lx;

namespace {

struct Row {
    int line = 0;
    std::map<std::string, std::string> fields;

    const std::string& text(const std::string& name) const { return fields.at(name); }
    long long integer(const std::string& name) const
    {
        const std::string& t = text(name);
        long long v = 0;
        auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
        if (ec != std::errc() || end != t.data() + t.size())
            ADD_FAILURE() << "line " << line << ": " << name << "=" << t;
        return v;
    }
    // A decimal with a point ("2.5") as an exact amount.
    Currency decimal(const std::string& name) const
    {
        const std::string& t = text(name);
        const auto point = t.find('.');
        const std::string whole = t.substr(0, point);
        std::string frac = point == std::string::npos ? "" : t.substr(point + 1);
        frac.resize(4, '0');
        return Currency::fromRaw(std::stoll(whole) * Currency::kScale + std::stoll(frac));
    }
    Currency euros(const std::string& name) const { return Currency::fromCents(integer(name)); }
    int code(const std::string& name) const { return static_cast<int>(integer(name)); }
};

std::vector<Row> officialRows(const std::string& plan)
{
    std::ifstream in(std::string(LX_TEST_DATA_DIR) + "/official-plans.tsv");
    EXPECT_TRUE(in) << "official-plans.tsv not found in " << LX_TEST_DATA_DIR;
    std::string line;
    std::vector<std::string> header;
    std::vector<Row> rows;
    for (int number = 1; std::getline(in, line); ++number) {
        std::vector<std::string> cells;
        std::stringstream split(line);
        for (std::string cell; std::getline(split, cell, '\t');) cells.push_back(cell);
        if (number == 1) {
            header = cells;
            continue;
        }
        if (cells.empty() || cells[0] != plan) continue;
        EXPECT_EQ(cells.size(), header.size()) << "line " << number;
        Row row{number, {}};
        for (std::size_t i = 0; i < header.size() && i < cells.size(); ++i) row.fields[header[i]] = cells[i];
        rows.push_back(std::move(row));
    }
    return rows;
}

// The engine's rounding of the surcharge in cents: its whole part.
Currency wholeCents(Currency cents)
{
    return Currency::fromUnits(cents.raw() / Currency::kScale);
}

template <class Module>
void runOfficialRows(const std::string& plan)
{
    const std::vector<Row> rows = officialRows(plan);
    ASSERT_EQ(rows.size(), 400u);
    Module module;  // one module for all rows: nothing of a row may reach the next
    int failures = 0;
    for (const Row& r : rows) {
        // The plans take the period allowance WFUNDF in cents as LZZFREIB.
        const Currency lst = module.LohnsteuerLzz(
            r.code("VJAHR"), r.code("AJAHR"), r.code("LZZ"), r.euros("RE4"), r.euros("VBEZ"), r.euros("VBEZM"),
            r.euros("VBEZS"), r.euros("STERBE"), r.euros("VKAPA"), Currency::fromUnits(r.integer("WFUNDF")),
            r.code("KRV"), r.code("STKL"), r.code("ZMVB"), r.decimal("ZKF"), r.code("ALTER1"));
        const Currency solz = module.SolzLzz();
        const bool ok =
            lst == r.euros("LSTLZZ") && solz == wholeCents(solz) && solz == Currency::fromUnits(r.integer("SOLZLZZ"));
        if (!ok && ++failures <= 20) {
            ADD_FAILURE() << plan << " line " << r.line << ": LSTLZZ " << lst << " want " << r.euros("LSTLZZ")
                          << ", SOLZLZZ (cents) " << solz << " want " << r.text("SOLZLZZ");
        }
    }
    EXPECT_EQ(failures, 0);
}

}  // namespace

TEST(OldPlansOfficial, Plan2006EveryRow)
{
    runOfficialRows<LxSteuern2006>("2006");
}

TEST(OldPlansOfficial, Plan2007EveryRow)
{
    runOfficialRows<LxSteuern2007>("2007");
}
