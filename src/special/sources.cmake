# The special programs: the picker's rules and the players' layouts (portable); the picker and
# the players (Win32).
list(APPEND VISTORA_PORTABLE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/PickerRules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FlashLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VideoLayout.cpp
)
list(APPEND VISTORA_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/frmWiz.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmFlash.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmVideo.cpp
)
