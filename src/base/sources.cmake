# Small text and rounding helpers at the bottom of every layer.
list(APPEND VISTORA_PORTABLE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/Text.cpp)
