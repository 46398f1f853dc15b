# The Qt window: the main window and the About box on top of the core, and
# the KelmarPatrol executable.

set(KP_WINDOW_SOURCES
  src/ui/qt/dialog_units.cpp
  src/ui/qt/dialog_templates.cpp
  src/ui/qt/dialog_builder.cpp
  src/ui/qt/grown_layout.cpp
  src/ui/qt/text_needs.cpp
  src/ui/qt/field_texts.cpp
  src/ui/qt/career_list_box.cpp
  src/ui/qt/focus_frame.cpp
  src/ui/qt/typing_limit_validator.cpp
  src/ui/qt/program_icon.cpp
  src/ui/qt/message_box.cpp
  src/ui/qt/folder_chooser.cpp
  src/ui/qt/about_box.cpp
  src/ui/qt/patrol_window.cpp
  res/kelmar_patrol.qrc
)

add_library(kelmar_window STATIC ${KP_WINDOW_SOURCES})
set_target_properties(kelmar_window PROPERTIES AUTOMOC ON AUTORCC ON)
target_link_libraries(kelmar_window PUBLIC kelmar_app Qt6::Widgets)
target_compile_options(kelmar_window PRIVATE ${KP_WARNINGS})

add_executable(KelmarPatrol WIN32 src/app/main.cpp)
target_link_libraries(KelmarPatrol PRIVATE kelmar_window)
target_compile_options(KelmarPatrol PRIVATE ${KP_WARNINGS})

# The window's tests drive it with Qt Test.
if(KP_WITH_TESTS)
  find_package(Qt6 REQUIRED COMPONENTS Test)
endif()
