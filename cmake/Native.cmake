# Native build: portable code and its unit tests; the Windows programs, their tests and the
# fuzz targets are built as sub-builds, and every tier is registered with ctest here.
include(CTest)
include(ExternalProject)
find_package(GTest REQUIRED)

file(GLOB UNIT_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp)
add_executable(unit_tests ${UNIT_TEST_SOURCES})
vistora_target(unit_tests)
target_include_directories(unit_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/unit ${CMAKE_SOURCE_DIR}/tests/common)
target_link_libraries(unit_tests PRIVATE vistora_core brannox_core GTest::gtest GTest::gtest_main)
gtest_discover_tests(unit_tests PROPERTIES LABELS unit DISCOVERY_TIMEOUT 60)

# The includes of the source tree run down its layers.
add_test(NAME layers COMMAND ${CMAKE_SOURCE_DIR}/tools/check-layers.sh)
set_tests_properties(layers PROPERTIES LABELS unit)

# The test movies' writer, checked against an independent SWF parser (python3-yaswfp).
# The distribution's Python, which has the parser; not one that a version manager puts first.
find_program(SYSTEM_PYTHON3 python3 PATHS /usr/bin NO_DEFAULT_PATH REQUIRED)
add_executable(write_test_movies ${CMAKE_SOURCE_DIR}/tests/swfcheck/write_test_movies.cpp)
vistora_target(write_test_movies)
target_include_directories(write_test_movies PRIVATE ${CMAKE_SOURCE_DIR}/tests/common)
target_link_libraries(write_test_movies PRIVATE ZLIB::ZLIB)
add_test(NAME swf_writer_check
  COMMAND ${SYSTEM_PYTHON3} ${CMAKE_SOURCE_DIR}/tests/swfcheck/check_with_yaswfp.py
          $<TARGET_FILE:write_test_movies> ${CMAKE_BINARY_DIR}/swfcheck)
set_tests_properties(swf_writer_check PROPERTIES LABELS unit)

# The test display has no window manager; this answers the part of one that Wine waits for.
find_package(X11 REQUIRED)
foreach(name wm-state wm-state-check)
  string(REPLACE "-" "_" target ${name})
  add_executable(${target} ${CMAKE_SOURCE_DIR}/tools/wmstate/${name}.c)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  target_link_libraries(${target} PRIVATE X11::X11)
endforeach()
add_test(NAME wm_state COMMAND ${CMAKE_SOURCE_DIR}/tools/wmstate/check.sh $<TARGET_FILE:wm_state_check>)
set_tests_properties(wm_state PROPERTIES LABELS unit TIMEOUT 60 ENVIRONMENT "VISTORA_BUILD=${CMAKE_BINARY_DIR}")

set(CROSS_DIR ${CMAKE_BINARY_DIR}/cross)
# The program folder users get holds small executables without debug information.
add_test(NAME program_sizes COMMAND ${CMAKE_SOURCE_DIR}/tools/check-sizes.sh ${CROSS_DIR}/program)
set_tests_properties(program_sizes PROPERTIES LABELS unit)
ExternalProject_Add(cross
  SOURCE_DIR ${CMAKE_SOURCE_DIR}
  BINARY_DIR ${CROSS_DIR}
  CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-w64-x86_64.cmake
             -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
  BUILD_ALWAYS 1
  INSTALL_COMMAND "")

find_program(CLANGXX clang++)
if(CLANGXX)
  ExternalProject_Add(fuzz
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${CMAKE_BINARY_DIR}/fuzz
    CMAKE_ARGS -DCMAKE_CXX_COMPILER=${CLANGXX} -DCMAKE_C_COMPILER=clang -DVISTORA_FUZZ=ON
               -DCMAKE_BUILD_TYPE=RelWithDebInfo
    BUILD_ALWAYS 1
    INSTALL_COMMAND "")
  file(GLOB FUZZ_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/fuzz_*.cpp)
  # Each target runs from its own seeds, tests/fuzz/seeds/<target>/, for the seconds given here
  # (a few, so that `make test` stays short; `make fuzz` runs them for longer).
  set(FUZZ_SECONDS_fuzz_langfile 20)
  set(FUZZ_SECONDS_fuzz_swf 10)
  foreach(f ${FUZZ_SOURCES})
    get_filename_component(name ${f} NAME_WE)
    set(seconds 5)
    if(DEFINED FUZZ_SECONDS_${name})
      set(seconds ${FUZZ_SECONDS_${name}})
    endif()
    add_test(NAME ${name} COMMAND ${CMAKE_SOURCE_DIR}/tools/fuzz.sh one ${CMAKE_BINARY_DIR}/fuzz/${name} ${seconds})
    set_tests_properties(${name} PROPERTIES LABELS fuzz TIMEOUT 120)
  endforeach()
