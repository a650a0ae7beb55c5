# The special programs: the video player's layout arithmetic
list(APPEND VISTORA_PORTABLE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/VideoLayout.cpp)
