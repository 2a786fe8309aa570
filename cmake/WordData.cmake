# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillby developers
# The word data the build embeds, held to the published files: every file the build reads must
# be in the data folder, and every file of tools/word-data.sha256 that is there must match its
# sum. OPTED's index page and the development set of misspellings may be missing (the build
# reads neither; the benchmarks and one test read the set). A file changed later checks the
# folder again at the next build.

function(quillby_check_word_data dir)
    set(sums_file "${PROJECT_SOURCE_DIR}/tools/word-data.sha256")
    file(STRINGS "${sums_file}" lines)
    set(missing "")
    set(differing "")
    set(present "")
    foreach(line IN LISTS lines)
        if(NOT line MATCHES "^([0-9a-f]+)  (.+)$")
            message(FATAL_ERROR "${sums_file}: a line is not 'SUM  PATH': ${line}")
        endif()
        set(expected "${CMAKE_MATCH_1}")
        set(path "${CMAKE_MATCH_2}")
        if(NOT EXISTS "${dir}/${path}")
            if(NOT path MATCHES "^(opted/v003/index\\.html|misspellings/.*)$")
                string(APPEND missing "\n  ${dir}/${path}")
            endif()
            continue()
        endif()
        list(APPEND present "${dir}/${path}")
        file(SHA256 "${dir}/${path}" actual)
        if(NOT actual STREQUAL expected)
            string(APPEND differing
                "\n  ${dir}/${path}\n    SHA-256 ${actual}, published ${expected}")
        endif()
    endforeach()
    set_property(DIRECTORY "${PROJECT_SOURCE_DIR}" APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
        "${sums_file}" ${present})
    if(missing)
        message(FATAL_ERROR
            "Word data not found:${missing}\n"
            "Quillby embeds the Moby word list and the OPTED dictionary at build time. "
            "Point QUILLBY_DATA_DIR at the folder that holds moby/ and opted/ "
            "(cmake -DQUILLBY_DATA_DIR=/path/to/data).")
    endif()
    if(differing)
        message(FATAL_ERROR
            "Word data differs from the published files:${differing}\n"
            "Quillby embeds the word data exactly as published (tools/word-data.sha256). "
            "Fetch these files again, or point QUILLBY_DATA_DIR at an unchanged copy.")
    endif()
endfunction()
