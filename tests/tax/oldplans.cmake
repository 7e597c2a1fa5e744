# Wage-tax plans 2004 to 2007.
add_executable(oldplans_tests
  ${CMAKE_CURRENT_LIST_DIR}/OldPlansOfficialTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OldPlansRulesTest.cpp
)
target_link_libraries(oldplans_tests PRIVATE lxtax GTest::gtest_main)
target_compile_definitions(oldplans_tests PRIVATE LX_TEST_DATA_DIR="${LX_TEST_DATA_DIR}")
gtest_discover_tests(oldplans_tests DISCOVERY_MODE PRE_TEST)
