# Wage-tax plans 2004 to 2007.
add_executable(oldplans_tests
  ${CMAKE_CURRENT_LIST_DIR}/OldPlansOfficialTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OldPlansRulesTest.cpp
)
target_link_libraries(oldplans_tests PRIVATE lxtax GTest::gtest_main)
target_compile_definitions(oldplans_tests PRIVATE LX_TEST_DATA_DIR="${LX_TEST_DATA_DIR}")
gtest_discover_tests(oldplans_tests DISCOVERY_MODE PRE_TEST)

# The plans through the common interface.
target_sources(oldplans_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/OldPlanAdapterTest.cpp)
# tax_vectors on rows of 2004 and 2005, for which no official rows exist:
# results worked out by hand from the plans. JRE4 is the annual wage as the
# engine gives it; the 2005 plan adds the current period to it.
add_test(NAME tax_vectors_2004_2005
         COMMAND tax_vectors ${LX_TEST_DATA_DIR}/old-plans-examples.tsv)
