# libFuzzer targets over the portable readers, with address and undefined-behaviour checks.
set(FUZZ_FLAGS -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined)
# The fuzzed readers and the small helpers under them; the rest of the portable code is left out.
set(FUZZ_CORE_SOURCES ${VISTORA_PORTABLE_SOURCES} ${BRANNOX_PORTABLE_SOURCES})
list(FILTER FUZZ_CORE_SOURCES INCLUDE REGEX "/src/(base|startup|swf|host|controls|mainwindow|special|notes|probe)/")
add_library(fuzz_core STATIC ${FUZZ_CORE_SOURCES})
vistora_target(fuzz_core)
target_link_libraries(fuzz_core PUBLIC ZLIB::ZLIB)
# Undefined behaviour in the readers stops the run as it does in the targets: a finding, not a
# line in the log.
target_compile_options(fuzz_core PRIVATE -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined)
file(GLOB FUZZ_SOURCES ${CMAKE_SOURCE_DIR}/tests/fuzz/fuzz_*.cpp)
foreach(f ${FUZZ_SOURCES})
  get_filename_component(name ${f} NAME_WE)
  add_executable(${name} ${f})
  vistora_target(${name})
  target_compile_options(${name} PRIVATE ${FUZZ_FLAGS})
  target_link_options(${name} PRIVATE ${FUZZ_FLAGS})
  target_link_libraries(${name} PRIVATE fuzz_core)
  # The unit tests' fakes of the button's ports drive the button target.
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/unit)
endforeach()
