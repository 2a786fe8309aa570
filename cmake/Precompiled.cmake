# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillby developers
# Headers parsed once. Most of the compile time of a window-side source or a test of the windows
# goes into the Qt and GoogleTest headers that every such source includes. Each kind of source
# gets them from one header, precompiled once in a host target and reused by every target of
# that kind (target_precompile_headers(TARGET REUSE_FROM HOST)): a header precompiled per target
# costs more than it saves. The compiler takes a precompiled header only where the Qt modules
# and the code options are those it was made with, so a kind is a set of targets built alike.
#
# -DCMAKE_DISABLE_PRECOMPILE_HEADERS=ON compiles every source on its own includes, as the
# sanitizer build does, so that a missing include cannot hide behind a shared header.

# quillby_precompile_host(HOST LIBS ... HEADERS ...): HOST, an object library of nothing of its
# own, makes the shared header of HEADERS ("<QWidget>"), with the usage requirements of LIBS.
function(quillby_precompile_host host)
    cmake_parse_arguments(arg "" "" "LIBS;HEADERS" ${ARGN})
    set(source "${PROJECT_BINARY_DIR}/precompiled/${host}.cpp")
    file(CONFIGURE OUTPUT "${source}" CONTENT
        "// The host of the header ${host} precompiles; it holds nothing of its own.\n")
    add_library(${host} OBJECT "${source}")
    set_target_properties(${host} PROPERTIES AUTOMOC OFF)
    target_link_libraries(${host} PRIVATE ${arg_LIBS})
    target_precompile_headers(${host} PRIVATE ${arg_HEADERS})
endfunction()
