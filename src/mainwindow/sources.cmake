# Presentation browser: row cells (portable) and the list view refill (Win32).
list(APPEND VISTORA_PORTABLE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/PresentationRow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OptionsFile.cpp
)
list(APPEND VISTORA_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/PresentationList.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmMain.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmMainBrowser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmMainCommands.cpp
)
list(APPEND VISTORA_MAIN_SOURCES ${CMAKE_CURRENT_LIST_DIR}/WinMain.cpp ${VISTORA_SRC}/resources/Vistora.rc)
