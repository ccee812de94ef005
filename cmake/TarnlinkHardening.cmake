# SPDX-License-Identifier: GPL-3.0-or-later
# A release build is hardened as Debian builds its own packages (dpkg-buildflags with
# hardening=+all): fortified library calls, a stack protector, format checks, relocations made
# read-only and bound at start-up (bindnow); programs are position independent by the
# compiler's default. The optimisation and debug flags stay the build type's. Where
# dpkg-buildflags is missing, the same flags are given by name. A debug, sanitizer or
# ThreadSanitizer build goes without.
option(TARNLINK_HARDEN "Build a release with Debian's hardening flags" ON)

if(TARNLINK_HARDEN AND NOT TARNLINK_SANITIZE AND NOT TARNLINK_TSAN
   AND CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
    set(compile_flags -D_FORTIFY_SOURCE=2 -fstack-protector-strong -Wformat
                      -Werror=format-security)
    set(link_flags -Wl,-z,relro -Wl,-z,now)
    find_program(TARNLINK_DPKG_BUILDFLAGS dpkg-buildflags)
    if(TARNLINK_DPKG_BUILDFLAGS)
        set(compile_flags "")
        set(link_flags "")
        foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
            execute_process(
                COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                        ${TARNLINK_DPKG_BUILDFLAGS} --get ${kind}
                WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
            separate_arguments(flags UNIX_COMMAND "${flags}")
            # The build type chooses optimisation and debug information.
            list(FILTER flags EXCLUDE REGEX "^-(g[0-9]*|O[0-9sgz]?)$")
            if(kind STREQUAL "LDFLAGS")
                list(APPEND link_flags ${flags})
            else()
                list(APPEND compile_flags ${flags})
            endif()
        endforeach()
    endif()
    add_compile_options(${compile_flags})
    add_link_options(${link_flags})
    string(JOIN " " shown ${compile_flags} ${link_flags})
    message(STATUS "Hardened with ${shown}")
endif()
