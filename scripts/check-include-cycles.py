#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Checks the project's #include "..." graph: no file may reach itself through its includes,
and no layer may include a layer above it. Prints every cycle and every upward include and
exits 1 when it found one, 0 otherwise.

    scripts/check-include-cycles.py [--components] [REPO]

--components also treats a header and the source of the same name as one unit (a type and its
implementation), so that two types whose sources use each other's headers show up as a cycle
even though no header includes the other.
"""

import argparse
import re
import sys
from pathlib import Path

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)
SCANNED_DIRS = ("src", "tests", "bench")
SUFFIXES = (".h", ".cpp")

# What each layer under src/ may include. The most specific prefix names a file's layer.
LAYERS = {
    "core/": {"core/"},
    "platform/canvas/": {"platform/canvas/", "core/"},
    "platform/desktop/": {"platform/desktop/", "platform/canvas/", "core/"},
    "dialogs/": {"dialogs/", "platform/desktop/", "platform/canvas/", "core/"},
    "app/": {"app/", "dialogs/", "platform/desktop/", "platform/canvas/", "core/"},
    "cli/": {"cli/", "platform/canvas/", "core/"},
}


def layer_of(src_relative):
    matches = [prefix for prefix in LAYERS if src_relative.startswith(prefix)]
    return max(matches, key=len) if matches else None


def project_files(repo):
    for top in SCANNED_DIRS:
        root = repo / top
        if root.is_dir():
            yield from sorted(p for p in root.rglob("*") if p.suffix in SUFFIXES and p.is_file())


def resolve(repo, including, name):
    """The project file an include names, as the compiler finds it: beside the including file
    first, then on the include path (src/, tests/); None for anything outside the project."""
    for base in (including.parent, repo / "src", repo / "tests"):
        candidate = (base / name).resolve()
        if candidate.is_file():
            return candidate
    return None


def include_graph(repo):
    graph = {}
    for path in project_files(repo):
        text = path.read_text(encoding="utf-8", errors="replace")
        targets = []
        for name in INCLUDE.findall(text):
            target = resolve(repo, path, name)
            if target is not None:
                targets.append(target)
        graph[path.resolve()] = targets
    return graph


def component_graph(graph):
    """The graph with x.h and x.cpp merged into one node named after x."""
    def unit(path):
        return path.with_suffix("")

    merged = {}
    for source, targets in graph.items():
        edges = merged.setdefault(unit(source), [])
        edges.extend(unit(t) for t in targets if unit(t) != unit(source))
    return merged


def strongly_connected(graph):
    """Tarjan's algorithm, iterative so deep graphs do not hit the recursion limit."""
    index, low, on_stack, stack, found = {}, {}, set(), [], []
    counter = 0
    for root in graph:
        if root in index:
            continue
        work = [(root, iter(graph.get(root, ())))]
        index[root] = low[root] = counter
        counter += 1
        stack.append(root)
        on_stack.add(root)
        while work:
            node, children = work[-1]
            child = next(children, None)
            if child is not None:
                if child not in index:
                    index[child] = low[child] = counter
                    counter += 1
                    stack.append(child)
                    on_stack.add(child)
                    work.append((child, iter(graph.get(child, ()))))
                elif child in on_stack:
                    low[node] = min(low[node], index[child])
                continue
            work.pop()
            if work:
                parent = work[-1][0]
                low[parent] = min(low[parent], low[node])
            if low[node] == index[node]:
                members = []
                while True:
                    member = stack.pop()
                    on_stack.discard(member)
                    members.append(member)
                    if member == node:
                        break
                if len(members) > 1 or node in graph.get(node, ()):
                    found.append(members)
    return found


def one_cycle(graph, members):
    """A shortest path from the first member back to itself inside its component."""
    inside = set(members)
    start = min(members)
    previous = {start: None}
    frontier = [start]
    while frontier:
        following = []
        for node in frontier:
            for child in graph.get(node, ()):
                if child == start:
                    path = [node]
                    while previous[path[-1]] is not None:
                        path.append(previous[path[-1]])
                    return list(reversed(path)) + [start]
                if child in inside and child not in previous:
                    previous[child] = node
                    following.append(child)
        frontier = following
    return [start]


def upward_includes(repo, graph):
    src = (repo / "src").resolve()
    for source, targets in sorted(graph.items()):
        if not source.is_relative_to(src):
            continue
        source_layer = layer_of(source.relative_to(src).as_posix())
        for target in targets:
            if not target.is_relative_to(src):
                continue
            target_name = target.relative_to(src).as_posix()
            if source_layer is not None and layer_of(target_name) not in LAYERS[source_layer]:
                yield source, target


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("repo", nargs="?", default=Path(__file__).resolve().parent.parent, type=Path)
    parser.add_argument("--components", action="store_true", help="merge x.h and x.cpp into one unit")
    args = parser.parse_args()
    repo = args.repo.resolve()

    def shown(path):
        return path.relative_to(repo).as_posix()

    graph = include_graph(repo)
    problems = 0
    def report(kind, graph, members):
        cycle = one_cycle(graph, members)
        print(f"{kind} cycle: " + " -> ".join(shown(p) for p in cycle))
        if len(set(cycle)) < len(members):
            print("  all of: " + ", ".join(sorted(shown(p) for p in members)))

    for members in strongly_connected(graph):
        problems += 1
        report("include", graph, members)
    if args.components:
        units = component_graph(graph)
        for members in strongly_connected(units):
            problems += 1
            report("component", units, members)
    for source, target in upward_includes(repo, graph):
        problems += 1
        print(f"upward include: {shown(source)} includes {shown(target)}")

    if problems:
        print(f"{problems} include problem(s) in {len(graph)} files", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
