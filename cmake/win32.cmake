# Windows tree (MinGW-w64): Zorvane.exe, zorvane-cli.exe and the tests run
# under Wine. ZV_NATIVE_BIN names the native build, whose tools make build
# inputs (the icon).
enable_language(RC)
set(ZV_NATIVE_BIN "" CACHE PATH "Native build folder with make-icon")
if(NOT ZV_NATIVE_BIN)
  message(FATAL_ERROR "Set ZV_NATIVE_BIN to the native build folder (make does this)")
endif()

# Win32 structures are set up by their size field alone.
add_compile_options(-Wno-missing-field-initializers)
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)

file(GLOB_RECURSE ZV_WIN32_SOURCES CONFIGURE_DEPENDS src/win32/*.cpp)
list(FILTER ZV_WIN32_SOURCES EXCLUDE REGEX "src/win32/main\\.cpp$")
add_library(zv_win32 STATIC ${ZV_WIN32_SOURCES})
target_link_libraries(zv_win32 PUBLIC zv_core comctl32 gdi32 user32 shell32 uxtheme winhttp windowscodecs ole32 uuid)

set(ZV_ICON ${CMAKE_BINARY_DIR}/zorvane.ico)
add_custom_command(OUTPUT ${ZV_ICON} COMMAND ${ZV_NATIVE_BIN}/make-icon ${ZV_ICON}
                   DEPENDS ${ZV_NATIVE_BIN}/make-icon COMMENT "Drawing the application icon")
configure_file(src/win32/res/zorvane.manifest ${CMAKE_BINARY_DIR}/zorvane.manifest COPYONLY)
configure_file(src/win32/res/zorvane.rc ${CMAKE_BINARY_DIR}/zorvane.rc COPYONLY)
set_source_files_properties(${CMAKE_BINARY_DIR}/zorvane.rc PROPERTIES OBJECT_DEPENDS
                            "${ZV_ICON};${CMAKE_BINARY_DIR}/zorvane.manifest;${ZV_DEFAULT_SKIN}")

add_executable(Zorvane WIN32 src/win32/main.cpp ${CMAKE_BINARY_DIR}/zorvane.rc)
target_link_libraries(Zorvane PRIVATE zv_win32)
target_link_options(Zorvane PRIVATE -municode)

# GoogleTest built from Debian's sources with the cross compiler.
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
target_compile_options(gtest PRIVATE -Wno-error)
target_compile_options(gtest_main PRIVATE -Wno-error)

file(GLOB_RECURSE ZV_WIN32_TESTS CONFIGURE_DEPENDS tests/win32/*.cpp)
add_executable(win32_tests ${ZV_WIN32_TESTS} ${CMAKE_BINARY_DIR}/zorvane.rc)
target_link_libraries(win32_tests PRIVATE zv_win32 GTest::gtest version)
target_include_directories(win32_tests PRIVATE tests tests/core)
target_link_libraries(win32_tests PRIVATE ws2_32)

# The example promotion pictures, compiled into the tests as byte arrays.
function(zv_bytes_literal file name out)
  file(READ ${file} hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," hex "${hex}")
  set(${out} "${${out}}inline constexpr unsigned char ${name}[] = {${hex}};\n" PARENT_SCOPE)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${file})
endfunction()
set(ZV_TEST_PICTURES "#pragma once\n")
zv_bytes_literal(${CMAKE_SOURCE_DIR}/tools/promo-example/banner1.jpg kBanner1Jpg ZV_TEST_PICTURES)
zv_bytes_literal(${CMAKE_SOURCE_DIR}/tools/promo-example/banner2.gif kBanner2Gif ZV_TEST_PICTURES)
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/generated/example_pictures.h CONTENT "${ZV_TEST_PICTURES}")
target_include_directories(win32_tests PRIVATE ${CMAKE_BINARY_DIR}/generated)

# zorvane-cli.exe draws preview text with GDI.
target_link_libraries(zv_cli_lib PUBLIC zv_win32)
