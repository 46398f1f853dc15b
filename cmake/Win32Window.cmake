# The native Windows window: the main dialog and the About box from dialog
# templates, on the dialog model, and the one self-contained KelmarPatrol.exe.
# The Qt window takes its place where it is built.
if(NOT WIN32 OR KP_WITH_GUI)
  return()
endif()
enable_language(RC)

# What the window runs on: the dialog model, start-up and the command line.
set(KP_WIN32_MODEL_LIBRARIES kelmar_app)

add_library(kelmar_win32 STATIC
  src/ui/win32/wide_text.cpp
  src/ui/win32/message_box.cpp
  src/ui/win32/dialog_layout.cpp
  src/ui/win32/about_box.cpp
  src/ui/win32/patrol_window.cpp
  src/ui/win32/program_output.cpp
  src/ui/win32/folder_chooser.cpp
)
target_compile_definitions(kelmar_win32 PUBLIC UNICODE _UNICODE)
# ole32 and uuid: the folder chooser, a COM object.
target_link_libraries(kelmar_win32 PUBLIC ${KP_WIN32_MODEL_LIBRARIES} comctl32 ole32 uuid)
target_compile_options(kelmar_win32 PRIVATE ${KP_WARNINGS})

# Templates 102 and 100, icon 128, string 101 and the manifest: every program
# that opens the window carries them. The templates and the string are
# expanded from the layout, src/ui/window_layout.h, by windres' preprocessor.
# The manifest, with the version project() names, is generated beside the
# window texts' version.
configure_file(res/win32/KelmarPatrol.manifest.in ${KP_GENERATED_DIR}/KelmarPatrol.manifest @ONLY)
add_library(kelmar_win32_resources OBJECT res/win32/kelmar_patrol.rc)
target_include_directories(kelmar_win32_resources PRIVATE src res/win32 ${KP_GENERATED_DIR})
set_property(SOURCE res/win32/kelmar_patrol.rc APPEND PROPERTY OBJECT_DEPENDS
  ${CMAKE_CURRENT_SOURCE_DIR}/res/win32/kelmar_patrol.ico
  ${KP_GENERATED_DIR}/KelmarPatrol.manifest
  ${KP_GENERATED_DIR}/ui/program_version.h
  ${CMAKE_CURRENT_SOURCE_DIR}/src/ui/win32/resource_ids.h
  ${CMAKE_CURRENT_SOURCE_DIR}/src/ui/window_layout.h)

configure_file(res/win32/version.rc.in ${CMAKE_CURRENT_BINARY_DIR}/version.rc @ONLY)
add_executable(KelmarPatrol WIN32 src/app/main_win32.cpp ${CMAKE_CURRENT_BINARY_DIR}/version.rc)
target_link_libraries(KelmarPatrol PRIVATE kelmar_win32 kelmar_win32_resources)
target_compile_options(KelmarPatrol PRIVATE ${KP_WARNINGS} -municode)
# wWinMain; optimised builds are stripped, the file a player gets.
target_link_options(KelmarPatrol PRIVATE -municode $<$<NOT:$<CONFIG:Debug>>:-s>)

# Start-up to the window shown, against a minimal dialog program and against
# the window's template shown with nothing behind it: timed by
# scripts/windows-bench.sh under Wine.
if(KP_WITH_BENCH)
  add_executable(startup-window-win32 WIN32 bench/win32/startup_window.cpp)
  target_link_libraries(startup-window-win32 PRIVATE kelmar_win32 kelmar_win32_resources)
  target_compile_options(startup-window-win32 PRIVATE ${KP_WARNINGS})
  add_executable(startup-minimal-win32 WIN32 bench/win32/startup_minimal.cpp
    bench/win32/minimal.rc)
  add_executable(startup-template-win32 WIN32 bench/win32/startup_minimal.cpp)
  target_link_libraries(startup-template-win32 PRIVATE kelmar_win32_resources)
  foreach(bench minimal template)
    target_include_directories(startup-${bench}-win32 PRIVATE src)
    target_compile_definitions(startup-${bench}-win32 PRIVATE UNICODE _UNICODE)
    target_compile_options(startup-${bench}-win32 PRIVATE ${KP_WARNINGS})
  endforeach()
  # The one-button template's id in minimal.rc; the window's own.
  target_compile_definitions(startup-minimal-win32 PRIVATE KP_BENCH_DIALOG=1)
  target_compile_definitions(startup-template-win32 PRIVATE KP_BENCH_DIALOG=IDD_KELMARPATROL)
endif()

include(cmake/Packaging.cmake)
