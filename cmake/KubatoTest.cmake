# One helper adds a GoogleTest program and registers each of its tests with CTest.
#   kubato_add_test(NAME core_tests SOURCES a.cpp b.cpp LIBRARIES kubato_core [MAIN own_main.cpp])
find_package(GTest REQUIRED)
include(GoogleTest)

function(kubato_add_test)
    cmake_parse_arguments(ARG "OWN_MAIN" "NAME" "SOURCES;LIBRARIES;ENVIRONMENT" ${ARGN})
    add_executable(${ARG_NAME} ${ARG_SOURCES})
    kubato_strict_warnings(${ARG_NAME})
    target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LIBRARIES} GTest::gtest)
    if(NOT ARG_OWN_MAIN)
        target_link_libraries(${ARG_NAME} PRIVATE GTest::gtest_main)
    endif()
    target_compile_definitions(${ARG_NAME} PRIVATE
        KUBATO_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data"
        KUBATO_EXAMPLES_DIR="${PROJECT_SOURCE_DIR}/examples")
    gtest_discover_tests(${ARG_NAME}
        DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT "${ARG_ENVIRONMENT}")
endfunction()
