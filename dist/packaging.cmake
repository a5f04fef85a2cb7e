# Installing 3D Zandok and packing it as a Debian package (cpack -G DEB).
#
# Include this file from the top-level CMakeLists.txt, after the targets
# zandok and zandok-replay exist and after project() has set the version:
#
#   project(Zandok VERSION 1.0.0 LANGUAGES CXX)
#   ...
#   include(dist/packaging.cmake)
#
# Every data file is found beside this file, wherever its folder lives.
# Building needs gzip (compressing the man pages and the changelog) and,
# with the game, rsvg-convert (librsvg2-bin: the PNG icons); the package
# also needs, for CPACK_DEBIAN_PACKAGE_SHLIBDEPS, dpkg-dev's dpkg-shlibdeps
# and the file command.

# Games go to <prefix>/games (/usr/games in the package), as Debian's games
# section wants; -DCMAKE_INSTALL_BINDIR=bin still overrides it. The default
# documentation folder is named after the package, not the project.
if(NOT PROJECT_VERSION)
  message(FATAL_ERROR "packaging.cmake needs the version: project(Zandok VERSION 1.0.0 ...)")
endif()

set(CMAKE_INSTALL_BINDIR games CACHE PATH "Programs (games)")
set(CMAKE_INSTALL_DOCDIR share/doc/zandok CACHE PATH "Documentation")
include(GNUInstallDirs)

set(ZANDOK_DIST_DIR ${CMAKE_CURRENT_LIST_DIR})
set(ZANDOK_METAINFO io.github.zandok.zandok.metainfo.xml)

# The programs. The windowed game is missing from headless builds.
if(IS_ABSOLUTE "${CMAKE_INSTALL_BINDIR}")
  set(ZANDOK_BINDIR_AT_INSTALL "${CMAKE_INSTALL_BINDIR}")
else()
  set(ZANDOK_BINDIR_AT_INSTALL "\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}")
endif()
foreach(program zandok zandok-replay)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    # A stripped install (cpack with CPACK_STRIP_FILES, cmake --install
    # --strip) also drops the compiler's .comment and .note sections, as
    # Debian's own packaging tools do.
    if(CMAKE_OBJCOPY)
      install(CODE "
        if(CMAKE_INSTALL_DO_STRIP)
          execute_process(
            COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment --remove-section=.note
                    \"\$ENV{DESTDIR}${ZANDOK_BINDIR_AT_INSTALL}/${program}\"
            COMMAND_ERROR_IS_FATAL ANY)
        endif()")
    endif()
  endif()
endforeach()

# The menu entry, its icon and the software-centre description, for the
# windowed game only.
if(TARGET zandok)
  install(FILES ${ZANDOK_DIST_DIR}/zandok.desktop
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
  install(FILES ${ZANDOK_DIST_DIR}/zandok.svg
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)
  install(FILES ${ZANDOK_DIST_DIR}/${ZANDOK_METAINFO}
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
endif()

# The icon is drawn as an SVG; menus and docks that want bitmaps find PNGs
# rendered from it at build time, beside it in the hicolor theme.
set(ZANDOK_DIST_OUT ${CMAKE_CURRENT_BINARY_DIR}/dist)
set(ZANDOK_ICON_SIZES 48 64 128 256)
set(ZANDOK_BUILT_FILES)
if(TARGET zandok)
  find_program(ZANDOK_RSVG_CONVERT rsvg-convert REQUIRED)
  foreach(size ${ZANDOK_ICON_SIZES})
    set(folder ${size}x${size})
    set(png ${ZANDOK_DIST_OUT}/icons/${folder}/zandok.png)
    add_custom_command(
      OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${ZANDOK_DIST_OUT}/icons/${folder}
      COMMAND ${ZANDOK_RSVG_CONVERT} --width ${size} --height ${size} --format png
              --output ${png} ${ZANDOK_DIST_DIR}/zandok.svg
      DEPENDS ${ZANDOK_DIST_DIR}/zandok.svg
      COMMENT "Rendering the ${folder} icon"
      VERBATIM)
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${folder}/apps)
    list(APPEND ZANDOK_BUILT_FILES ${png})
  endforeach()
endif()

# Man pages and the changelog are installed compressed with gzip -9n (no
# name, no time stamp, so the package builds the same every time).
find_program(ZANDOK_GZIP gzip REQUIRED)
foreach(source zandok.6 zandok-replay.6 changelog)
  set(copy ${ZANDOK_DIST_OUT}/${source})
  add_custom_command(
    OUTPUT ${copy}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ZANDOK_DIST_OUT}
    COMMAND ${CMAKE_COMMAND} -E copy ${ZANDOK_DIST_DIR}/${source} ${copy}
    COMMAND ${ZANDOK_GZIP} -9nf ${copy}
    DEPENDS ${ZANDOK_DIST_DIR}/${source}
    COMMENT "Compressing ${source}"
    VERBATIM)
  list(APPEND ZANDOK_BUILT_FILES ${copy}.gz)
endforeach()
add_custom_target(zandok_dist_files ALL DEPENDS ${ZANDOK_BUILT_FILES})

if(TARGET zandok)
  install(FILES ${ZANDOK_DIST_OUT}/zandok.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
endif()
install(FILES ${ZANDOK_DIST_OUT}/zandok-replay.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
# The version has no Debian revision, so this is a native package: its
# Debian changelog is changelog.gz.
install(FILES ${ZANDOK_DIST_DIR}/copyright ${ZANDOK_DIST_OUT}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The Debian package. Its maintainer is the one who signed the changelog's
# last entry: the project itself, with an address of its own.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ZANDOK_DIST_DIR}/changelog)
file(STRINGS ${ZANDOK_DIST_DIR}/changelog ZANDOK_SIGNATURE REGEX "^ -- " LIMIT_COUNT 1)
string(REGEX REPLACE "^ -- ([^<>]+ <[^<>]+>)  .*$" "\\1" ZANDOK_PACKAGE_MAINTAINER "${ZANDOK_SIGNATURE}")
set(ZANDOK_PACKAGE_HOMEPAGE "" CACHE STRING "Homepage field of the Debian package (optional)")

set(CPACK_PACKAGE_NAME zandok)
set(CPACK_PACKAGE_VENDOR "The 3D Zandok developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "three-dimensional falling-block puzzle game")
set(CPACK_PACKAGE_DESCRIPTION
    "Blocks made of unit cubes, of seven kinds with up to twelve orientations
each, fall one at a time into a well 4 cells wide, 20 cells high and 6 cells
deep. Move and turn the falling block, fill whole horizontal layers to clear
them and score, and climb the levels: every ten cleared layers speed the game
up and bring more awkward blocks.

Every game is recorded and can be played back, also without a window by
zandok-replay. Two suggestion engines can propose a place for the block, and
the view can be turned, zoomed, lit and restyled from the keyboard, the mouse
and a control panel.")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_NAME zandok)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ZANDOK_PACKAGE_MAINTAINER}")
if(ZANDOK_PACKAGE_HOMEPAGE)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${ZANDOK_PACKAGE_HOMEPAGE}")
endif()
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)

include(CPack)
