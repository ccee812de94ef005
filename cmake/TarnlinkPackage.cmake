# SPDX-License-Identifier: GPL-3.0-or-later
# What a shop's PC gets besides the programs: the desktop entry and icons, the manual pages, the
# systemd user units, the licence and the changelog; and the two Debian packages made of them:
# tarnlink (the window, the command line and the units) and tarnlink-scale (the simulator).

set(TARNLINK_CONTACT "Tarnlink developers <tarnlink@example.org>")

install(FILES data/tarnlink.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/tarnlink.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
install(FILES data/tarnlink-48.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps
        RENAME tarnlink.png)
install(FILES data/tarnlink.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# What software centres show of Tarnlink (AppStream): its description and screenshot, and this
# build as its release, dated by its newest commit (or the day of the build without git).
set(TARNLINK_RELEASE_DATE "")
if(TARNLINK_GIT_DIR)
    execute_process(COMMAND ${GIT_EXECUTABLE} -C ${TARNLINK_GIT_DIR} log -1 --format=%cs
                    OUTPUT_VARIABLE TARNLINK_RELEASE_DATE OUTPUT_STRIP_TRAILING_WHITESPACE
                    ERROR_QUIET)
endif()
if(NOT TARNLINK_RELEASE_DATE MATCHES "^[0-9]+-[0-9]+-[0-9]+$")
    string(TIMESTAMP TARNLINK_RELEASE_DATE "%Y-%m-%d" UTC)
endif()
set(TARNLINK_METAINFO ${PROJECT_BINARY_DIR}/org.example.tarnlink.metainfo.xml)
configure_file(data/tarnlink.metainfo.xml.in ${TARNLINK_METAINFO} @ONLY)
install(FILES ${TARNLINK_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Manual pages, compressed as Debian wants them (gzip -9n: no name, no time stamp).
find_program(TARNLINK_GZIP gzip REQUIRED)
set(man_outputs)
foreach(entry src/app/tarnlink.1:tarnlink src/cli/tarnlink-cli.1:tarnlink
              tools/scale-sim/tarnlink-scale.1:scale)
    string(REPLACE ":" ";" entry ${entry})
    list(GET entry 0 source)
    list(GET entry 1 component)
    get_filename_component(name ${source} NAME)
    set(output ${PROJECT_BINARY_DIR}/man/${name}.gz)
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
        COMMAND sh -c "'${TARNLINK_GZIP}' -9nc '${PROJECT_SOURCE_DIR}/${source}' > '${output}'"
        DEPENDS ${PROJECT_SOURCE_DIR}/${source} VERBATIM)
    list(APPEND man_outputs ${output})
    install(FILES ${output} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT ${component})
endforeach()
add_custom_target(manpages ALL DEPENDS ${man_outputs})

# The systemd user units and the script they run, placed for the prefix installed to.
if(UNIX AND NOT APPLE)
    install(CODE "
        set(TARNLINK_SYSTEMD_SOURCE \"${PROJECT_SOURCE_DIR}/data/systemd\")
        set(TARNLINK_BINDIR \"${CMAKE_INSTALL_BINDIR}\")
        set(TARNLINK_LIBEXECDIR \"${CMAKE_INSTALL_LIBEXECDIR}\")
        set(TARNLINK_SYSTEMD_USER_DIR \"${TARNLINK_SYSTEMD_USER_DIR}\")
        include(\"${PROJECT_SOURCE_DIR}/cmake/InstallUnits.cmake\")")
endif()

# The changelog, from the git history (see tools/debian-changelog), or one entry saying that
# the tree had none; compressed as Debian wants it.
set(changelog ${PROJECT_BINARY_DIR}/debian/changelog)
file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/debian)
string(TIMESTAMP built "%a, %d %b %Y %H:%M:%S +0000" UTC)
set(history "")
if(TARNLINK_GIT_DIR)
    execute_process(COMMAND sh ${PROJECT_SOURCE_DIR}/tools/debian-changelog ${PROJECT_SOURCE_DIR}
                            tarnlink ${TARNLINK_VERSION_STRING} ${TARNLINK_CONTACT}
                    OUTPUT_VARIABLE history RESULT_VARIABLE failed ERROR_QUIET)
    if(failed)
        set(history "")
    endif()
endif()
if(NOT history)
    set(history "tarnlink (${TARNLINK_VERSION_STRING}) unstable; urgency=medium\n\n  * Built from a source tree without its git history.\n\n -- ${TARNLINK_CONTACT}  ${built}\n")
endif()
file(WRITE ${changelog} "${history}")
execute_process(COMMAND ${TARNLINK_GZIP} -9nkf ${changelog})

foreach(package tarnlink tarnlink-scale)
    if(package STREQUAL "tarnlink")
        set(component tarnlink)
    else()
        set(component scale)
    endif()
    install(FILES data/debian/copyright ${changelog}.gz
            DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package} COMPONENT ${component})
endforeach()
# A stripped program loses the compilers' comment sections too, as Debian's own packages do.
find_program(TARNLINK_OBJCOPY objcopy)
if(TARNLINK_OBJCOPY)
    foreach(entry tarnlink:tarnlink tarnlink:tarnlink-cli scale:tarnlink-scale)
        string(REPLACE ":" ";" entry ${entry})
        list(GET entry 0 component)
        list(GET entry 1 program)
        install(CODE "
            set(file \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${program}\")
            if(CMAKE_INSTALL_DO_STRIP AND EXISTS \"\${file}\")
                execute_process(COMMAND \"${TARNLINK_OBJCOPY}\" --remove-section=.comment
                                        --remove-section=.note \"\${file}\")
            endif()" COMPONENT ${component})
    endforeach()
endif()

# What lintian reports wrongly of the package, each with its reason.
install(FILES data/debian/tarnlink.lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME tarnlink COMPONENT tarnlink)

# The Debian packages, one a component.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarnlink)
set(CPACK_PACKAGE_VERSION ${TARNLINK_VERSION_STRING})
set(CPACK_PACKAGE_CONTACT "${TARNLINK_CONTACT}")
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL tarnlink scale)
# Installed with DESTDIR, so that the install step sees the package's own prefix (/usr) and
# places the systemd units for it.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SOURCE tarnlink)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# dpkg-shlibdeps turns the programs' shared libraries into the runtime packages (Qt, libgsf,
# libxlsxwriter) each package depends on.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_TARNLINK_PACKAGE_NAME tarnlink)
# Qt loads its SQL drivers as plug-ins at run time, out of sight of dpkg-shlibdeps.
set(CPACK_DEBIAN_TARNLINK_PACKAGE_DEPENDS "libqt6sql6-sqlite, libqt6sql6-psql")
# Tarnlink's own texts are inside its programs; Qt's, for its file and print dialogs, are here.
set(CPACK_DEBIAN_TARNLINK_PACKAGE_RECOMMENDS "qt6-translations-l10n")
# /var/lib/tarnlink, the notes every user of the serial ports shares (group dialout).
set(CPACK_DEBIAN_TARNLINK_PACKAGE_CONTROL_EXTRA
    "${PROJECT_SOURCE_DIR}/data/debian/postinst;${PROJECT_SOURCE_DIR}/data/debian/postrm")
set(CPACK_DEBIAN_TARNLINK_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_TARNLINK_DESCRIPTION
"edit, send and read back the tables of a label-printing retail scale
Tarnlink keeps the two tables of a price-computing, label-printing retail
scale on a PC: up to 200 PLU (price look-up) records and up to 200 eight-line
ingredient messages. Staff edit them in grids, send them to the scale and read
them back over an RS-232 line or a network serial server, keep them in table
files and spreadsheets (.xls, .xlsx, .ods, .csv), and merge a till's price
list into them.

The package holds the window (tarnlink), the same transfers for scripts and
nightly jobs (tarnlink-cli), which can send only the records a scale lacks
and check what it holds, and systemd user units that send a price file to the
shop's scales whenever it lands.")
set(CPACK_DEBIAN_SCALE_PACKAGE_NAME tarnlink-scale)
set(CPACK_DEBIAN_SCALE_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_SCALE_DESCRIPTION
"simulated label-printing scale for trying Tarnlink without one
tarnlink-scale plays a price-computing, label-printing retail scale's side of
the serial line on a pseudo-terminal, or behind a simulated network serial
server, so that Tarnlink's window and command line can be tried, taught and
tested without a scale. It holds 200 PLU records and 200 ingredient messages,
answers every exchange as the scale does, and can pace the line at 9600 baud,
inject faults and log every byte.")
include(CPack)
