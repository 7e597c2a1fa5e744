# Folder libraries, their tests and the programs beside them. Each folder's
# sources are found by globbing, so adding a file needs no edit of a shared list.

# lx_folder_program(<name> <source> [LIBS <lib>...])
# A program of one source with its own main (the executable, a test driver run
# by add_test). The folder's library or tests leave that source out, so a
# folder declares its programs first.
function(lx_folder_program name source)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  get_directory_property(globbed LX_FOLDER_GLOBBED)
  if(globbed)
    message(FATAL_ERROR "lx_folder_program(${name}) after the folder's library or tests: declare it first")
  endif()
  add_executable(${name} ${source})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  if(LX_TEST_DATA_DIR)
    target_compile_definitions(${name} PRIVATE LX_TEST_DATA_DIR="${LX_TEST_DATA_DIR}")
  endif()
  set_property(DIRECTORY APPEND PROPERTY LX_PROGRAM_SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/${source})
endfunction()

# The folder's files matching <pattern>, with SUBFOLDERS true also those of
# every folder below it, without the programs' sources.
function(lx_folder_sources var pattern)
  cmake_parse_arguments(ARG "" "SUBFOLDERS" "" ${ARGN})
  if(ARG_SUBFOLDERS)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${pattern})
  else()
    file(GLOB found CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${pattern})
  endif()
  get_directory_property(programs LX_PROGRAM_SOURCES)
  if(programs)
    list(REMOVE_ITEM found ${programs})
  endif()
  set_property(DIRECTORY PROPERTY LX_FOLDER_GLOBBED ON)
  set(${var} ${found} PARENT_SCOPE)
endfunction()

# The folders that hold the headers, for the include path. Headers are
# included by their name alone, so two of the same name would make an include
# ambiguous: refused.
function(lx_header_folders var who)
  set(dirs)
  set(names)
  foreach(header IN LISTS ARGN)
    get_filename_component(dir ${header} DIRECTORY)
    get_filename_component(file ${header} NAME)
    if(file IN_LIST names)
      message(FATAL_ERROR "${who}: two headers named ${file} below ${CMAKE_CURRENT_SOURCE_DIR}")
    endif()
    list(APPEND names ${file})
    list(APPEND dirs ${dir})
  endforeach()
  list(REMOVE_DUPLICATES dirs)
  set(${var} ${dirs} PARENT_SCOPE)
endfunction()

# lx_folder_library(<name> [SUBFOLDERS] [PUBLIC_LIBS <lib>...])
# Builds the folder's *.cpp into a static library <name>; a folder that holds
# only headers so far becomes an interface library with the same links. With
# SUBFOLDERS the library is the folder and every folder below it, each folder
# with headers an include directory. With FOLDER_PATHS as well only the folder
# itself is: a header is included from another folder by its folder and name
# ("berechnung/EingabenLesen.h"), so a file's includes tell which folders it uses.
function(lx_folder_library name)
  cmake_parse_arguments(ARG "SUBFOLDERS;FOLDER_PATHS" "" "PUBLIC_LIBS" ${ARGN})
  lx_folder_sources(srcs *.cpp SUBFOLDERS ${ARG_SUBFOLDERS})
  lx_folder_sources(hdrs *.h SUBFOLDERS ${ARG_SUBFOLDERS})
  set(dirs ${CMAKE_CURRENT_SOURCE_DIR})
  if(ARG_SUBFOLDERS AND NOT ARG_FOLDER_PATHS)
    lx_header_folders(dirs "lx_folder_library(${name})" ${hdrs})
  endif()
  if(srcs)
    add_library(${name} STATIC ${srcs} ${hdrs})
    target_include_directories(${name} PUBLIC ${dirs})
    target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_LIBS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${dirs})
    target_link_libraries(${name} INTERFACE ${ARG_PUBLIC_LIBS})
  endif()
endfunction()

# lx_folder_tests(<executable> LIBS <lib>... [GUI] [SUBFOLDERS])
# One test executable from the folder's *Test.cpp files (and any other *.cpp
# beside them but the programs'), registered with ctest. A folder with a
# TestMain.cpp brings its own main, the others link gtest_main. GUI tests run
# on the offscreen platform. With SUBFOLDERS the files of every folder below
# count too.
function(lx_folder_tests exe)
  cmake_parse_arguments(ARG "GUI;SUBFOLDERS" "" "LIBS" ${ARGN})
  lx_folder_sources(srcs *.cpp SUBFOLDERS ${ARG_SUBFOLDERS})
  lx_folder_sources(tests *Test.cpp SUBFOLDERS ${ARG_SUBFOLDERS})
  if(NOT tests)
    message(FATAL_ERROR "lx_folder_tests(${exe}): no *Test.cpp in ${CMAKE_CURRENT_SOURCE_DIR}")
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
