#!/usr/bin/env python3
"""The docs test: every document of docs/ is listed in docs/README.md, and every project file or
folder that a document or a source comment names by its path exists.

A name counts as a path when it starts with one of the repository's top folders
(platform/os/file.h, tests/platform/ui/, docs/building.md) and as a file name when it has a source
or document extension and no folder (page_pool.h, building.md).  A path names a file or folder, or
a module by its files' common stem (platform/os/locale for locale.h and locale.cpp); a file name
names some file of the repository.  A '*' matches like a shell pattern (edit_control*.cpp).

Usage: check_docs.py SOURCE_DIR   (exit status 1 and one line per problem when anything is wrong)
"""
import fnmatch
import os
import re
import sys

TOP_FOLDERS = ("platform", "suite", "app", "grid", "controls", "report", "toolbar", "tests", "tools",
               "bench", "docs", "scripts", "cmake")
FILE_EXTENSIONS = ("h", "cpp", "md", "cmake", "sh", "py")
SKIPPED_FOLDERS = {".git", "build"}

PATH = re.compile(r"(?<![\w./-])((?:%s)/[\w./*-]*)" % "|".join(TOP_FOLDERS))
BARE_NAME = re.compile(r"(?<![\w./*-])([\w*-]+\.(?:%s))(?![\w/])" % "|".join(FILE_EXTENSIONS))
SOURCE_COMMENT = re.compile(r"//(.*)$|/\*(.*?)(?:\*/|$)")
SCRIPT_COMMENT = re.compile(r"#(.*)$")


def repository_files(root):
    files = []
    for folder, subfolders, names in os.walk(root):
        subfolders[:] = [s for s in subfolders if s not in SKIPPED_FOLDERS and not s.startswith("build")]
        for name in names:
            files.append(os.path.relpath(os.path.join(folder, name), root))
    return files


def comment_text(path, text):
    """The comments of a source or script, or the whole text of a document."""
    if path.endswith(".md"):
        return text.splitlines()
    pattern = SOURCE_COMMENT if path.endswith((".h", ".cpp")) else SCRIPT_COMMENT
    lines = []
    for line in text.splitlines():
        if path.endswith((".h", ".cpp")) and line.lstrip().startswith("#include"):
            lines.append("")
            continue
        match = pattern.search(line)
        lines.append("".join(g for g in match.groups() if g) if match else "")
    return lines


def path_exists(root, files, name):
    if os.path.exists(os.path.join(root, name)):
        return True
    pattern = name if "*" in name else name.rstrip("/") + ".*"
    return any(fnmatch.fnmatch(f, pattern) or fnmatch.fnmatch(f, pattern.rstrip("/") + "/*") for f in files)


def main(root):
    files = repository_files(root)
    basenames = {os.path.basename(f) for f in files}
    problems = []

    index = open(os.path.join(root, "docs", "README.md"), encoding="utf-8").read()
    for doc in sorted(f for f in files if f.startswith("docs/") and f.endswith(".md")):
        name = os.path.basename(doc)
        if name != "README.md" and "`%s`" % name not in index:
            problems.append("docs/README.md does not list %s" % doc)

    checked = [f for f in files
               if f.endswith((".md", ".h", ".cpp", ".cmake", ".sh", ".py")) or os.path.basename(f) == "CMakeLists.txt"]
    for path in sorted(checked):
        text = open(os.path.join(root, path), encoding="utf-8", errors="replace").read()
        for number, line in enumerate(comment_text(path, text), 1):
            for name in (n.rstrip(".") for n in PATH.findall(line)):
                if not path_exists(root, files, name):
                    problems.append("%s:%d: names %s, which does not exist" % (path, number, name))
            for name in BARE_NAME.findall(line):
                if name not in basenames and not fnmatch.filter(basenames, name):
                    problems.append("%s:%d: names %s, which is no file of the project" % (path, number, name))

    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else "."))
