list(APPEND VISTORA_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Screen.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MessageLoop.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Form.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Controls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Dialogs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TextFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Settings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ArtPaint.cpp
)
list(APPEND VISTORA_WIN32_SOURCES ${CMAKE_CURRENT_LIST_DIR}/Win32Registry.cpp)
# Browser lists: drives, folders, files
list(APPEND VISTORA_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/IconListHost.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DriveList.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FolderList.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FileList.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NameOrder.cpp
)
# Processes and the shell
list(APPEND VISTORA_WIN32_SOURCES ${CMAKE_CURRENT_LIST_DIR}/Process.cpp)
# Drawing surface and pictures of the owner-drawn controls
list(APPEND VISTORA_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/GdiCanvas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Picture.cpp
)
# Windows handles made from the pixel art
list(APPEND VISTORA_WIN32_SOURCES ${CMAKE_CURRENT_LIST_DIR}/Artwork.cpp)
# Flash movie frames drawn with GDI+
list(APPEND VISTORA_WIN32_SOURCES ${CMAKE_CURRENT_LIST_DIR}/SwfGdiPlus.cpp)
