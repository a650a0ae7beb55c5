list(APPEND VISTORA_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Screen.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BoundWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Input.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MessageLoop.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Form.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Controls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Dialogs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Sound.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TextFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Settings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ArtPaint.cpp
)
# Browser lists: drives, folders, files
list(APPEND VISTORA_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/IconListHost.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DriveList.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FolderList.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FileList.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NameOrder.cpp
)
list(APPEND VISTORA_PORTABLE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/FolderPath.cpp)
# Processes and the shell
list(APPEND VISTORA_WIN32_SOURCES ${CMAKE_CURRENT_LIST_DIR}/Process.cpp)
# Drawing surface and pictures of the owner-drawn controls
list(APPEND VISTORA_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/GdiCanvas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Picture.cpp
)
# Windows handles made from the pixel art
list(APPEND VISTORA_WIN32_SOURCES ${CMAKE_CURRENT_LIST_DIR}/Artwork.cpp)
# The program's owner-drawn button
list(APPEND VISTORA_WIN32_SOURCES ${CMAKE_CURRENT_LIST_DIR}/ZelButtonOXP.cpp)
# The registry: the portable reading of text values and the Win32 keys under it
list(APPEND VISTORA_PORTABLE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/RegistryText.cpp)
list(APPEND VISTORA_WIN32_SOURCES ${CMAKE_CURRENT_LIST_DIR}/Win32Registry.cpp)
# The rich-text control and the font dialog
list(APPEND VISTORA_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/RichText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FontDialog.cpp
)
# Flash movie frames drawn with GDI+
list(APPEND VISTORA_WIN32_SOURCES ${CMAKE_CURRENT_LIST_DIR}/SwfGdiPlus.cpp)
# The flash movie control, and keys that reach a window before its controls
list(APPEND VISTORA_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/FlashPlayer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KeyPreview.cpp
)
# Video playback through DirectShow, and the media-player control over it with its sizes
# (portable)
list(APPEND VISTORA_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/MediaGraph.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MediaPlayer.cpp
)
list(APPEND VISTORA_PORTABLE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/VideoArea.cpp)
