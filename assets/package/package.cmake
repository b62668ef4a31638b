# `make package`: the game as a Debian package, made by CPack. The files that
# are built rather than kept in the repository (data.dat, floor.dat, the icons,
# the screenshots, the compressed manual pages and changelog) are made by the
# target quorrel_package_files, which `make package` builds before CPack runs.

set(QUORREL_VERSION 1.0)
# The desktop id and home page the metainfo names; the screenshots are
# published under the home page.
set(QUORREL_APP_ID "io.github.quorrel.Quorrel" CACHE STRING "Desktop and AppStream id of the game")
set(QUORREL_HOMEPAGE "https://quorrel.github.io" CACHE STRING "Home page named by the package and the metainfo")
set(QUORREL_CONTACT "quorrel@users.noreply.github.com" CACHE STRING "Maintainer address of the package")

set(pkg_src ${CMAKE_SOURCE_DIR}/assets/package)
set(pkg ${CMAKE_BINARY_DIR}/package)
set(QUORREL_PROGRAMS quorrel quorrel-sim quorrel-headless quorrel-assets quorrel-floors)

file(GLOB_RECURSE pkg_scores CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/assets/sounds/* ${CMAKE_SOURCE_DIR}/assets/music/*)
file(GLOB pkg_floors CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/assets/floors/floor-*.txt)

set(pkg_icons "")
foreach(size 16 22 24 32 48 64 128 256)
  list(APPEND pkg_icons ${pkg}/icons/quorrel-${size}.png)
endforeach()
add_custom_command(OUTPUT ${pkg}/data/data.dat ${pkg}/data/config.dat ${pkg_icons}
  COMMAND quorrel-assets --out ${pkg}/data --icons ${pkg}/icons
  DEPENDS quorrel-assets ${pkg_scores}
  COMMENT "Painting data.dat and the icons")
add_custom_command(OUTPUT ${pkg}/data/floor.dat
  COMMAND quorrel-floors compile --sources ${CMAKE_SOURCE_DIR}/assets/floors --out ${pkg}/data/floor.dat
  DEPENDS quorrel-floors ${pkg_floors}
  COMMENT "Compiling floor.dat")

# The screenshots are the headless game's own frames, run in the data folder.
set(pkg_shots ${pkg}/data/screenshots/title.png ${pkg}/data/screenshots/characters.png ${pkg}/data/screenshots/play.png)
add_custom_command(OUTPUT ${pkg_shots}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${pkg}/data/screenshots
  COMMAND ${CMAKE_COMMAND} -E chdir ${pkg}/data $<TARGET_FILE:quorrel-headless>
          --script ${pkg_src}/screenshots.txt --frames 801 --log ${pkg}/data/screenshots/log.txt
  DEPENDS quorrel-headless ${pkg}/data/data.dat ${pkg}/data/floor.dat ${pkg_src}/screenshots.txt
  COMMENT "Taking the screenshots")

configure_file(${pkg_src}/quorrel.desktop.in ${pkg}/${QUORREL_APP_ID}.desktop @ONLY)
configure_file(${pkg_src}/quorrel.metainfo.xml.in ${pkg}/${QUORREL_APP_ID}.metainfo.xml @ONLY)
configure_file(${pkg_src}/changelog ${pkg}/changelog @ONLY)

# Debian wants manual pages and the changelog compressed, without a time stamp.
set(pkg_gz ${pkg}/changelog.gz)
add_custom_command(OUTPUT ${pkg}/changelog.gz
  COMMAND gzip -9nc ${pkg}/changelog > ${pkg}/changelog.gz
  DEPENDS ${pkg}/changelog)
foreach(program ${QUORREL_PROGRAMS})
  add_custom_command(OUTPUT ${pkg}/man/${program}.6.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${pkg}/man
    COMMAND gzip -9nc ${pkg_src}/man/${program}.6 > ${pkg}/man/${program}.6.gz
    DEPENDS ${pkg_src}/man/${program}.6)
  list(APPEND pkg_gz ${pkg}/man/${program}.6.gz)
endforeach()

add_custom_target(quorrel_package_files
  DEPENDS ${pkg}/data/data.dat ${pkg}/data/floor.dat ${pkg_icons} ${pkg_shots} ${pkg_gz})

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
install(TARGETS ${QUORREL_PROGRAMS} RUNTIME DESTINATION ${QUORREL_BIN_DIR})
install(FILES ${pkg}/data/data.dat ${pkg}/data/floor.dat ${pkg}/data/config.dat DESTINATION ${QUORREL_DATA_DIR})
install(FILES ${pkg}/${QUORREL_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${pkg}/${QUORREL_APP_ID}.metainfo.xml DESTINATION share/metainfo)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${pkg}/icons/quorrel-${size}.png DESTINATION share/icons/hicolor/${size}x${size}/apps
          RENAME ${QUORREL_APP_ID}.png)
endforeach()
foreach(program ${QUORREL_PROGRAMS})
  install(FILES ${pkg}/man/${program}.6.gz DESTINATION share/man/man6)
endforeach()
install(FILES ${pkg}/changelog.gz ${pkg_src}/copyright DESTINATION share/doc/quorrel)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorrel)
set(CPACK_PACKAGE_VERSION ${QUORREL_VERSION})
set(CPACK_PACKAGE_DIRECTORY ${pkg})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "climbing puzzle game of lifting and stacking blocks")
# CPack puts the summary above this as the synopsis.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Walk along the tiles, climb ladders, hop up steps, and lift, carry and put
down L-shaped blocks to build your way up to the exit of each of 56 floors,
while a builder drops blocks into the gaps and chasers follow you.
Played with the keyboard or any gamepad.
.
The package also holds the game's tools: a floor simulator, a headless run
of the whole game, the asset builder and the floor toolchain.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Quorrel developers <${QUORREL_CONTACT}>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${QUORREL_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
