#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Lists the Czech string literals of the window and helper program sources that no translation
call takes.

A Czech text handed to a widget without tr() stays Czech in English; the texts that must keep
their bytes (names of files the program writes, values the data are filtered by) are listed in
KEPT with the reason. Usage: czech_literals.py SOURCE-DIR; prints one line per literal found and
exits 1 when there is any.
"""
import os
import re
import sys

# The calls lupdate reads; a helper of another name hides its texts from the translation.
TRANSLATING = {"tr", "translate", "QT_TR_NOOP", "QT_TRANSLATE_NOOP", "QT_TRANSLATE_NOOP3",
               "CoreText", "CoreTextNoop"}
CZECH = re.compile("[áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ]")
TOKEN = re.compile(r'//[^\n]*|/\*.*?\*/|"(?:[^"\\\n]|\\.)*"|\'(?:[^\'\\\n]|\\.)*\'|'
                   r'#include[^\n]*|[A-Za-z_]\w*|[()]|.', re.S)

# (file, literal): why the literal keeps its Czech bytes in every language.
KEPT = {
    ("src/ui/graphs/smoothed_graphs_window.cpp", "Vyhlazovací"): "picture file name",
    ("src/ui/butterfly/butterfly_window.cpp", "Motýlek"): "picture file name",
    ("src/ui/shell/main_window_commands.cpp", "Čeština"): "each language by its own name",
    ("src/ui/shell/view_settings.h", "vše"): "the group-type filter value the positions use",
    ("src/ui/entry/record_list_window.cpp", "99999     31 12 2099  Hájek Zdeněk"):
        "the widest line the list measures",
    ("tools/sample/sample_database.cpp",
     "Tuto složku s ukázkovými daty vytvořil program ardeno-sample.\\n"):
        "the sample folder's own mark file, the same bytes in every language",
}
# The sample folder's observers, stations and the reporter of its special drawings are data of
# the records ardeno-sample writes, the same in every language.
for sample in ("tools/sample/sample_database.cpp", "tools/sample/real_sample.cpp"):
    for name in ("Novák Jan", "Dvořáková Eva", "Černý Petr", "Šťastná Jiřina", "Růžička Tomáš",
                 "Kučerová Ludmila", "Hájek Zdeněk", "Ondřejov", "Úpice", "Žďár nad Sázavou",
                 "Žáček Ondřej"):
        KEPT[(sample, name)] = "a name in the sample records"


# The window sources, and the sources of core and the helper programs whose every message is
# translated.
FOLDERS = ("src/ui", "src/views", "src/app", "tools/render", "tools/sample")


def untranslated(path, text):
    calls = []  # the name before each open parenthesis
    previous = ""
    for match in TOKEN.finditer(text):
        token = match.group(0)
        if token == "(":
            calls.append(previous)
        elif token == ")":
            if calls:
                calls.pop()
        elif token.startswith('"'):
            literal = token[1:-1]
            if CZECH.search(literal) and not (calls and calls[-1] in TRANSLATING):
                yield text.count("\n", 0, match.start()) + 1, literal
        if not token.isspace() and not token.startswith(("//", "/*")):
            previous = token


def main():
    root = sys.argv[1]
    found = 0
    for folder in FOLDERS:
        for directory, _, files in sorted(os.walk(os.path.join(root, folder))):
            for name in sorted(files):
                if not name.endswith((".cpp", ".h")):
                    continue
                path = os.path.join(directory, name)
                relative = os.path.relpath(path, root)
                with open(path, encoding="utf-8") as source:
                    text = source.read()
                for line, literal in untranslated(relative, text):
                    if (relative, literal) in KEPT:
                        continue
                    print(f"{relative}:{line}: \"{literal}\"")
                    found += 1
    sys.exit(1 if found else 0)


if __name__ == "__main__":
    main()
