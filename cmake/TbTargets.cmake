# Small helpers shared by every folder's CMakeLists.

# tb_add_gtest(NAME SOURCES a.cpp b.cpp LIBS lib1 lib2)
# A GoogleTest executable whose cases ctest runs one by one, each in a fresh process with its
# own temporary registry folder (see tests/support/test_main.cpp) and Qt's offscreen platform.
function(tb_add_gtest name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE tb_test_support ${ARG_LIBS})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    gtest_discover_tests(${name}
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
        DISCOVERY_TIMEOUT 60)
endfunction()

# tb_add_benchmark(NAME SOURCES ... LIBS ...): a separate program that prints its figures.
function(tb_add_benchmark name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/benchmarks)
endfunction()

# tb_add_test_topics(): one test program per topic folder below the current folder; each
# topic's CMakeLists names its sources.
function(tb_add_test_topics)
    file(GLOB topics LIST_DIRECTORIES true CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*)
    foreach(topic ${topics})
        if(EXISTS ${topic}/CMakeLists.txt)
            add_subdirectory(${topic})
        endif()
    endforeach()
endfunction()
