# libFuzzer targets over the portable readers, with address and undefined-behaviour checks.
set(FUZZ_FLAGS -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined)
# The fuzzed readers live in the start-up code and the flash movie reader; the rest of the
# portable code is left out.
set(FUZZ_CORE_SOURCES ${VISTORA_PORTABLE_SOURCES})
list(FILTER FUZZ_CORE_SOURCES INCLUDE REGEX "/src/(startup|app|swf)/")
add_library(fuzz_core STATIC ${FUZZ_CORE_SOURCES})
vistora_target(fuzz_core)
target_link_libraries(fuzz_core PUBLIC ZLIB::ZLIB)
target_compile_options(fuzz_core PRIVATE -fsanitize=fuzzer-no-link,address,undefined)
file(GLOB FUZZ_SOURCES ${CMAKE_SOURCE_DIR}/tests/fuzz/fuzz_*.cpp)
foreach(f ${FUZZ_SOURCES})
  get_filename_component(name ${f} NAME_WE)
  add_executable(${name} ${f})
  vistora_target(${name})
  target_compile_options(${name} PRIVATE ${FUZZ_FLAGS})
  target_link_options(${name} PRIVATE ${FUZZ_FLAGS})
  target_link_libraries(${name} PRIVATE fuzz_core)
endforeach()
