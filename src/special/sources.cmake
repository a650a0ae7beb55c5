# The special programs: the flash player's layout and auto-hide (portable), its window (Win32).
list(APPEND VISTORA_PORTABLE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/FlashLayout.cpp)
list(APPEND VISTORA_WIN32_SOURCES ${CMAKE_CURRENT_LIST_DIR}/frmFlash.cpp)
