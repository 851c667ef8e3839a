# SPDX-License-Identifier: MIT
# Helpers shared by the subdirectories.

# probel_warnings(target): our warning set, as errors-free warnings.
function(probel_warnings target)
    target_compile_options(${target} PRIVATE ${PROBEL_WARNINGS})
endfunction()

# probel_gtest(name DIR dir LIBS libs...): one GoogleTest executable from every
# .cpp under tests/<dir>, registered with CTest as one test.
function(probel_gtest name)
    cmake_parse_arguments(ARG "" "DIR" "LIBS" ${ARGN})
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${ARG_DIR}/*.cpp)
    if(NOT sources)
        message(FATAL_ERROR "probel_gtest(${name}): no test sources in tests/${ARG_DIR}")
    endif()
    add_executable(${name} ${sources})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} probel_test_support GTest::gtest GTest::gtest_main)
    probel_warnings(${name})
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
    # A test program that waits for a dialog nobody answers fails after ten minutes instead of
    # holding up the whole run (each program takes well under a minute, also under ASan).
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "LC_ALL=C;PROBEL_SOURCE_DIR=${PROJECT_SOURCE_DIR}"
                                            TIMEOUT 600)
endfunction()
