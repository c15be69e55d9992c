# One shared library per deliverable; sources are every .cpp under the given
# folders except tests/, so adding a file needs no CMake edit.
function(korvalin_sources out)
  set(result)
  foreach(dir IN LISTS ARGN)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
    list(FILTER found EXCLUDE REGEX "/tests/")
    list(APPEND result ${found})
  endforeach()
  # A library whose code is still to come builds from one empty file.
  if(NOT result)
    set(empty ${CMAKE_CURRENT_BINARY_DIR}/empty.cpp)
    file(WRITE ${empty} "")
    set(result ${empty})
  endif()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

# korvalin_test_binary(NAME [SHARDS n] LINK lib...): every .cpp in tests/ of the
# current folder. SHARDS splits a long binary into n CTest entries that run side
# by side, each with its share of the tests.
function(korvalin_test_binary name)
  cmake_parse_arguments(T "" "SHARDS" "LINK" ${ARGN})
  if(NOT KORVALIN_TESTS)
    return()
  endif()
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${T_LINK} testsupport GTest::gtest GTest::gmock)
  # Every test file parses gtest and much of the standard library: parse them once.
  target_precompile_headers(${name} PRIVATE <gtest/gtest.h> <algorithm> <filesystem> <functional>
                            <map> <memory> <string> <vector>)
  # Under the sanitizers the code under test is what must be optimised; the
  # tests' own code compiles a third faster unoptimised.
  if(SANITIZE)
    target_compile_options(${name} PRIVATE -O0)
  endif()
  # Headless Qt, and a German locale so that any locale-dependent number formatting shows.
  set(env "QT_QPA_PLATFORM=offscreen;LC_ALL=de_DE.UTF-8;KORVALIN_SOURCE_DIR=${CMAKE_SOURCE_DIR}")
  if(SANITIZE)
    list(APPEND env "LSAN_OPTIONS=use_tls=0:suppressions=${CMAKE_SOURCE_DIR}/tools/lsan.supp")
  endif()
  if(NOT T_SHARDS)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" TIMEOUT 600)
    return()
  endif()
  math(EXPR last "${T_SHARDS} - 1")
  foreach(i RANGE ${last})
    add_test(NAME ${name}_${i} COMMAND ${name})
    set_tests_properties(${name}_${i} PROPERTIES TIMEOUT 600 ENVIRONMENT
                         "${env};GTEST_TOTAL_SHARDS=${T_SHARDS};GTEST_SHARD_INDEX=${i}")
  endforeach()
endfunction()
