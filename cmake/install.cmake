# SPDX-License-Identifier: GPL-3.0-or-later
# Install layout (the Debian package in debian/ installs the same).
#
#   <prefix>/lib/numerina/numerina            the program, beside it its help
#   <prefix>/lib/numerina/numerina.html       page and the marker that makes
#   <prefix>/lib/numerina/numerina.installed  it keep settings per user, and
#   <prefix>/lib/numerina/numerina-print.so   the print module it loads
#   <prefix>/bin/numerina -> ../lib/numerina/numerina
#   <prefix>/bin/numerina-tape
#   <prefix>/share/applications, metainfo, icons/hicolor, man/man1
#
# The program's folder is that of the real executable (links resolved), so
# the link in bin finds the help page and the print module. No settings file is ever installed.
if(NOT TARGET numerina)
  return()
endif()

set(NUMERINA_APP_ID org.numerina.Numerina)
set(NUMERINA_RES ${PROJECT_SOURCE_DIR}/resources)
set(NUMERINA_ICON_SIZES 16 22 24 32 48 64 128 256)

# The PNG icons, painted at build time.
add_executable(numerina-icons ${PROJECT_SOURCE_DIR}/tools/icons/main.cpp)
target_link_libraries(numerina-icons PRIVATE numerina_skin)
set(NUMERINA_ICON_DIR ${PROJECT_BINARY_DIR}/icons)
set(NUMERINA_ICON_FILES)
foreach(size ${NUMERINA_ICON_SIZES})
  list(APPEND NUMERINA_ICON_FILES ${NUMERINA_ICON_DIR}/${size}x${size}/${NUMERINA_APP_ID}.png)
endforeach()
add_custom_command(OUTPUT ${NUMERINA_ICON_FILES}
  COMMAND numerina-icons ${NUMERINA_ICON_DIR} ${NUMERINA_APP_ID} ${NUMERINA_ICON_SIZES}
  DEPENDS numerina-icons
  COMMENT "Painting the program icon at ${NUMERINA_ICON_SIZES} pixels")
add_custom_target(numerina_icons ALL DEPENDS ${NUMERINA_ICON_FILES})

# The marker and the link, made in the build tree and installed as they are.
file(WRITE ${PROJECT_BINARY_DIR}/numerina.installed
     "This copy of Numerina is installed: each user's settings live in $XDG_CONFIG_HOME/numerina.\n")
file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/bin-link)
file(CREATE_LINK ../lib/numerina/numerina ${PROJECT_BINARY_DIR}/bin-link/numerina SYMBOLIC)

install(TARGETS numerina RUNTIME DESTINATION lib/numerina)
install(TARGETS numerina_print LIBRARY DESTINATION lib/numerina)
install(FILES ${NUMERINA_RES}/numerina.html ${PROJECT_BINARY_DIR}/numerina.installed
        DESTINATION lib/numerina)
install(FILES ${PROJECT_BINARY_DIR}/bin-link/numerina DESTINATION bin)
install(TARGETS numerina-tape RUNTIME DESTINATION bin)
install(FILES ${NUMERINA_RES}/${NUMERINA_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${NUMERINA_RES}/${NUMERINA_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${NUMERINA_RES}/${NUMERINA_APP_ID}.svg DESTINATION share/icons/hicolor/scalable/apps)
# Uncompressed, which man reads everywhere; the Debian build compresses them.
install(FILES ${NUMERINA_RES}/numerina.1 ${NUMERINA_RES}/numerina-tape.1 DESTINATION share/man/man1)
foreach(size ${NUMERINA_ICON_SIZES})
  install(FILES ${NUMERINA_ICON_DIR}/${size}x${size}/${NUMERINA_APP_ID}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()
