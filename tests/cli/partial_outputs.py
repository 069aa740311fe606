#!/usr/bin/env python3
"""No partial or stray output files.

Every batch-tool output that writes a file is ended by SIGINT or SIGTERM at random moments, and
written onto a full disk, into a read-only directory and onto /dev/full. Afterwards the target
directory holds nothing but the file that was there before, unchanged, or the complete new file
of a run that finished. The full-disk and read-only cases need a private mount namespace
(unshare, as root) and are skipped without one.

    tests/cli/partial_outputs.py --cli build/asan/src/cli/quilvane-cli [--rounds N]
        [--data Queen.ged --root I3062] [--outputs NAME,...]
"""

import argparse
import io
import os
import random
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import zipfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from hostile_inputs import OUTPUTS, TESTDATA  # noqa: E402

OLD = b"the file that was here before\n"


def modest(name, args):
    """Every ancestor of the test file's root is more than a frequency diagram holds (the
    hostile inputs check that refusal); here the diagram shows the root alone."""
    if not name.startswith("chart frequency"):
        return args
    at = args.index("--query")
    return args[:at] + ["--select", "{root}"] + args[at + 2:]


FILE_OUTPUTS = [(name, modest(name, args)) for name, args in OUTPUTS
                if any("{out}" in a for a in args)]


def arguments(pattern, data, root, target):
    return [a.format(file=data, root=root, out=target.with_suffix("")) for a in pattern]


def target_of(pattern, directory):
    out = next(a for a in pattern if "{out}" in a)
    return directory / Path(out.format(out="out")).name


def complete(path, contents):
    """Whether contents is a whole file of its kind, not the start of one."""
    kind = path.suffix
    if kind in (".xlsx", ".docx"):
        try:
            with zipfile.ZipFile(io.BytesIO(contents)) as archive:
                return archive.testzip() is None
        except zipfile.BadZipFile:
            return False
    if kind == ".bmp":
        return len(contents) > 6 and int.from_bytes(contents[2:6], "little") == len(contents)
    endings = {".png": b"IEND\xaeB`\x82", ".pdf": b"%%EOF", ".svg": b"</svg>",
               ".html": b"</html>", ".rtf": b"}"}
    if kind in endings:
        return contents.rstrip().lower().endswith(endings[kind].lower())
    return contents.endswith(b"\n")


def check_directory(directory, target, status):
    """The problem with what a run that ended with status left in its directory, or None.
    A run killed by a signal may have put its complete file in place just before; one that
    reports a cancel or an error must leave the old file."""
    names = sorted(p.name for p in directory.iterdir())
    if names != [target.name]:
        return f"left {names}"
    contents = target.read_bytes()
    if status == 0 or (status < 0 and contents != OLD):
        if contents == OLD or not complete(target, contents):
            return f"status {status} with an incomplete file of {len(contents)} bytes"
    elif contents != OLD:
        return f"status {status} but the existing file changed"
    return None


