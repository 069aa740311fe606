#!/usr/bin/env python3
"""Every batch-tool output on hostile input files.

Each run has to complete or refuse with a message and a non-zero exit; none may hang, crash,
report a sanitizer error or leave a partial or temporary file beside its output. The small
cases run in the test suite; --large adds Queen.ged, 10,000 spouses and the big files (run
those on a release build):

    tests/cli/hostile_inputs.py --cli build/release/src/cli/quilvane-cli --large --memory 8192

metrics on the 100,000-person and 200 MB files counts the paths between every couple's
parents exactly, over an ancestry of most of the file, for f and the path counts: about 9
minutes of processor time and 0.93 GB at its peak on a release build (fw and fx take seconds),
with progress on a terminal and Ctrl+C. Give it --timeout 1800, or leave it out (--outputs and
--only choose).

A new output is one more row in OUTPUTS (a new chart kind one more line in CHARTS), a new
input one more entry in small_inputs or large_inputs. --testdata runs the outputs over every shared test file instead, and --wrapper
puts a memory checker in front of each run:

    tests/cli/hostile_inputs.py --cli ... --testdata --wrapper "valgrind --error-exitcode=99"
"""

import argparse
import concurrent.futures
import os
import random
import resource
import shutil
import subprocess
import sys
import tempfile
import threading
import time
from pathlib import Path

HERE = Path(__file__).resolve().parent
TESTDATA = HERE.parent.parent.parent / "shared" / "testdata"

# The kinds of "chart", their formats and the arguments they need beyond file and root; a new
# chart kind is one more line here.
CHARTS = [
    ("tree", ("png", "bmp", "svg", "pdf", "html"), []),
    ("circle", ("png", "bmp", "svg", "pdf", "html"), []),
    ("triangle", ("png", "bmp", "svg", "pdf", "html"), []),
    ("frequency", ("xlsx", "png", "svg", "pdf"), ["--query", "vorfahren:{root}"]),
]

# Command name and arguments; {file}, {root} and {out} are filled in per input.
OUTPUTS = [
    ("info", ["info", "{file}"]),
    ("info --json", ["info", "{file}", "--json"]),
    ("persons", ["persons", "{file}", "--sort", "surname"]),
    ("kekule", ["kekule", "{file}", "--root", "{root}"]),
    ("metrics", ["metrics", "{file}", "--root", "{root}"]),
    ("generations", ["generations", "{file}", "--root", "{root}"]),
    ("select", ["select", "{file}", "--query", "blutsverwandte", "--from", "{root}"]),
] + [
    (f"siblings .{ext}", ["siblings", "{file}", "--root", "{root}", "-o", "{out}." + ext])
    for ext in ("txt", "html", "xlsx", "docx")
] + [
    (f"table persons .{ext}",
     ["table", "persons", "{file}", "--root", "{root}", "--query", "vorfahren:{root}",
      "--set", "TABLE_COL_COUNT=2", "-o", "{out}." + ext])
    for ext in ("html", "xlsx", "docx")
] + [
    (f"table generations .{ext}",
     ["table", "generations", "{file}", "--root", "{root}", "--set", "TABLE_GEN_COL_COUNT=2",
      "-o", "{out}." + ext])
    for ext in ("html", "xlsx", "docx")
] + [
    (f"chart tree .{ext}", ["chart", "tree", "{file}", "--root", "{root}", "-o", "{out}." + ext])
    for ext in CHARTS[0][1]
] + [
    (f"chart tree --interactive .{ext}",
     ["chart", "tree", "{file}", "--root", "{root}", "--interactive", "-o", "{out}." + ext])
    for ext in ("svg", "html")
] + [
    (f"chart {kind} .{ext}",
     ["chart", kind, "{file}", "--root", "{root}"] + extra + ["-o", "{out}." + ext])
    for kind, formats, extra in CHARTS if kind != "tree"
    for ext in formats
] + [
    ("details .rtf", ["details", "{file}", "--person", "{root}", "--root", "{root}", "--detailed",
                      "-o", "{out}.rtf"]),
    ("details --kekule-picture .png", ["details", "{file}", "--person", "{root}", "--root",
                                       "{root}", "--kekule-picture", "1", "-o", "{out}.png"]),
] + [
    (f"webgl --type {kind}",
     ["webgl", "{file}", "--root", "{root}", "--type", kind, "-o", "{out}.html"])
    for kind in ("1", "2")
]

