#!/usr/bin/python3
"""Checks the game's translations: every Russian text of the code is marked, every marked text is translated.

Usage: check.py SOURCE_DIR SCRATCH_DIR
  - a Cyrillic string literal outside Tr(...) or N_(...) fails (it would never be translated);
  - a marked text missing from a catalogue po/<code>.po, or fuzzy there, fails, and so does an entry no text
    of the code uses any more;
  - `msgfmt --check` must accept every catalogue, and an English text must be plain ASCII (the font is
    Windows-1251; curly quotes and dashes would come out as '?').
Needs xgettext, msgmerge and msgfmt (Debian's gettext package).
"""
import os
import re
import subprocess
import sys

FOLDERS = ["engine", "config", "game", "map", "ui", "app"]
KEYWORDS = ["--keyword=Tr", "--keyword=N_"]


def sources(root):
    found = []
    for folder in FOLDERS:
        for base, _, files in os.walk(os.path.join(root, folder)):
            found += [os.path.relpath(os.path.join(base, f), root) for f in files if f.endswith((".cpp", ".h"))]
    return sorted(found)


def xgettext(root, files, out, extra):
    run = subprocess.run(["xgettext", "--from-code=UTF-8", "--language=C++", "--no-wrap",
                          "--add-location=full", "-o", out] + extra + files, cwd=root, capture_output=True,
                         text=True)
    if run.returncode != 0:  # its warnings about Russian msgids and control characters are expected
        sys.exit(f"xgettext failed:\n{run.stderr}")


def locations(pot):
    """{msgid: set of 'file:line'} of a .pot written by xgettext."""
    result = {}
    if not os.path.exists(pot):  # xgettext writes nothing when it finds nothing
        return result
    where = []
    msgid = None
    for line in open(pot, encoding="utf-8"):
        if line.startswith("#:"):
            where += line[2:].split()
        elif line.startswith("msgid "):
            msgid = line[len('msgid "'):-2]
        elif line.startswith('"') and msgid is not None and not where == []:
            msgid += line[1:-2]
        elif line.startswith("msgstr") and msgid is not None:
            result.setdefault(msgid, set()).update(where)
            where, msgid = [], None
    return result


def main():
    root, scratch = sys.argv[1], sys.argv[2]
    os.makedirs(scratch, exist_ok=True)
    files = sources(root)
    marked_pot = os.path.join(scratch, "marked.pot")
    all_pot = os.path.join(scratch, "all.pot")
    xgettext(root, files, marked_pot, KEYWORDS)
    xgettext(root, files, all_pot, ["--extract-all"])
    faults = []

    marked = locations(marked_pot)
    for msgid, where in sorted(locations(all_pot).items()):
        if not re.search("[\u0400-\u04ff]", msgid):
            continue
        for place in sorted(where - marked.get(msgid, set())):
            faults.append(f"{place}: Russian text outside Tr() or N_(): \"{msgid}\"")

    po_dir = os.path.join(root, "po")
    catalogues = sorted(f for f in os.listdir(po_dir) if f.endswith(".po"))
    if not catalogues:
        faults.append("po/ holds no catalogue")
    for name in catalogues:
        po = os.path.join(po_dir, name)
        check = subprocess.run(["msgfmt", "--check", "-o", os.devnull, po], capture_output=True, text=True)
        if check.returncode != 0 or check.stderr.strip():
            faults.append(f"po/{name}: msgfmt --check complains:\n{check.stderr.strip()}")
        merged = os.path.join(scratch, name)
        subprocess.run(["msgmerge", "--quiet", "--no-wrap", "-o", merged, po, marked_pot], check=True)
        entries = open(merged, encoding="utf-8").read().split("\n\n")
        for entry in entries:
            text = entry.strip("\n")
            msgid = re.search(r'^msgid "(.*)"$', text, re.M)
            if text.startswith("#~"):
                faults.append(f"po/{name}: no text of the game uses this entry any more:\n{text}")
            elif msgid is None or msgid.group(1) == "":
                continue
            elif re.search(r"^#,.*\bfuzzy\b", text, re.M):
                faults.append(f"po/{name}: a fuzzy translation (check it and drop the mark):\n{text}")
            elif re.search(r'^msgstr ""$', text, re.M):
                faults.append(f"po/{name}: no translation for \"{msgid.group(1)}\"")
            elif name == "en.po":
                msgstr = re.search(r'^msgstr "(.*)"$', text, re.M).group(1)
                if not msgstr.isascii():
                    faults.append(f"po/{name}: the English text \"{msgstr}\" has characters beyond ASCII")

    for fault in faults:
        print(fault)
    print(f"{len(marked)} marked texts, {len(catalogues)} catalogue(s), {len(faults)} fault(s)")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