endif()

# Test data that other programs write, made during the build: notes in pandoc's RTF.
find_program(PANDOC pandoc REQUIRED)
set(TESTDATA ${CMAKE_BINARY_DIR}/testdata)
add_custom_command(OUTPUT ${TESTDATA}/notes-sample.rtf
  COMMAND ${CMAKE_COMMAND} -E make_directory ${TESTDATA}
  COMMAND ${PANDOC} -s -t rtf -o ${TESTDATA}/notes-sample.rtf ${CMAKE_SOURCE_DIR}/tests/data/notes-sample.md
  DEPENDS ${CMAKE_SOURCE_DIR}/tests/data/notes-sample.md)
add_custom_target(testdata ALL DEPENDS ${TESTDATA}/notes-sample.rtf)

# Windows tiers: one ctest entry per GoogleTest suite, run under Wine one at a time
# (they share the display, the pointer and the Wine prefix).
set(WINE_EXEC ${CMAKE_SOURCE_DIR}/tools/wine-exec.sh)
function(add_wine_suites tier exe)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${tier}/*.cpp)
  set(suites)
  foreach(src ${sources})
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${src})
    file(STRINGS ${src} lines REGEX "^(TEST|TEST_F)\\(")
    foreach(line ${lines})
      string(REGEX REPLACE "^TEST(_F)?\\(([A-Za-z0-9_]+),.*" "\\2" suite "${line}")
      list(APPEND suites ${suite})
    endforeach()
  endforeach()
  list(REMOVE_DUPLICATES suites)
  # Suites named ...Child are the second halves of tests that start this program again.
  list(FILTER suites EXCLUDE REGEX "Child$")
  foreach(suite ${suites})
    add_test(NAME ${tier}.${suite}
      COMMAND ${WINE_EXEC} ${CROSS_DIR}/${exe} --gtest_filter=${suite}.*)
    set_tests_properties(${tier}.${suite} PROPERTIES
      LABELS ${tier} TIMEOUT 300 RESOURCE_LOCK wine
      ENVIRONMENT "VISTORA_BUILD=${CMAKE_BINARY_DIR}")
    # Suites named Media... or Video... play the clips in <build>/clips.
    if(suite MATCHES "^(Media|Video)")
      set_tests_properties(${tier}.${suite} PROPERTIES FIXTURES_REQUIRED video_clips)
    endif()
    # Suites named Soak... run a hundred rounds in one program, longer than the others; `make soak`
    # runs them alone.
    if(suite MATCHES "^Soak")
      set_tests_properties(${tier}.${suite} PROPERTIES TIMEOUT 600 LABELS "${tier};soak"
        ENVIRONMENT "VISTORA_BUILD=${CMAKE_BINARY_DIR};VISTORA_EXEC_TIMEOUT=580")
    endif()
    # Suites named Installer... install the packages that tools/dist.sh makes into <build>/dist.
    if(suite MATCHES "^Installer")
      set_tests_properties(${tier}.${suite} PROPERTIES FIXTURES_REQUIRED installer)
    endif()
  endforeach()
endfunction()
# The clips are made with ffmpeg at test time, never downloaded or kept in the repository.
add_test(NAME video_clips COMMAND ${CMAKE_SOURCE_DIR}/tools/make-clips.sh ${CMAKE_BINARY_DIR}/clips)
set_tests_properties(video_clips PROPERTIES FIXTURES_SETUP video_clips LABELS "win32;e2e")
# The packages are made from the built program folder at test time, as `make dist` makes them.
add_test(NAME installer_package COMMAND ${CMAKE_SOURCE_DIR}/tools/dist.sh ${CMAKE_BINARY_DIR}/dist)
set_tests_properties(installer_package PROPERTIES FIXTURES_SETUP installer LABELS e2e
  ENVIRONMENT "VISTORA_BUILD=${CMAKE_BINARY_DIR}")
add_wine_suites(win32 win32_tests.exe)
# A test program that ends halfway must not pass for one that ran all its tests.
add_test(NAME win32.UnfinishedRun
  COMMAND ${CMAKE_SOURCE_DIR}/tools/check-unfinished-run.sh ${WINE_EXEC} ${CROSS_DIR}/win32_tests.exe)
set_tests_properties(win32.UnfinishedRun PROPERTIES LABELS win32 TIMEOUT 120 RESOURCE_LOCK wine)
add_wine_suites(e2e e2e_tests.exe)
