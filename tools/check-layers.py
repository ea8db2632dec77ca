#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that the game's sources depend one way: the window (every `ui/` folder) on the
flows and rules, those on Qt Core only.

Fails, naming the file and the include, when a file outside a `ui/` folder includes one
inside it or a Qt Widgets or Qt Gui header (directly, or through a header of another
library that includes one), and, naming the folders, when the folders' includes form a
cycle. `--graph` prints the folder graph, one edge a line.
"""

import argparse
import pathlib
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.MULTILINE)
SOURCE_SUFFIXES = {".h", ".cpp"}
WINDOW_MODULES = ("QtGui", "QtWidgets")


def includes_of(path):
    return INCLUDE.findall(path.read_text(encoding="utf-8", errors="replace"))


def in_ui(relative):
    return "ui" in relative.parts[:-1]


class WindowHeaders:
    """The headers of Qt Gui and Qt Widgets, by the names code includes them by."""

    def __init__(self, module_dirs, library_dirs):
        self.names = set()
        for folder in module_dirs:
            if folder.name in WINDOW_MODULES and folder.is_dir():
                self.names.update(entry.name for entry in folder.iterdir())
        self.library_dirs = library_dirs

    def is_qt_window_header(self, name):
        module = name.split("/", 1)[0]
        return module in WINDOW_MODULES or name in self.names

    def library_header_bringing_one(self, name):
        """The window header a header of another library includes, if it includes one."""
        for folder in self.library_dirs:
            candidate = folder / name
            if candidate.is_file():
                for _, included in includes_of(candidate):
                    if self.is_qt_window_header(included):
                        return included
        return None


def resolve(root, source, name):
    for candidate in (root / name, source.parent / name):
        if candidate.is_file():
            return candidate.resolve().relative_to(root.resolve())
    return None


def find_cycle(edges):
    """One cycle of the graph as a list of folders, or None."""
    state = {}
    stack = []

    def visit(node):
        state[node] = "open"
        stack.append(node)
        for target in sorted(edges.get(node, ())):
            if state.get(target) == "open":
                return stack[stack.index(target):] + [target]
            if target not in state:
                found = visit(target)
                if found:
                    return found
        stack.pop()
        state[node] = "done"
        return None

    for node in sorted(edges):
        if node not in state:
            found = visit(node)
            if found:
                return found
    return None


def check(root, headers):
    problems = []
    edges = {}
    examples = {}
    sources = sorted(p for p in root.rglob("*") if p.suffix in SOURCE_SUFFIXES and p.is_file())
    for source in sources:
        relative = source.relative_to(root)
        folder = relative.parent.as_posix()
        for kind, name in includes_of(source):
            target = resolve(root, source, name) if kind == '"' else None
            if not in_ui(relative):
                if target is not None and in_ui(target):
                    problems.append(f"{relative}: includes window file {name}")
                elif kind == "<" and headers.is_qt_window_header(name):
                    problems.append(f"{relative}: includes Qt window header <{name}>")
                elif kind == '"' and target is None:
                    brought = headers.library_header_bringing_one(name)
                    if brought:
                        problems.append(f"{relative}: includes {name}, which includes <{brought}>")
            if target is not None and target.parent.as_posix() != folder:
                edges.setdefault(folder, set()).add(target.parent.as_posix())
                examples.setdefault((folder, target.parent.as_posix()), f"{relative}: {name}")
    cycle = find_cycle(edges)
    if cycle:
        steps = [f"  {a} -> {b}   ({examples[(a, b)]})" for a, b in zip(cycle, cycle[1:])]
        problems.append("folder include cycle:\n" + "\n".join(steps))
    return problems, edges


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("root", type=pathlib.Path, help="the game's source folder")
    parser.add_argument("--qt-include-dirs", default="",
                        help="Qt's include folders, separated by ; or |; those of QtGui and QtWidgets count")
    parser.add_argument("--library-dir", action="append", default=[], type=pathlib.Path,
                        help="a folder of another library's headers, whose window headers count")
    parser.add_argument("--graph", action="store_true", help="print the folder graph")
    args = parser.parse_args()

    module_dirs = [pathlib.Path(d) for d in re.split(r"[;|]", args.qt_include_dirs) if d]
    headers = WindowHeaders(module_dirs, args.library_dir)
    if not headers.names:
        print("check-layers: no QtGui or QtWidgets folder among --qt-include-dirs", file=sys.stderr)
        return 2
    problems, edges = check(args.root, headers)
    if args.graph:
        for source in sorted(edges):
            for target in sorted(edges[source]):
                print(f"{source} -> {target}")
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
