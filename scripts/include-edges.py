#!/usr/bin/env python3
"""Counts the core's folder-to-folder include edges and those that lie on a cycle.

An edge A -> B means some file in folder A includes "B/...". Only the top level of each folder
counts (platform/qt and the other platform layers are not core). An edge lies on a cycle when B
also reaches A; such edges are what the layered build forbids.

Usage: scripts/include-edges.py [source root]   (default: the checkout this script is in)
Prints every edge with its include count, marks those on cycles with '*', lists the includes
behind the marked ones, and ends with the number of marked edges. Exit status 0 either way.
"""

import pathlib
import re
import sys

FOLDERS = ["texts", "platform", "imaging", "config", "display", "draw", "cards", "web", "app"]
INCLUDE = re.compile(r'^\s*#\s*include\s+"([A-Za-z0-9_]+)/[^"]+"', re.MULTILINE)


def edges_of(root):
    edges = {}
    for folder in FOLDERS:
        directory = root / folder
        if not directory.is_dir():
            continue
        for path in sorted(directory.iterdir()):
            if path.suffix not in (".h", ".cpp"):
                continue
            for target in INCLUDE.findall(path.read_text(encoding="utf-8")):
                if target != folder and target in FOLDERS:
                    edges.setdefault((folder, target), []).append(path.relative_to(root).as_posix())
    return edges


def reaches(edges, start):
    seen = {start}
    stack = [start]
    while stack:
        here = stack.pop()
        for (source, target) in edges:
            if source == here and target not in seen:
                seen.add(target)
                stack.append(target)
    return seen


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent)
    edges = edges_of(root)
    on_cycle = [edge for edge in sorted(edges) if edge[0] in reaches(edges, edge[1])]
    for edge in sorted(edges):
        mark = "*" if edge in on_cycle else " "
        print(f"{mark} {edge[0]:>8} -> {edge[1]:<8} {len(edges[edge])}")
    for edge in on_cycle:
        print(f"\n{edge[0]} -> {edge[1]}:")
        for source in sorted(set(edges[edge])):
            print(f"    {source}")
    print(f"\nedges on cycles: {len(on_cycle)} of {len(edges)}")


if __name__ == "__main__":
    main()
