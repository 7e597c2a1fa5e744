#include <gtest/gtest.h>

#include "PlanRegistry.h"

using namespace lx;

TEST(PlanRegistry, PlanOfAPayMonth)
{
    struct Fall {
        int jahr;
        int monat;
        const char* plan;
    };
    const Fall faelle[] = {
        {2004, 1, "2004"}, {2010, 12, "2010"}, {2011, 11, "2011"}, {2011, 12, "1211"}, {2012, 12, "2012"},
        {2015, 1, "2015"}, {2015, 11, "2015"}, {2015, 12, "1215"}, {2023, 1, "2023"},  {2023, 6, "2023"},
        {2023, 7, "0723"}, {2023, 12, "0723"}, {2024, 12, "2024"}, {2003, 12, ""},     {2025, 1, ""},
    };
    for (const auto& f : faelle) EXPECT_EQ(planName(f.jahr, f.monat), f.plan) << f.jahr << "-" << f.monat;
    EXPECT_EQ(allPlanNames().size(), 24u);
}

TEST(PlanRegistry, OneModulePerPlanForTheProgram)
{
    LxSteuernPlan* plan = planFor(2024, 3);
    ASSERT_NE(plan, nullptr);
    EXPECT_EQ(plan->name(), "2024");
    EXPECT_EQ(planFor(2024, 11), plan);
    EXPECT_EQ(planByName("2024"), plan);
    EXPECT_TRUE(plan->bietet(PlanOperation::LohnsteuerSonst));
    EXPECT_TRUE(plan->bietet(PlanOperation::LohnsteuerVmt));
    EXPECT_TRUE(plan->bietet(PlanOperation::VmtBegrenzt));

    auto eigenes = createPlan("2024");
    ASSERT_NE(eigenes, nullptr);
    EXPECT_NE(eigenes.get(), plan) << "a separate state";

    EXPECT_EQ(planFor(2025, 1), nullptr);
    EXPECT_EQ(planByName("1999"), nullptr);
    EXPECT_EQ(createPlan(""), nullptr);
}
