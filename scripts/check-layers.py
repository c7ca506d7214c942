#!/usr/bin/env python3
"""Checks that the product's folders include each other only downwards.

Reads every `#include "..."` of the product sources below ROOT (all folders but tests/, bench/,
tools/, hidden folders and build folders) and lists each include that reaches a folder to the
right of the including file's folder in LAYERS. A folder may include itself and any folder to
its left; every folder may include the widget kit ui/, which itself includes only platform/.
A subfolder takes the layer of its top folder. Exits 1 when an include goes against the
layers or a source lies outside every layer, 0 otherwise.
"""

import os
import re
import sys

# The layers from the bottom up; the README's "Where things are" explains them.
LAYERS = ["platform", "settings", "taxtables", "clients", "returns", "letters", "forms",
          "history", "update", "output", "wizards", "app"]
WIDGET_KIT = "ui"
WIDGET_KIT_MAY_INCLUDE = {"platform"}
NOT_PRODUCT = {"tests", "bench", "tools"}
SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".cc")
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')


def is_build_folder(path, name):
    return name.startswith("build") or os.path.exists(os.path.join(path, "CMakeCache.txt"))


def product_sources(root):
    for top in sorted(os.listdir(root)):
        path = os.path.join(root, top)
        if top in NOT_PRODUCT or top.startswith("."):
            continue
        if not os.path.isdir(path):
            if top.endswith(SOURCE_SUFFIXES):
                yield top
            continue
        if is_build_folder(path, top):
            continue
        for folder, subfolders, files in os.walk(path):
            subfolders.sort()
            for name in sorted(files):
                if name.endswith(SOURCE_SUFFIXES):
                    yield os.path.relpath(os.path.join(folder, name), root)


def top_folder(relative_path):
    parts = relative_path.replace(os.sep, "/").split("/")
    return parts[0] if len(parts) > 1 else None


def included_folder(root, source, include):
    """The top folder an include reaches, or None for a header from outside the tree."""
    beside = os.path.normpath(os.path.join(os.path.dirname(source), include))
    if os.path.isfile(os.path.join(root, beside)):
        return top_folder(beside)
    first = top_folder(include)
    if first in LAYERS or first == WIDGET_KIT:
        return first
    return None


def may_include(source_folder, target_folder):
    if target_folder == source_folder:
        return True
    if source_folder == WIDGET_KIT:
        return target_folder in WIDGET_KIT_MAY_INCLUDE
    if target_folder == WIDGET_KIT:
        return True
    return LAYERS.index(target_folder) < LAYERS.index(source_folder)


def check(root):
    """The problems found, one line each."""
    problems = []
    for source in product_sources(root):
        folder = top_folder(source)
        if folder not in LAYERS and folder != WIDGET_KIT:
            problems.append(f"{source}: lies in no layer (add its folder to the order)")
            continue
        with open(os.path.join(root, source), encoding="utf-8", errors="replace") as text:
            for number, line in enumerate(text, start=1):
                match = INCLUDE.match(line)
                if not match:
                    continue
                target = included_folder(root, source, match.group(1))
                if target is not None and not may_include(folder, target):
                    problems.append(f'{source}:{number}: includes "{match.group(1)}" '
                                    f"({target}/ is not below {folder}/)")
    return problems


def main(arguments):
    if len(arguments) > 1:
        print("usage: check-layers.py [source folder]", file=sys.stderr)
        return 2
    root = arguments[0] if arguments else os.path.join(os.path.dirname(__file__), "..")
    if not os.path.isdir(root):
        print(f"check-layers: {root} is not a folder", file=sys.stderr)
        return 2
    problems = check(root)
    if problems:
        print(f"{len(problems)} problem(s) with the layers "
              f"({' < '.join(LAYERS)}; {WIDGET_KIT}/ for all, itself on platform/ only):")
        for problem in problems:
            print("  " + problem)
        return 1
    print("The layers hold: no product file includes a folder above its own.")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
