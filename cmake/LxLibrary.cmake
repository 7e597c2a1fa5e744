# Folder libraries and their tests. Each folder's sources are found by globbing,
# so adding a file needs no edit of a shared list.

# lx_folder_library(<name> [PUBLIC_LIBS <lib>...])
# Builds the folder's *.cpp into a static library <name>; a folder that holds
# only headers so far becomes an interface library with the same links.
function(lx_folder_library name)
  cmake_parse_arguments(ARG "" "" "PUBLIC_LIBS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB hdrs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(srcs)
    add_library(${name} STATIC ${srcs} ${hdrs})
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_LIBS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_PUBLIC_LIBS})
  endif()
endfunction()

# lx_folder_tests(<executable> LIBS <lib>... [MAIN <file>] [GUI])
# One test executable from the folder's *Test.cpp files (and any other *.cpp
# beside them), registered with ctest. Without MAIN it links gtest_main. GUI
# tests run on the offscreen platform.
function(lx_folder_tests exe)
  cmake_parse_arguments(ARG "GUI" "" "LIBS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*Test.cpp)
  if(NOT tests)
    return()
  endif()
  add_executable(${exe} ${srcs})
  target_link_libraries(${exe} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock)
  if(NOT srcs MATCHES "TestMain.cpp")
    target_link_libraries(${exe} PRIVATE GTest::gtest_main)
  endif()
  target_compile_definitions(${exe} PRIVATE LX_TEST_DATA_DIR="${LX_TEST_DATA_DIR}")
  if(ARG_GUI)
    gtest_discover_tests(${exe} DISCOVERY_MODE PRE_TEST PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  else()
    gtest_discover_tests(${exe} DISCOVERY_MODE PRE_TEST)
  endif()
endfunction()
