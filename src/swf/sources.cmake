# The flash movie reader and player: portable, on the C++ library and zlib alone.
list(APPEND VISTORA_PORTABLE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/BitReader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Geometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Records.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ShapeAssembly.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ShapeReader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TagReader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MovieReader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DisplayList.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Player.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ShowAll.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Render.cpp
)
