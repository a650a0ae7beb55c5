# The special programs: the picker's rules (portable) and the picker and players (Win32).
list(APPEND VISTORA_PORTABLE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/PickerRules.cpp
)
list(APPEND VISTORA_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/frmWiz.cpp
)