HEAD = "0 HEAD\n1 CHAR UTF-8\n"
# What a memory checker given as --wrapper has to exit with when it finds an error.
MEMCHECK_STATUS = 99


def person(pid, sex, famc=None, fams=(), name=None):
    lines = [f"0 @{pid}@ INDI", f"1 NAME {name or 'Vorname /' + pid + '/'}", f"1 SEX {sex}"]
    lines += [f"1 FAMC @{famc}@"] if famc else []
    lines += [f"1 FAMS @{f}@" for f in fams]
    return "\n".join(lines) + "\n"


def family(fid, husband=None, wife=None, children=()):
    lines = [f"0 @{fid}@ FAM"]
    lines += [f"1 HUSB @{husband}@"] if husband else []
    lines += [f"1 WIFE @{wife}@"] if wife else []
    lines += [f"1 CHIL @{c}@" for c in children]
    return "\n".join(lines) + "\n"


def write(path, text):
    path.write_text(text, encoding="utf-8")
    return path


def chain(path, generations):
    """I1 is the son of I2 and a wife of his own, I2 the son of I3 … up to the given depth."""
    with open(path, "w", encoding="utf-8") as out:
        out.write(HEAD)
        for g in range(1, generations + 1):
            famc = f"F{g}" if g < generations else None
            fams = [f"F{g - 1}"] if g > 1 else []
            out.write(person(f"I{g}", "M", famc, fams))
            if g > 1:
                out.write(person(f"W{g}", "F", None, [f"F{g - 1}"]))
                out.write(family(f"F{g - 1}", f"I{g}", f"W{g}", [f"I{g - 1}"]))
        out.write("0 TRLR\n")
    return path


