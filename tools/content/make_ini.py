"""Writes Data/dh.ini, the settings file, from the values the pictures are laid out to."""
import os
import sys

from ini_values import SECTIONS

HEADER = [
    "; Duskhollow settings. Every size and position is in pixels, every time in seconds.",
    "; Edit and press F1 in the game to reload most values on the fly.",
    "; _TX/_TY/_W/_H cut a picture out of its texture, _X/_Y place it, _STEP spaces a row or column.",
]


def text(value):
    """A value as the file writes it: integers without a decimal point."""
    if isinstance(value, float) and not value.is_integer():
        return repr(value)
    return str(int(value))


def main(out):
    """Writes this step's files under the output root `out`."""
    lines = list(HEADER)
    for name, entries in SECTIONS:
        lines += ["", "[%s]" % name]
        for e in entries:
            lines.append(e if isinstance(e, str) else "%s = %s" % (e[0], text(e[1])))
    with open(os.path.join(out, "Data", "dh.ini"), "w", encoding="ascii", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main(sys.argv[1])
