# tm_library(NAME [NEUTRAL src...] [WINDOWS src...] [DEPS lib...])
# One static library per source folder. NEUTRAL sources need no window and build on both
# targets; WINDOWS sources build only for the program. A library left with no sources on a
# target becomes an interface library, so dependants link the same way everywhere.
function(tm_library name)
  cmake_parse_arguments(A "" "" "NEUTRAL;WINDOWS;DEPS" ${ARGN})
  set(srcs ${A_NEUTRAL})
  if(WIN32)
    list(APPEND srcs ${A_WINDOWS})
  endif()
  if(srcs)
    add_library(${name} STATIC ${srcs})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${A_DEPS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${A_DEPS})
  endif()
endfunction()

# tm_test_program(NAME DIR DEPS...): one test program from every .cpp in DIR; one ctest
# entry per program, since each Wine start costs seconds. A program may define its own main();
# otherwise GoogleTest's is linked.
function(tm_test_program name dir)
  file(GLOB srcs CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT srcs)
    return()
  endif()
  add_executable(${name} ${srcs})
  target_link_libraries(${name} PRIVATE ${ARGN} gtest_main gmock)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE TM_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data"
                                             TM_BUILD_DIR="${CMAKE_BINARY_DIR}")
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES TIMEOUT 600)
endfunction()
