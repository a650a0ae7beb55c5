list(APPEND VISTORA_PORTABLE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/art/PixelArt.cpp
  ${CMAKE_CURRENT_LIST_DIR}/art/Painter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/art/Palette.cpp
  ${CMAKE_CURRENT_LIST_DIR}/art/IconParts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/art/MainButtonPictures.cpp
  ${CMAKE_CURRENT_LIST_DIR}/art/FlagPictures.cpp
  ${CMAKE_CURRENT_LIST_DIR}/art/ShowBarPictures.cpp
  ${CMAKE_CURRENT_LIST_DIR}/art/OtherWindowPictures.cpp
  ${CMAKE_CURRENT_LIST_DIR}/art/TitleButtonPictures.cpp
  ${CMAKE_CURRENT_LIST_DIR}/art/PenCursor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/art/ListViewIcons.cpp
  ${CMAKE_CURRENT_LIST_DIR}/art/Scenes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/art/AboutPictures.cpp
  ${CMAKE_CURRENT_LIST_DIR}/art/IconFile.cpp
)
