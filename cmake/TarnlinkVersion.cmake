# SPDX-License-Identifier: GPL-3.0-or-later
# The program's version, from git: the last release tag v* and the commits since it
# ("0.4.0+12.gabc1234"; "0.4.0" on the tag itself). Without a release tag, the project's version
# and the commits of the whole history ("0.4.0+356.gabc1234"), so that every commit still builds
# a newer version than the one before. A tree without its git history (a tarball, a shallow
# clone) builds as the project's version plus "+unknown", and a packager may give the version
# outright with -DTARNLINK_VERSION=... . Sets TARNLINK_VERSION_STRING, and TARNLINK_GIT_DIR when
# the version came from git.
set(TARNLINK_VERSION "" CACHE STRING
    "Version to build instead of the one git describes (empty: ask git)")

function(tarnlink_git out)
    execute_process(COMMAND ${GIT_EXECUTABLE} -C ${PROJECT_SOURCE_DIR} ${ARGN}
                    OUTPUT_VARIABLE text RESULT_VARIABLE failed
                    OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(failed)
        set(text "")
    endif()
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

set(TARNLINK_VERSION_STRING "${PROJECT_VERSION}+unknown")
unset(TARNLINK_GIT_DIR)
if(TARNLINK_VERSION)
    set(TARNLINK_VERSION_STRING "${TARNLINK_VERSION}")
else()
    find_package(Git QUIET)
    if(GIT_FOUND)
        # Only the source tree's own history counts, not that of a clone it was unpacked in.
        tarnlink_git(top rev-parse --show-toplevel)
        file(REAL_PATH "${PROJECT_SOURCE_DIR}" source_dir)
        if(top)
            file(REAL_PATH "${top}" top)
        endif()
        if(top STREQUAL source_dir)
            set(TARNLINK_GIT_DIR "${top}")
            tarnlink_git(described describe --tags --match "v*")
            if(described MATCHES "^v([0-9][0-9A-Za-z.~]*)-([0-9]+)-g([0-9a-f]+)$")
                set(TARNLINK_VERSION_STRING
                    "${CMAKE_MATCH_1}+${CMAKE_MATCH_2}.g${CMAKE_MATCH_3}")
            elseif(described MATCHES "^v([0-9][0-9A-Za-z.~]*)$")
                set(TARNLINK_VERSION_STRING "${CMAKE_MATCH_1}")
            else()
                # A shallow clone's count is not the history's: it could go backwards.
                tarnlink_git(shallow rev-parse --is-shallow-repository)
                tarnlink_git(count rev-list --count HEAD)
                tarnlink_git(hash rev-parse --short HEAD)
                if(shallow STREQUAL "false" AND count MATCHES "^[0-9]+$"
                   AND hash MATCHES "^[0-9a-f]+$")
                    set(TARNLINK_VERSION_STRING "${PROJECT_VERSION}+${count}.g${hash}")
                endif()
            endif()
            # A commit, a checkout or a new tag configures the build again, so that the
            # version follows them.
            tarnlink_git(branch rev-parse --symbolic-full-name HEAD)
            foreach(ref HEAD ${branch} packed-refs refs/tags)
                tarnlink_git(path rev-parse --path-format=absolute --git-path ${ref})
                if(path AND EXISTS "${path}")
                    set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY
                                 CMAKE_CONFIGURE_DEPENDS "${path}")
                endif()
            endforeach()
        endif()
    endif()
endif()
message(STATUS "Tarnlink version ${TARNLINK_VERSION_STRING}")
