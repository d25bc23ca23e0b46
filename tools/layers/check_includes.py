#!/usr/bin/env python3
"""Fails when an #include in src/ runs up the layer table.

A folder may include its own row and every row below it. server/ stands beside the
table: it may include itself, resultcode/ and the rows below. The table is the one
docs/architecture.md draws; this check also fails when the two differ.

usage: check_includes.py <repository root>
"""
import pathlib
import re
import sys

# Bottom row first.
ROWS = [
    ["platform"],
    ["state"],
    ["settings", "data", "i18n"],
    ["music", "resultcode"],
    ["lessons", "notation", "history"],
    ["exercise", "input", "sound"],
    ["app", "dialogs"],
]
# Folders outside the table: the row they stand on, as far as what they may include.
BESIDE = {"server": "resultcode"}

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def row_of(folder):
    for number, row in enumerate(ROWS):
        if folder in row:
            return number
    if folder in BESIDE:
        return row_of(BESIDE[folder])
    return None


def rows_in_docs(root):
    """The folder rows of the code block under '## Layers', bottom row first."""
    text = (root / "docs" / "architecture.md").read_text(encoding="utf-8")
    section = text.split("## Layers", 1)[1]
    block = section.split("```", 2)[1]
    rows = []
    for line in block.splitlines():
        folders = []
        for word in line.split():
            if not re.fullmatch(r"[a-z0-9]+/", word):
                break
            folders.append(word[:-1])
        if folders and folders[0] not in BESIDE:
            rows.append(folders)
    return list(reversed(rows))


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
    faults = []
    if rows_in_docs(root) != ROWS:
        faults.append(f"docs/architecture.md draws the rows {rows_in_docs(root)}, "
                      f"this check knows {ROWS}")
    src = root / "src"
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        folder = path.relative_to(src).parts[0]
        own = row_of(folder)
        if own is None:
            faults.append(f"{path.relative_to(root)}: the folder {folder}/ is not in the layer table")
            continue
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match or "/" not in match.group(1):
                continue
            target = match.group(1).split("/")[0]
            if target == folder:
                continue
            row = row_of(target)
            if row is None:
                if not (src / target).is_dir():
                    continue  # a header beside the file or of a library
                faults.append(f"{path.relative_to(root)}:{number}: {target}/ is not in the layer table")
            elif row > own or (target in BESIDE):
                faults.append(f"{path.relative_to(root)}:{number}: {folder}/ includes "
                              f"\"{match.group(1)}\" from a higher layer")
    for fault in faults:
        print(fault)
    if faults:
        print(f"check_includes: {len(faults)} faults")
        return 1
    print("check_includes: every include keeps to the layers")
    return 0


if __name__ == "__main__":
    sys.exit(main())
