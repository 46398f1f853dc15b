# Installation for a Linux desktop and the .deb package: the program, its
# desktop entry (a folder opened with it or dropped on it is passed), the
# icon at several sizes and the AppStream metadata, under one desktop id.
# On Windows: one zip with the program, the README and the licence.
set(CPACK_PACKAGE_NAME kelmarpatrol)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The KelmarPatrol developers")

if(WIN32)
  # The player drops the program into the configuration folder: no folders.
  install(TARGETS KelmarPatrol RUNTIME DESTINATION .)
  install(FILES README.md LICENSE DESTINATION .)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME KelmarPatrol-${PROJECT_VERSION}-win64)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
  set(CPACK_STRIP_FILES ON)
  include(CPack)
  return()
endif()

include(GNUInstallDirs)

set(KP_DESKTOP_ID io.github.kelmarpatrol.KelmarPatrol)

install(TARGETS KelmarPatrol RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES res/${KP_DESKTOP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES res/${KP_DESKTOP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The 32 x 32 picture is the one the window shows; res/make_icon.py draws them all.
foreach(size 16 32 48 64 128 256)
  if(size EQUAL 32)
    set(picture res/kelmar_patrol.png)
  else()
    set(picture res/icons/kelmar_patrol_${size}.png)
  endif()
  install(FILES ${picture}
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${KP_DESKTOP_ID}.png)
endforeach()

# What Debian asks of every package beside the program: its licence in the
# machine-readable form, the changelog and the manual page, the last two
# compressed as dpkg expects them (gzip -n: the same bytes on every build).
set(KP_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
set(KP_CHANGELOG_GZ ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
set(KP_MANUAL_GZ ${CMAKE_CURRENT_BINARY_DIR}/KelmarPatrol.1.gz)
add_custom_command(OUTPUT ${KP_CHANGELOG_GZ}
                   COMMAND gzip -9nc ${CMAKE_CURRENT_SOURCE_DIR}/res/linux/deb/changelog > ${KP_CHANGELOG_GZ}
                   DEPENDS res/linux/deb/changelog VERBATIM)
add_custom_command(OUTPUT ${KP_MANUAL_GZ}
                   COMMAND gzip -9nc ${CMAKE_CURRENT_SOURCE_DIR}/res/linux/deb/KelmarPatrol.1 > ${KP_MANUAL_GZ}
                   DEPENDS res/linux/deb/KelmarPatrol.1 VERBATIM)
add_custom_target(kp_package_docs ALL DEPENDS ${KP_CHANGELOG_GZ} ${KP_MANUAL_GZ})
install(FILES res/linux/deb/copyright ${KP_CHANGELOG_GZ} DESTINATION ${KP_DOC_DIR})
install(FILES ${KP_MANUAL_GZ} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_CONTACT "The KelmarPatrol developers <kelmarpatrol@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for the careers of a submarine simulation")
set(CPACK_PACKAGE_DESCRIPTION
    "KelmarPatrol lists the careers in a submarine-warfare simulation's\n\
configuration folder, shows the selected boat's state, sends the boat to a\n\
base or an ocean tanker, draws a patrol grid or takes one typed in, and\n\
rewrites the career's files through temporary files that replace the\n\
originals only once they are complete.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# A tool for a game's files, not a game: Debian's section for such utilities.
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# dpkg-shlibdeps names the Qt libraries the program links; the platform
# plugins it needs to open a window are loaded at run time, so named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
include(CPack)
