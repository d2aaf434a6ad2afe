# Helpers that give every directory the same shape.
#
#   pr_library(<target> DEPS <targets...> [PUBLIC_LIBS <libs...>] [SOURCES <extra...>])
#     A static library from every *.cpp of the calling directory (plus SOURCES), named after its
#     path (platform/core -> platform_core), with the repository root on its include path.
#
#   pr_test(<target> DEPS <targets...> [SOURCES <extra...>])
#     A GoogleTest program from every *_test.cpp of the calling directory; each test case becomes a
#     CTest test (discovered when CTest runs, so building stays fast).

find_package(GTest QUIET)
include(GoogleTest)

function(pr_library target)
  cmake_parse_arguments(ARG "" "" "DEPS;PUBLIC_LIBS;SOURCES" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(${target} STATIC ${sources} ${ARG_SOURCES})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${target} PUBLIC ${ARG_DEPS} ${ARG_PUBLIC_LIBS})
endfunction()

function(pr_test target)
  cmake_parse_arguments(ARG "" "" "DEPS;SOURCES" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  add_executable(${target} ${sources} ${ARG_SOURCES})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${target} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST
                       WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
                       PROPERTIES ENVIRONMENT "PR_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()
include(${CMAKE_CURRENT_LIST_DIR}/EmbedResources.cmake)
