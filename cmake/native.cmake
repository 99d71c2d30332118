# Native tree: core tests and benchmarks.
enable_testing()
find_package(GTest REQUIRED)

file(GLOB ZV_CORE_TESTS CONFIGURE_DEPENDS tests/core/*.cpp)
add_executable(core_tests ${ZV_CORE_TESTS})
target_link_libraries(core_tests PRIVATE zv_cli_lib GTest::gtest GTest::gtest_main)
target_compile_definitions(core_tests PRIVATE ZV_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data")
include(GoogleTest)
gtest_discover_tests(core_tests DISCOVERY_TIMEOUT 60)

find_package(benchmark QUIET)
if(benchmark_FOUND)
  file(GLOB ZV_BENCHES CONFIGURE_DEPENDS bench/*.cpp)
  foreach(src ${ZV_BENCHES})
    get_filename_component(name ${src} NAME_WE)
    add_executable(bench_${name} ${src})
    target_link_libraries(bench_${name} PRIVATE zv_cli_lib benchmark::benchmark)
  endforeach()
endif()

# Build-time tools the Windows tree runs.
add_executable(make-icon tools/make-icon/make_icon.cpp)
target_link_libraries(make-icon PRIVATE zv_core)
