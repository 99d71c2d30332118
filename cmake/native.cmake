# Native tree: core tests and benchmarks.
enable_testing()
find_package(GTest REQUIRED)

file(GLOB_RECURSE ZV_CORE_TESTS CONFIGURE_DEPENDS tests/core/*.cpp tests/cli/*.cpp)
add_executable(core_tests ${ZV_CORE_TESTS})
target_link_libraries(core_tests PRIVATE zv_cli_lib zv_default_skin GTest::gtest GTest::gtest_main)
target_compile_definitions(core_tests PRIVATE ZV_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data"
                                              ZV_CLI="$<TARGET_FILE:zorvane-cli>")
# A test runs the command in a pipeline.
add_dependencies(core_tests zorvane-cli)
include(GoogleTest)
gtest_discover_tests(core_tests DISCOVERY_TIMEOUT 60)

find_package(benchmark QUIET)
if(benchmark_FOUND)
  file(GLOB ZV_BENCHES CONFIGURE_DEPENDS bench/*.cpp)
  foreach(src ${ZV_BENCHES})
    get_filename_component(name ${src} NAME_WE)
    add_executable(bench_${name} ${src})
    target_link_libraries(bench_${name} PRIVATE zv_cli_lib zv_default_skin benchmark::benchmark)
  endforeach()
endif()

# Build-time tools the Windows tree runs.
add_executable(make-icon tools/make-icon/make_icon.cpp)
target_link_libraries(make-icon PRIVATE zv_core)

# Compares the BMP reader with reference pictures (tools/bmp-check/check-corpus.sh).
add_executable(bmp-check tools/bmp-check/bmp_check.cpp)
target_link_libraries(bmp-check PRIVATE zv_core)

# Picture decoders for the promotion slots, on libjpeg-turbo and giflib.
# Windows decodes with WIC and GDI, so this library is native only.
find_package(JPEG REQUIRED)
find_package(GIF REQUIRED)
file(GLOB ZV_NATIVE_SOURCES CONFIGURE_DEPENDS src/native/*.cpp)
add_library(zv_native STATIC ${ZV_NATIVE_SOURCES})
target_link_libraries(zv_native PUBLIC zv_core JPEG::JPEG GIF::GIF)

file(GLOB ZV_NATIVE_TESTS CONFIGURE_DEPENDS tests/native/*.cpp)
target_sources(core_tests PRIVATE ${ZV_NATIVE_TESTS})
target_include_directories(core_tests PRIVATE tests/core)
target_link_libraries(core_tests PRIVATE zv_native)
if(benchmark_FOUND)
  foreach(src ${ZV_BENCHES})
    get_filename_component(name ${src} NAME_WE)
    target_link_libraries(bench_${name} PRIVATE zv_native)
  endforeach()
endif()

# Draws the default skin's pictures; run by hand (see docs/skin-data.md).
add_executable(skinart tools/skinart/skinart.cpp)
target_link_libraries(skinart PRIVATE zv_core)

# Text in the command line's previews: FreeType faces found by fontconfig.
# The Windows tree draws them with GDI instead.
find_package(Freetype REQUIRED)
find_package(Fontconfig REQUIRED)
add_library(zv_fonts STATIC src/native/fonts/freetype_text_renderer.cpp)
target_link_libraries(zv_fonts PUBLIC zv_core Freetype::Freetype Fontconfig::Fontconfig)
target_link_libraries(zv_cli_lib PUBLIC zv_fonts)

# PNG pictures for the command line (and skins later): libpng. The Windows
# tree codes them with WIC.
find_package(PNG REQUIRED)
add_library(zv_png STATIC src/native/png/png_codec.cpp)
target_link_libraries(zv_png PUBLIC zv_core PNG::PNG)
target_link_libraries(zv_cli_lib PUBLIC zv_png)
