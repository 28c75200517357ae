#!/usr/bin/python3
"""Golden runs: proves that a change of the code leaves the game's behaviour as it was.

  tools/golden.py record BINARY OUTDIR    plays the golden games with BINARY, writes dumps and shots to OUTDIR
  tools/golden.py compare OLDDIR NEWDIR   compares two recordings: dumps byte for byte, shots pixel for pixel

The golden games: the bot's games of seeds 1-20 (a dump every 500 frames, a shot every 2500 frames and of
the last two), a scripted win (the test script tests/data/win_seed1.txt on the shipped data without zombies)
and a scripted loss (two members who only ever end their turn), each with a dump every 100 frames, a shot
every 500 frames and of the last two.
Record with the binary before a change, again after it, then compare.
"""
import math
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parent.parent
BOT_SEEDS = range(1, 21)
BOT_DUMP_EVERY = 500
SCRIPT_DUMP_EVERY = 100
SHOT_EVERY_DUMPS = 5


def run(args):
    return subprocess.run([str(a) for a in args], capture_output=True, text=True, check=False)


def frame_options(last, every, out, name):
    args = []
    for frame in range(every, last + 1, every):
        args += ["--dump", f"{frame}:{out}/{name}_{frame:06d}.json"]
        if frame % (every * SHOT_EVERY_DUMPS) == 0:
            args += ["--shot", f"{frame}:{out}/{name}_{frame:06d}.png"]
    if last % every:
        args += ["--dump", f"{last}:{out}/{name}_{last:06d}.json"]
    # A game that ends quits in its last frame without drawing it: the frame before is shot too.
    for frame in (last - 1, last):
        args += ["--shot", f"{frame}:{out}/{name}_{frame:06d}.png"]
    return args


def record_bot(binary, out):
    for seed in BOT_SEEDS:
        base = [binary, "--headless", "--bot-game", "--seed", seed, "--data", ROOT]
        first = run(base)
        found = re.search(r"bot game: seed \d+, \w+, (\d+) frames", first.stdout)
        if not found:
            sys.exit(f"bot game {seed} printed no result:\n{first.stdout}{first.stderr}")
        last = int(found.group(1))
        second = run(base + frame_options(last, BOT_DUMP_EVERY, out, f"bot{seed:02d}"))
        (out / f"bot{seed:02d}_result.txt").write_text(second.stdout)
        print(f"bot game {seed}: {last} frames")


def shipped_settings():
    values = {}
    for line in (ROOT / "Data" / "dh.ini").read_text(encoding="cp1251").splitlines():
        if "=" in line and not line.startswith((";", "[")):
            key, value = line.split("=", 1)
            number = re.match(r"\s*-?[0-9.]+", value)
            if number:
                values[key.strip()] = float(number.group(0))
    return values


def click(frame, x, y):
    return f"{frame} mouse {int(x)} {int(y)}\n{frame} down LBUTTON\n{frame + 1} up LBUTTON\n"


def loss_script(ini, dt):
    show = math.ceil(ini["PASS_T_SHOW_TWO"] / dt) + 5
    fly = math.ceil(ini["PASS_T_ADD_ONE"] / dt) + 5
    add = (ini["PASS_ADD_X"] + ini["PASS_ADD_W"] / 2, ini["PASS_ADD_Y"] + ini["PASS_ADD_H"] / 2)
    script = "1 down SPACE\n2 up SPACE\n"
    script += click(3, ini["MENU_NEWGAME_BUT_POSX"] + ini["MENU_NEWGAME_BUT_W"] / 2,
                    ini["MENU_NEWGAME_BUT_POSY"] + ini["MENU_NEWGAME_BUT_H"] / 2)
    frame = 6
    for card in ("PASS_MAN1_Y", "PASS_MAN2_Y"):
        script += click(frame, *add)
        frame += 1 + show
        script += click(frame, ini["PASS_MAN1_X"] + 20, ini[card] + 20)
        frame += 1 + fly
    script += click(frame, ini["PASS_START_X"] + ini["PASS_START_W"] / 2,
                    ini["PASS_START_Y"] + ini["PASS_START_H"] / 2)
    return script + f"{frame + 2} down E\n"


def data_without_zombies(scratch):
    data = scratch / "nozombies"
    (data / "Data").mkdir(parents=True)
    for entry in (ROOT / "Data").iterdir():
        if entry.name not in ("dh.ini", "dh.log"):
            (data / "Data" / entry.name).symlink_to(entry)
    (data / "Sound").symlink_to(ROOT / "Sound")
    text = (ROOT / "Data" / "dh.ini").read_text(encoding="cp1251")
    text = re.sub(r"(?im)^\s*ZOMBIE_PROPORTION\s*=.*$", "ZOMBIE_PROPORTION = 0", text)
    (data / "Data" / "dh.ini").write_text(text, encoding="cp1251")
    return data


def record_scripts(binary, out, scratch):
    loss = scratch / "loss.txt"
    loss.write_text(loss_script(shipped_settings(), 0.05))
    games = [("win", data_without_zombies(scratch), ROOT / "tests" / "data" / "win_seed1.txt", 1, 1770),
             ("loss", ROOT, loss, 7, 8000)]
    for name, data, script, seed, last in games:
        result = run([binary, "--headless", "--seed", seed, "--dt", "0.05", "--frames", last, "--data", data,
                      "--input", script] + frame_options(last, SCRIPT_DUMP_EVERY, out, name))
        if result.returncode != 0:
            sys.exit(f"the {name} game failed:\n{result.stdout}{result.stderr}")
        print(f"{name} game: {last} frames")


def record(binary, out):
    binary = pathlib.Path(binary).resolve()
    out = pathlib.Path(out).resolve()
    shutil.rmtree(out, ignore_errors=True)
    out.mkdir(parents=True)
    record_bot(binary, out)
    with tempfile.TemporaryDirectory() as scratch:
        record_scripts(binary, out, pathlib.Path(scratch))


def same_pixels(a, b):
    from PIL import Image
    with Image.open(a) as first, Image.open(b) as second:
        return first.size == second.size and first.convert("RGBA").tobytes() == second.convert("RGBA").tobytes()


def compare(old, new):
    old, new = pathlib.Path(old), pathlib.Path(new)
    names = sorted({p.name for p in old.iterdir()} | {p.name for p in new.iterdir()})
    differ = []
    dumps = shots = 0
    for name in names:
        a, b = old / name, new / name
        if not a.exists() or not b.exists():
            differ.append(f"{name}: only in {'new' if b.exists() else 'old'}")
        elif name.endswith(".png"):
            shots += 1
            if a.read_bytes() != b.read_bytes() and not same_pixels(a, b):
                differ.append(f"{name}: pixels differ")
        else:
            dumps += name.endswith(".json")
            if a.read_bytes() != b.read_bytes():
                differ.append(f"{name}: bytes differ")
    for line in differ:
        print(line)
    print(f"compared {dumps} dumps and {shots} shots: {'identical' if not differ else f'{len(differ)} differ'}")
    return 0 if not differ else 1


def main():
    if len(sys.argv) == 4 and sys.argv[1] == "record":
        record(sys.argv[2], sys.argv[3])
        return 0
    if len(sys.argv) == 4 and sys.argv[1] == "compare":
        return compare(sys.argv[2], sys.argv[3])
    sys.exit(__doc__)


if __name__ == "__main__":
    sys.exit(main())
