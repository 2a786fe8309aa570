# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillby developers
# Every include names the room it comes from, from the source root ("data/TextLines.h"). A room's
# headers are found through a folder of the build tree that holds nothing but a link to that
# room, so a target sees its own room and the rooms it links, and no others: an include of a
# room a target does not link fails to compile. tools/check_rooms.py holds the rooms to the
# table in ARCHITECTURE.md, and a room's own headers (its _p.h files) to the room and the tests:
# a target that links a room reads its face, the other headers.

# quillby_room(TARGET): TARGET belongs to the room of the folder it is defined in.
function(quillby_room target)
    file(RELATIVE_PATH room "${PROJECT_SOURCE_DIR}" "${CMAKE_CURRENT_SOURCE_DIR}")
    string(REPLACE "/" "_" key "${room}")
    set(root "${PROJECT_BINARY_DIR}/rooms/${key}")
    set(link "${root}/${room}")
    if(IS_SYMLINK "${link}")
        file(READ_SYMLINK "${link}" linked)
        if(NOT linked STREQUAL CMAKE_CURRENT_SOURCE_DIR)
            file(REMOVE "${link}")
        endif()
    endif()
    if(NOT IS_SYMLINK "${link}")
        get_filename_component(parent "${link}" DIRECTORY)
        file(MAKE_DIRECTORY "${parent}")
        file(CREATE_LINK "${CMAKE_CURRENT_SOURCE_DIR}" "${link}" SYMBOLIC)
    endif()
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE")
        target_include_directories(${target} PRIVATE "${root}")
    else()
        target_include_directories(${target} PUBLIC "${root}")
    endif()
endfunction()
