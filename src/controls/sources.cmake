list(APPEND VISTORA_PORTABLE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ButtonColor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ButtonLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ButtonModel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ButtonPainter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ButtonPalette.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProgramButtonDesign.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PropertyStore.cpp
)
