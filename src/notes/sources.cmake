# The notes editor: file naming and layout (portable), the window (Win32).
list(APPEND VISTORA_PORTABLE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/NotesFiles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EditLayout.cpp
)
list(APPEND VISTORA_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/frmEdit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NotesEditor.cpp
)