def population(path, persons, pad_to=0):
    """Generations of 2,000 persons whose parents are drawn from the generation before: heavy
    pedigree collapse. pad_to fills the file with notes up to that many bytes."""
    width, rng = 2000, random.Random(20)
    generations = persons // width
    with open(path, "w", encoding="utf-8") as out:
        out.write(HEAD)
        for g in range(generations):
            couples = [(f"I{g}_{2 * i}", f"I{g}_{2 * i + 1}") for i in range(width // 2)]
            for i in range(width):
                famc = f"F{g - 1}_{rng.randrange(width // 2)}" if g > 0 else None
                out.write(person(f"I{g}_{i}", "MF"[i % 2], famc, [f"F{g}_{i // 2}"]))
            for i, (husband, wife) in enumerate(couples):
                out.write(family(f"F{g}_{i}", husband, wife))
        note = "1 NOTE " + "x" * 200 + "\n" + "2 CONT " + "y" * 1000 + "\n"
        n = 0
        while out.tell() < pad_to:
            out.write(f"0 @N{n}@ NOTE\n" + note * 100)
            n += 1
        out.write("0 TRLR\n")
    return path, f"I{generations - 1}_0"


def many_spouses(path, count):
    text = HEAD + person("I1", "M", None, [f"F{i}" for i in range(count)])
    for i in range(count):
        text += person(f"W{i}", "F", None, [f"F{i}"]) + person(f"C{i}", "U", f"F{i}")
        text += family(f"F{i}", "I1", f"W{i}", [f"C{i}"])
    return write(path, text + "0 TRLR\n")


def small_inputs(d):
    """(name, file, root person) of the inputs every test run covers."""
    own_grandfather = (HEAD + person("I1", "M", "F1", ["F2"]) + person("I2", "M", "F2", ["F1"])
                       + family("F1", "I2", None, ["I1"]) + family("F2", "I1", None, ["I2"])
                       + "0 TRLR\n")
    (d / "a-directory.ged").mkdir()
    binary = random.Random(1).randbytes(100000)
    (d / "binary.ged").write_bytes(binary)
    inputs = [
        ("one person", write(d / "one.ged", HEAD + person("I1", "F") + "0 TRLR\n"), "I1"),
        ("no persons", write(d / "none.ged", HEAD + "0 TRLR\n"), "I1"),
        ("empty file", write(d / "empty.ged", ""), "I1"),
        ("binary file", d / "binary.ged", "I1"),
        ("directory", d / "a-directory.ged", "I1"),
        ("missing file", d / "missing.ged", "I1"),
        ("own grandfather", write(d / "grandfather.ged", own_grandfather), "I1"),
        ("300 spouses", many_spouses(d / "spouses300.ged", 300), "I1"),
        ("1,000-generation chain", chain(d / "chain1000.ged", 1000), "I1"),
    ]
    return inputs


def large_inputs(d):
    big, root = population(d / "population.ged", 100000)
    padded, padded_root = population(d / "200mb.ged", 100000, 200 * 1024 * 1024)
    line = write(d / "longline.ged", HEAD + person("I1", "M", name="A" * (50 << 20) + " /B/")
                 + "0 TRLR\n")
    queen = [("Queen.ged at I3062", TESTDATA / "Queen.ged", "I3062")]
    return (queen if queen[0][1].exists() else []) + [
        ("10,000 spouses", many_spouses(d / "spouses.ged", 10000), "I1"),
        ("100,000 persons", big, root),
        ("200 MB file", padded, padded_root),
        ("line of 50 MB", line, "I1"),
        ("100,000-generation chain", chain(d / "chain.ged", 100000), "I1"),
    ]


def testdata_inputs():
    """Every shared test file, rooted at its first person."""
    return [(path.name, path, "#0") for path in sorted(TESTDATA.iterdir()) if path.is_file()]


def cpu_and_peak(pid):
    """The processor seconds and the peak memory in MiB of a running child once it runs the
    program. The peak the kernel reports at its end would still count the Python process
    it was forked from."""
    try:
        fields = Path(f"/proc/{pid}/stat").read_text().rsplit(")", 1)[1].split()
        status = Path(f"/proc/{pid}/status").read_text().splitlines()
    except OSError:
        return 0.0, 0.0
    cpu = (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")
    values = dict(line.split(":", 1) for line in status if ":" in line)
    if values.get("Name", "").strip().startswith("python") or "VmHWM" not in values:
        return cpu, 0.0
    return cpu, int(values["VmHWM"].split()[0]) / 1024


def address_limit(mib):
    """A function that limits the address space of a child to mib MiB, or None for no limit.
    A run that would exhaust the machine's memory then fails inside the program instead."""
    if not mib:
        return None
    size = mib << 20
    return lambda: resource.setrlimit(resource.RLIMIT_AS, (size, size))


def run(cli, name, args, out_dir, timeout, memory=0):
    """One run: its outcome text, processor seconds, peak memory in MiB (as last seen while
    it ran), and the problem if any. A run hangs when it uses more than timeout processor
    seconds, so that a busy shared machine does not make slow runs look hung, or when it
    idles for 20 times as long."""
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    start = time.monotonic()
    with open(out_dir / "stdout", "wb") as stdout, open(out_dir / "stderr", "w+b") as stderr:
        child = subprocess.Popen(cli + args, stdout=stdout, stderr=stderr, env=env,
                                 stdin=subprocess.DEVNULL, preexec_fn=address_limit(memory))
        peak = 0.0
        while True:
            pid, status, usage = os.wait4(child.pid, os.WNOHANG)
            if pid:
                break
            cpu, hiwater = cpu_and_peak(child.pid)
            peak = max(peak, hiwater)
            if cpu > timeout or time.monotonic() > start + 20 * timeout:
                child.kill()
                child.wait()
                return "hangs", timeout, 0, f"{name}: still running after {timeout} s"
            time.sleep(0.02)
        stderr.seek(0)
        message = stderr.read().decode("utf-8", "replace")
    seconds = usage.ru_utime + usage.ru_stime
    outputs = [p for p in out_dir.iterdir() if p.name not in ("stdout", "stderr")]
    if os.WIFSIGNALED(status):
        return "crash", seconds, peak, f"{name}: killed by signal {os.WTERMSIG(status)}\n{message}"
    code = os.WEXITSTATUS(status)
    if "Sanitizer" in message or "runtime error" in message or code == MEMCHECK_STATUS:
        return "sanitizer", seconds, peak, f"{name}: {message}"
    if code == 0:
        wanted = [a for a in args if str(out_dir) in a]
        stray = [p for p in outputs if str(p) not in wanted]
        if stray or any(not Path(w).is_file() for w in wanted):
            return "files", seconds, peak, f"{name}: outputs {outputs}, wanted {wanted}"
        return "ok", seconds, peak, None
    # Warnings may come first; the refusal is the line that names the program.
    first = next((l for l in message.splitlines() if l.startswith("quilvane-cli")), "")
    if not first:
        return "silent", seconds, peak, f"{name}: exit {code} without a message"
    if outputs:
        return "files", seconds, peak, f"{name}: refused but left {outputs}"
    return f"refused ({code}): {first[:90]}", seconds, peak, None


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--cli", required=True)
    parser.add_argument("--large", action="store_true", help="also the big generated files")
    parser.add_argument("--testdata", action="store_true", help="every shared test file instead")
    parser.add_argument("--wrapper", default="", help=f"a command in front of each run; "
                        f"it signals errors with status {MEMCHECK_STATUS}")
    parser.add_argument("--outputs", help="run only the outputs whose name contains one of "
                        "these comma-separated texts")
    parser.add_argument("--only", help="run only the inputs whose name contains this text")
    parser.add_argument("--timeout", type=float, default=300, help="processor seconds a run "
                        "may take")
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 1)
    parser.add_argument("--memory", type=int, default=0, help="MiB of address space a run may "
                        "take (not with sanitizers, which reserve far more)")
    options = parser.parse_args()

    work = Path(tempfile.mkdtemp(prefix="qv-hostile-"))
    try:
        if options.testdata:
            inputs = testdata_inputs()
        else:
            inputs = small_inputs(work) + (large_inputs(work) if options.large else [])
        if options.only:
            inputs = [i for i in inputs if options.only in i[0]]
        wanted = options.outputs.split(",") if options.outputs else [""]
        outputs = [o for o in OUTPUTS if any(w in o[0] for w in wanted)]
        cli = options.wrapper.split() + [options.cli]
        jobs = []
        for n, (input_name, path, root) in enumerate(inputs):
            for m, (output_name, pattern) in enumerate(outputs):
                out_dir = work / f"run-{n}-{m}"
                out_dir.mkdir()
                args = [a.format(file=path, root=root, out=out_dir / "out") for a in pattern]
                jobs.append((input_name, output_name, args, out_dir))
        lock = threading.Lock()

        def one(job):
            """Runs a job and reports it at once, so that a long run shows its progress."""
            input_name, output_name, args, out_dir = job
            outcome, seconds, peak, problem = run(cli, f"{input_name} / {output_name}", args,
                                                  out_dir, options.timeout, options.memory)
            with lock:
                print(f"| {input_name} | {output_name} | {outcome} | {seconds:.1f} s CPU | "
                      f"{peak:.0f} MiB |", flush=True)
                if problem:
                    print(problem, file=sys.stderr, flush=True)
            return problem is not None

        # Big runs one at a time, so that their peak memory is their own.
        workers = 1 if options.large else options.jobs
        with concurrent.futures.ThreadPoolExecutor(workers) as pool:
            failures = sum(pool.map(one, jobs))
        print(f"{len(jobs) - failures} passed, {failures} failed")
        return 1 if failures else 0
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
