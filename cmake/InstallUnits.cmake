# SPDX-License-Identifier: GPL-3.0-or-later
# Run at install time (cmake --install, cpack): puts the systemd user units where the user's
# systemd looks for the prefix installed to, with the installed programs' paths in them.
# /usr and /usr/local: PREFIX/lib/systemd/user; any other prefix, such as ~/.local:
# PREFIX/share/systemd/user, which is ~/.local/share/systemd/user for that one.
# TARNLINK_SYSTEMD_USER_DIR, when set, is used instead.
set(prefix "${CMAKE_INSTALL_PREFIX}")
if(TARNLINK_SYSTEMD_USER_DIR)
    set(unit_dir "${TARNLINK_SYSTEMD_USER_DIR}")
elseif(prefix STREQUAL "/usr" OR prefix STREQUAL "/usr/local")
    set(unit_dir "${prefix}/lib/systemd/user")
else()
    set(unit_dir "${prefix}/share/systemd/user")
endif()
set(TARNLINK_CLI "${prefix}/${TARNLINK_BINDIR}/tarnlink-cli")
set(TARNLINK_PRICES "${prefix}/${TARNLINK_LIBEXECDIR}/tarnlink/tarnlink-prices")

set(executable OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ
               WORLD_EXECUTE)
set(readable OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
set(units tarnlink-prices@.service tarnlink-prices@.path tarnlink-compare@.service
          tarnlink-compare@.timer)
set(installed "${TARNLINK_PRICES}")
foreach(unit ${units})
    list(APPEND installed "${unit_dir}/${unit}")
endforeach()
foreach(file ${installed})
    message(STATUS "Installing: $ENV{DESTDIR}${file}")
endforeach()
configure_file("${TARNLINK_SYSTEMD_SOURCE}/tarnlink-prices.in"
               "$ENV{DESTDIR}${TARNLINK_PRICES}" @ONLY FILE_PERMISSIONS ${executable})
foreach(unit ${units})
    if(EXISTS "${TARNLINK_SYSTEMD_SOURCE}/${unit}.in")
        configure_file("${TARNLINK_SYSTEMD_SOURCE}/${unit}.in" "$ENV{DESTDIR}${unit_dir}/${unit}"
                       @ONLY FILE_PERMISSIONS ${readable})
    else()
        configure_file("${TARNLINK_SYSTEMD_SOURCE}/${unit}" "$ENV{DESTDIR}${unit_dir}/${unit}"
                       COPYONLY FILE_PERMISSIONS ${readable})
    endif()
endforeach()
list(APPEND CMAKE_INSTALL_MANIFEST_FILES ${installed})
