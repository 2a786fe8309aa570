#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillby developers
"""Holds the sources to the room table in ARCHITECTURE.md.

Each row of the table names a room (its folder, in the first column) and, in the "May use"
column, the rooms it may include, in backticks; "every room above" allows every earlier row.
The check fails when
  - a row names a room that is not in the table, or one in its own or a later row: rooms use
    only rooms above them, so no include runs back up and none closes a circle;
  - a source includes a room its row does not name, or a header by a path that names no room
    (every include names its room from the source root: "data/TextLines.h");
  - a source outside a room and outside tests/ and bench/ includes one of the room's own headers,
    those whose names end in _p.h: a room's face is its other headers;
  - a folder holds C++ sources but belongs to no room.

Usage: tools/check_rooms.py [SOURCE_DIR]   (default: the checkout this script is in)
"""

import pathlib
import re
import sys

SOURCE_SUFFIXES = {".h", ".cpp"}
INCLUDE = re.compile(r'^[ \t]*#[ \t]*include[ \t]+"([^"]+)"', re.MULTILINE)
NAME = re.compile(r"`([^`]+)`")
EVERY_ROOM_ABOVE = "every room above"
PRIVATE_SUFFIX = "_p.h"
# The folders whose sources may read any room's own headers: they look inside to measure it.
LOOKING_INSIDE = {"tests", "bench"}


class Table:
    def __init__(self, rows):
        # rows: (folder, may-use cell), in the table's order.
        self.folders = [folder for folder, _ in rows]
        self.cells = dict(rows)

    def room_named(self, name):
        """The folder a name in a "May use" cell stands for: the folder or its last part."""
        name = name.rstrip("/")
        matches = [f for f in self.folders if f == name or f.rsplit("/", 1)[-1] == name]
        return matches[0] if len(matches) == 1 else None

    def room_of(self, path):
        """The room a path from the source root lies in: the longest folder it starts with."""
        rooms = [f for f in self.folders if path == f or path.startswith(f + "/")]
        return max(rooms, key=len) if rooms else None


def read_table(architecture):
    """The rows of the table whose header has a "Folder" and a "May use" column."""
    lines = architecture.read_text(encoding="utf-8").splitlines()
    for start, line in enumerate(lines):
        cells = [c.strip() for c in line.strip().strip("|").split("|")]
        if line.startswith("|") and "Folder" in cells and "May use" in cells:
            folder_column, use_column = cells.index("Folder"), cells.index("May use")
            break
    else:
        raise SystemExit(f"check_rooms: {architecture} has no table with Folder and May use")
    rows = []
    for line in lines[start + 2:]:
        if not line.startswith("|"):
            break
        cells = [c.strip() for c in line.strip().strip("|").split("|")]
        folder = NAME.search(cells[folder_column])
        if folder:
            rows.append((folder.group(1).rstrip("/"), cells[use_column]))
    return Table(rows)


def allowed_rooms(table, problems):
    """What each room may include, after checking that every row names only rooms above it."""
    allowed = {}
    for index, folder in enumerate(table.folders):
        cell = table.cells[folder]
        above = table.folders[:index]
        rooms = set(above) if EVERY_ROOM_ABOVE in cell else set()
        for name in NAME.findall(cell):
            room = table.room_named(name)
            if room is None:
                problems.append(f"ARCHITECTURE.md: the row of {folder}/ names `{name}`, "
                                "which is no room of the table")
            elif room not in above:
                problems.append(f"ARCHITECTURE.md: the row of {folder}/ names `{name}`, which "
                                "does not stand above it: an include would run back up")
            else:
                rooms.add(room)
        allowed[folder] = rooms | {folder}
    return allowed


def sources(root):
    """Every C++ source under the root, outside hidden and build folders."""
    for path in sorted(root.rglob("*")):
        relative = path.relative_to(root)
        if path.suffix in SOURCE_SUFFIXES and path.is_file() and not any(
                part.startswith(".") or part.startswith("build") for part in relative.parts):
            yield relative


def check(root):
    table = read_table(root / "ARCHITECTURE.md")
    problems = []
    allowed = allowed_rooms(table, problems)
    homeless = set()
    includes = 0
    for relative in sources(root):
        room = table.room_of(relative.as_posix())
        if room is None:
            homeless.add(relative.parent.as_posix())
            continue
        text = (root / relative).read_text(encoding="utf-8", errors="replace")
        for match in INCLUDE.finditer(text):
            included = match.group(1)
            line = text.count("\n", 0, match.start()) + 1
            where = f"{relative.as_posix()}:{line}"
            target = table.room_of(included)
            includes += 1
            if target is None:
                problems.append(f'{where}: "{included}" names no room')
            elif target not in allowed[room]:
                problems.append(f'{where}: includes "{included}", but the row of {room}/ in '
                                f"ARCHITECTURE.md does not name {target}")
            elif included.endswith(PRIVATE_SUFFIX) and target != room and room not in LOOKING_INSIDE:
                problems.append(f'{where}: includes "{included}", one of {target}/\'s own '
                                "headers; only its room and the tests read those")
    for folder in sorted(homeless):
        problems.append(f"{folder}/: holds C++ sources but has no row in ARCHITECTURE.md")
    return table, includes, problems


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parents[1])
    table, includes, problems = check(root.resolve())
    for problem in problems:
        print(problem, file=sys.stderr)
    if problems:
        print(f"check_rooms: {len(problems)} problem(s)", file=sys.stderr)
        return 1
    print(f"check_rooms: {len(table.folders)} rooms, {includes} includes, each as the table says")
    return 0


if __name__ == "__main__":
    sys.exit(main())