def interrupted(cli, name, pattern, data, root, work, rng, rounds):
    """Runs the output once to time it, then ends it by a signal at random moments."""
    problems = []
    directory = work / "signals"
    for n in range(rounds + 1):
        shutil.rmtree(directory, ignore_errors=True)
        directory.mkdir()
        target = target_of(pattern, directory)
        target.write_bytes(OLD)
        start = time.monotonic()
        child = subprocess.Popen([cli] + arguments(pattern, data, root, target),
                                 stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        if n == 0:
            child.communicate()
            full = time.monotonic() - start
            if child.returncode != 0:
                return [f"{name}: the uninterrupted run failed"]
        else:
            which = rng.choice([signal.SIGINT, signal.SIGTERM])
            time.sleep(rng.uniform(0, full))
            child.send_signal(which)
            # A first SIGINT may only ask long work to stop; a second one ends it.
            try:
                child.communicate(timeout=20)
            except subprocess.TimeoutExpired:
                child.send_signal(which)
                child.communicate()
            if child.returncode not in (0, 1, 130, -signal.SIGINT, -signal.SIGTERM):
                problems.append(f"{name}: {which.name} gave status {child.returncode}")
        problem = check_directory(directory, target, child.returncode)
        if problem:
            problems.append(f"{name}: {problem} (round {n})")
    return problems


def in_namespace(script):
    """Runs a shell script in a private mount namespace; None when there is none to have."""
    if shutil.which("unshare") is None or os.geteuid() != 0:
        return None
    probe = subprocess.run(["unshare", "-m", "true"], capture_output=True)
    if probe.returncode != 0:
        return None
    return subprocess.run(["unshare", "-m", "sh", "-ec", script], capture_output=True, text=True)


def refused(cli, name, pattern, data, root, directory, setup, old):
    """Writes onto a target that cannot take it: a message, status 1, nothing else changed.
    The directory holds the old target and, for a full disk, the file that fills it; old is a
    copy of the target's contents outside it."""
    target = target_of(pattern, directory)
    args = " ".join(f"'{a}'" for a in [cli] + arguments(pattern, data, root, target))
    script = (f"mkdir -p '{directory}'\n{setup}\nset +e\n"
              f"{args} 2>&1 >/dev/null; echo status=$?\n"
              f"ls -A '{directory}' | grep -v '^filler$' || true\n"
              f"cmp -s '{target}' '{old}' && echo unchanged")
    result = in_namespace(script)
    if result is None:
        return None
    lines = result.stdout.splitlines()
    status = next((line for line in lines if line.startswith("status=")), "")
    if status != "status=1" or not any(line.startswith("quilvane-cli") for line in lines):
        return f"{name}: {status or result.stderr.strip()} {lines[:2]}"
    if lines[lines.index(status) + 1:] != [target.name, "unchanged"]:
        return f"{name}: left {lines[lines.index(status) + 1:]}"
    return ""


def onto_device(cli, name, pattern, data, root, work):
    """A target that is a link to /dev/full is refused and the device stays as it was."""
    directory = work / "device"
    shutil.rmtree(directory, ignore_errors=True)
    directory.mkdir()
    target = target_of(pattern, directory)
    target.symlink_to("/dev/full")
    run = subprocess.run([cli] + arguments(pattern, data, root, target), capture_output=True,
                         text=True)
    if run.returncode != 1 or "keine gewöhnliche Datei" not in run.stderr:
        return [f"{name} onto /dev/full: status {run.returncode}, {run.stderr.strip()[:100]}"]
    if not Path("/dev/full").is_char_device() or os.listdir(directory) != [target.name]:
        return [f"{name} onto /dev/full: the device or the directory changed"]
    return []


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--cli", required=True)
    parser.add_argument("--rounds", type=int, default=3, help="signals per output")
    parser.add_argument("--seed", type=int, default=int(time.time()))
    parser.add_argument("--data", default="Queen.ged", help="a shared test file")
    parser.add_argument("--root", default="I3062")
    parser.add_argument("--outputs", help="only the outputs whose name contains one of these "
                        "comma-separated texts")
    options = parser.parse_args()
    cli = str(Path(options.cli).resolve())
    os.environ["QT_QPA_PLATFORM"] = "offscreen"
    data, root = TESTDATA / options.data, options.root
    if not data.exists():
        print("partial_outputs: no shared test data, nothing to do")
        return 0
    rng = random.Random(options.seed)
    print(f"seed {options.seed}")
    work = Path(tempfile.mkdtemp(prefix="qv-partial-"))
    old_copy = work / "old"
    old_copy.write_bytes(OLD)
    failures, skipped, passed = [], 0, 0
    try:
        wanted = options.outputs.split(",") if options.outputs else [""]
        for name, pattern in [o for o in FILE_OUTPUTS if any(w in o[0] for w in wanted)]:
            problems = interrupted(cli, name, pattern, data, root, work, rng, options.rounds)
            problems += onto_device(cli, name, pattern, data, root, work)
            full, locked = work / "full-disk", work / "read-only"
            old = f"cp '{old_copy}' '{{0}}/{target_of(pattern, work).name}'"
            for place, setup in [
                (full, f"mount -t tmpfs -o size=64k tmpfs '{full}'; {old.format(full)}; "
                       f"head -c 1M /dev/zero > '{full}/filler' 2>/dev/null || true"),
                (locked, f"mount -t tmpfs tmpfs '{locked}'; {old.format(locked)}; "
                         f"mount -o remount,ro '{locked}'"),
            ]:
                problem = refused(cli, f"{name} on {place.name}", pattern, data, root, place, setup,
                                  old_copy)
                if problem is None:
                    skipped += 1
                elif problem:
                    problems.append(problem)
            print(f"| {name} | {'ok' if not problems else 'FAILED'} |", flush=True)
            failures += problems
            passed += not problems
        print("\n".join(failures), file=sys.stderr)
        print(f"{passed} passed, {len(failures)} failed, {skipped} skipped")
        return 1 if failures else 0
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
