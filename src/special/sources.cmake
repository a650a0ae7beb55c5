# The special programs: the picker's rules and the flash player's layout (portable); the picker
# and the players (Win32).
list(APPEND VISTORA_PORTABLE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/PickerRules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FlashLayout.cpp
)
list(APPEND VISTORA_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/frmWiz.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmFlash.cpp
)
