#!/usr/bin/env python3
"""The layering test: every include points downward, and every target includes only what it links.

1. Layers.  The libraries stand in this order, lowest first (a directory holds one library; its
   sub-directories belong to its layer):
       platform/core, platform/os, platform/classes, platform/gdi, platform/user, platform/shims,
       platform/window_classes, platform/ui, then suite, grid, controls, report and toolbar, app.
   A file of a layer includes files of its own layer or of layers below, and nothing of tests/,
   tools/ or bench/, which may include anything.  Display backends (platform/user/backend/*) are
   linked by programs, never by another library.
2. Dependencies.  Each CMake target includes only files of its own directory, of directories whose
   sources it compiles itself, and of the targets it links, directly or through them.  The targets,
   their directories, sources, include folders and links come from the manifest CMake writes at
   configure time (tests/project/CMakeLists.txt).

Usage: check_layering.py SOURCE_DIR MANIFEST   (exit status 1 and one line per violation)
"""
import os
import re
import sys

LAYERS = [
    ("platform/core",), ("platform/os",), ("platform/classes",), ("platform/gdi",), ("platform/user",),
    ("platform/shims",), ("platform/window_classes",), ("platform/ui",), ("suite",), ("grid",), ("controls",),
    ("report", "toolbar"), ("app",),
]
FREE = ("tests", "tools", "bench")
BACKENDS = "platform/user/backend/"
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.M)
SOURCE_SUFFIXES = (".h", ".cpp")


def layer_of(path):
    """The rank of the layer a repository path belongs to; None for tests, tools and bench."""
    for rank, roots in enumerate(LAYERS):
        if any(path == root or path.startswith(root + "/") for root in roots):
            return rank
    return None


def in_free_part(path):
    return path.split("/", 1)[0] in FREE


def read_manifest(path):
    """name -> {dir, kind, sources, includes, links}; paths relative to the repository."""
    targets = {}
    with open(path, encoding="utf-8") as manifest:
        for line in manifest:
            name, kind, folder, sources, includes, links = line.rstrip("\n").split("\t")
            targets[name] = {"kind": kind, "dir": folder, "sources": [s for s in sources.split(";") if s],
                             "includes": [i for i in includes.split(";") if i],
                             "links": [l for l in links.split(";") if l]}
    return targets


def closure(targets, name):
    seen, todo = set(), [name]
    while todo:
        for link in targets[todo.pop()]["links"]:
            if link in targets and link not in seen:
                seen.add(link)
                todo.append(link)
    return seen


def resolve(root, including, name, folders):
    """The repository path an include names, or None (a system or generated header)."""
    for folder in [os.path.dirname(including), ""] + folders:
        candidate = os.path.normpath(os.path.join(folder, name))
        if os.path.isfile(os.path.join(root, candidate)):
            return candidate
    return None


def includes_of(root, path, cache={}):
    if path not in cache:
        with open(os.path.join(root, path), encoding="utf-8", errors="replace") as source:
            cache[path] = INCLUDE.findall(source.read())
    return cache[path]


def source_files(root):
    for folder, subfolders, names in os.walk(root):
        subfolders[:] = [s for s in subfolders if not s.startswith((".", "build"))]
        for name in names:
            if name.endswith(SOURCE_SUFFIXES):
                yield os.path.relpath(os.path.join(folder, name), root)


def check_layers(root, problems):
    for path in source_files(root):
        rank = layer_of(path)
        if rank is None or in_free_part(path):
            continue
        for name in includes_of(root, path):
            target = resolve(root, path, name, [])
            if target is None:
                continue
            if in_free_part(target):
                problems.append("%s includes %s: a library includes nothing of tests, tools or bench" % (path, target))
            elif layer_of(target) is not None and layer_of(target) > rank:
                problems.append("%s includes %s, a layer above its own" % (path, target))


def check_includes(root, owners, paths, folders, allowed, own_dirs, who, problems):
    for path in paths:
        for include in includes_of(root, path):
            found = resolve(root, path, include, folders)
            if found is None or os.path.dirname(found) in own_dirs:
                continue
            folder = os.path.dirname(found)
            while folder and folder not in owners:
                folder = os.path.dirname(folder)
            if folder and not owners[folder] & allowed:
                problems.append("%s includes %s of %s, which %s does not link" %
                                (path, found, "/".join(sorted(owners[folder])), who))


def check_dependencies(root, targets, problems):
    owners = {}
    for name, target in targets.items():
        owners.setdefault(target["dir"], set()).add(name)
    allowed, own_dirs = {}, {}
    for name, target in targets.items():
        if target["kind"] == "STATIC_LIBRARY" and not target["dir"].startswith(BACKENDS):
            for link in closure(targets, name):
                if targets[link]["dir"].startswith(BACKENDS):
                    problems.append("%s links the display %s: only programs link displays" % (name, link))
        allowed[name] = closure(targets, name) | {name}
        own_dirs[name] = {target["dir"]} | {os.path.dirname(s) for s in target["sources"]}
        check_includes(root, owners, sorted(set(target["sources"])), target["includes"], allowed[name],
                       own_dirs[name], name, problems)
    # A header belongs to its folder, whose targets may share it: it may include what any of them links.
    for folder, names in sorted(owners.items()):
        headers = sorted(os.path.join(folder, f) for f in os.listdir(os.path.join(root, folder)) if f.endswith(".h"))
        check_includes(root, owners, headers, sum((targets[n]["includes"] for n in sorted(names)), []),
                       set().union(*(allowed[n] for n in names)), set().union(*(own_dirs[n] for n in names)),
                       " or ".join(sorted(names)), problems)


def main(root, manifest):
    problems = []
    check_layers(root, problems)
    check_dependencies(root, read_manifest(manifest), problems)
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2]))
