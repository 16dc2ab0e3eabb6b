# The main window and the start-up of the windowed program. Included from
# app/CMakeLists.txt after the program target exists.
add_library(scoutrel_mainwindow STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Application.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ApplicationHost.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LocaleText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScoutrelDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScoutrelDlgButtonStates.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScoutrelDlgCountdown.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScoutrelDlgRows.cpp
)
target_include_directories(scoutrel_mainwindow PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(scoutrel_mainwindow PUBLIC scoutrel_app scoutrel_layoutframe scoutrel_discovery scoutrel_core)
target_link_libraries(scoutrel PRIVATE scoutrel_mainwindow)

# Saves the screen of an X display as PNG (used by ./run --lab without a
# display of the user's).
add_executable(scoutrel-screenshot ${CMAKE_CURRENT_LIST_DIR}/ApplicationScreenshotTool.cpp)
target_link_libraries(scoutrel-screenshot PRIVATE PkgConfig::X11 PkgConfig::CAIRO)
