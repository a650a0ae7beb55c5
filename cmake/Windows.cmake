# Windows build with MinGW-w64's GCC: the two programs, the stand-in presentation
# program, the Win32 test tiers and the ready program folder.
enable_language(RC)
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
# The sound and font-dialog libraries are loaded when first used (host/SystemLibrary.h).
set(WIN_LIBS comctl32 shell32 shlwapi ole32 oleaut32 uuid strmiids gdiplus gdi32 user32 advapi32 version)
add_link_options(-static -municode)

add_library(vistora_win STATIC ${VISTORA_WIN32_SOURCES})
vistora_target(vistora_win)
target_link_libraries(vistora_win PUBLIC vistora_core ${WIN_LIBS})

add_executable(Vistora WIN32 ${VISTORA_MAIN_SOURCES})
vistora_target(Vistora)
# The manifest carries the release number; the resource compiler finds it among the includes.
set(GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${VISTORA_SRC}/resources/Vistora.manifest.in ${GENERATED_DIR}/Vistora.manifest @ONLY)
target_include_directories(Vistora PRIVATE ${GENERATED_DIR})
set_source_files_properties(${VISTORA_SRC}/resources/Vistora.rc PROPERTIES
  OBJECT_DEPENDS "${GENERATED_DIR}/Vistora.manifest;${VISTORA_SRC}/resources/VersionInfo.rc")
target_link_libraries(Vistora PRIVATE vistora_win)

if(BRANNOX_WIN32_SOURCES)
  add_executable(brannox WIN32 ${BRANNOX_WIN32_SOURCES})
  vistora_target(brannox)
  target_link_libraries(brannox PRIVATE brannox_core wsock32 user32)
endif()

if(STANDIN_SOURCES)
  add_executable(StandInShow WIN32 ${STANDIN_SOURCES})
  vistora_target(StandInShow)
  target_link_libraries(StandInShow PRIVATE user32 gdi32 shell32)
endif()

# GoogleTest built from its sources with the same compiler (Debian's googletest package by default).
set(VISTORA_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's source folder")
if(NOT EXISTS ${VISTORA_GTEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "GoogleTest's sources are not in ${VISTORA_GTEST_SOURCE}; set VISTORA_GTEST_SOURCE")
endif()
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${VISTORA_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB WIN32_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win32/*.cpp)
if(WIN32_TEST_SOURCES)
  add_executable(win32_tests ${WIN32_TEST_SOURCES} ${CMAKE_SOURCE_DIR}/tests/common/unicode_main.cpp)
  vistora_target(win32_tests)
  target_include_directories(win32_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/win32 ${CMAKE_SOURCE_DIR}/tests/common)
  target_link_libraries(win32_tests PRIVATE vistora_win gtest gtest_main ntdll)
endif()

file(GLOB E2E_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.cpp)
if(E2E_TEST_SOURCES)
  add_executable(e2e_tests ${E2E_TEST_SOURCES} ${CMAKE_SOURCE_DIR}/tests/common/unicode_main.cpp)
  vistora_target(e2e_tests)
  target_include_directories(e2e_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/e2e ${CMAKE_SOURCE_DIR}/tests/common)
  target_link_libraries(e2e_tests PRIVATE gtest gtest_main ${WIN_LIBS} ntdll)
endif()

# Small programs the e2e tests start in place of outside programs (editor, shell handlers).
file(GLOB PEER_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/peers/*.cpp)
foreach(p ${PEER_SOURCES})
  get_filename_component(name ${p} NAME_WE)
  add_executable(${name} WIN32 ${p})
  vistora_target(${name})
  target_link_libraries(${name} PRIVATE ${WIN_LIBS})
endforeach()

# The ready program folder: everything a user's installation holds, side by side. Its
# executables are optimised and stripped; their debug information stays in symbols/, for us,
# and each stripped executable names its file there for debuggers (.gnu_debuglink).
set(PROGRAM_DIR ${CMAKE_BINARY_DIR}/program)
set(SYMBOLS_DIR ${CMAKE_BINARY_DIR}/symbols)
set(PROGRAM_EXES)
foreach(exe Vistora brannox)
  if(TARGET ${exe})
    set(debug ${SYMBOLS_DIR}/${exe}.exe.debug)
    add_custom_command(OUTPUT ${PROGRAM_DIR}/${exe}.exe ${debug}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${PROGRAM_DIR} ${SYMBOLS_DIR}
      COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:${exe}> ${debug}
      COMMAND ${CMAKE_OBJCOPY} --strip-all --add-gnu-debuglink=${debug} $<TARGET_FILE:${exe}> ${PROGRAM_DIR}/${exe}.exe
      DEPENDS ${exe}
      COMMENT "Laying out ${exe}.exe without its debug information")
    list(APPEND PROGRAM_EXES ${PROGRAM_DIR}/${exe}.exe)
  endif()
endforeach()
file(GLOB PROGRAM_DATA CONFIGURE_DEPENDS ${VISTORA_SRC}/resources/program/*)
add_custom_target(program ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROGRAM_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${PROGRAM_DATA} ${PROGRAM_DIR}
  DEPENDS ${PROGRAM_EXES}
  COMMENT "Laying out the program folder")

# Benchmark programs: built with everything else, run by tools/bench.sh.
include(${CMAKE_SOURCE_DIR}/bench/sources.cmake)

# The scripted walk through every window that `make tour` photographs; not a test tier.
add_executable(tour_walk ${CMAKE_SOURCE_DIR}/tests/tour/tour_walk.cpp ${CMAKE_SOURCE_DIR}/tests/e2e/VistoraApp.cpp
                         ${CMAKE_SOURCE_DIR}/tests/e2e/ShowRoadKit.cpp ${CMAKE_SOURCE_DIR}/tests/common/unicode_main.cpp)
vistora_target(tour_walk)
target_include_directories(tour_walk PRIVATE ${CMAKE_SOURCE_DIR}/tests/e2e ${CMAKE_SOURCE_DIR}/tests/common)
target_link_libraries(tour_walk PRIVATE gtest gtest_main ${WIN_LIBS})
# The video player's picture is taken once the player is part of the program.
if(EXISTS ${VISTORA_SRC}/special/frmVideo.cpp)
  target_compile_definitions(tour_walk PRIVATE TOUR_VIDEO_PLAYER)
endif()
