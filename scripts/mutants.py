#!/usr/bin/env python3
"""Tells which faults the tests miss, by mutation testing.

Draws a random sample of mutants of the code (one small change each: a comparison moved to its
neighbour, && and || swapped, binary + and - swapped, true and false swapped, an integer constant
plus one), builds each one and runs the tests on it. A mutant the tests fail on is killed; one they
pass is survived. Mutants that do not build are reported and replaced by the next draw, so a sample
of N holds N mutants that built.

The developer's tree is never touched: the script works on a copy of the repository's files (tracked
ones and new ones git does not ignore, as they are in the working tree) under build/mutants/src, with
its own incremental builds kept between runs: Release in build/mutants/build, and with the address and
undefined-behaviour sanitizers in build/mutants/asan. CI runs the tests in both, so a mutant the
Release tests pass is tested again with the sanitizers, which catch what only corrupts memory or
relies on undefined behaviour, such as a loop that writes one element past an array.

Only the test programs a mutant can affect are run. CMake's file API gives the target graph (link
and build-order dependencies, the latter covering the plug-in module and the program that tests load
at run time); after each build the executables and shared libraries whose bytes changed decide which
test programs depend on the change. A mutant that changes no binary at all survives without a test
run: the unmutated tests passed on exactly those binaries.
"""

from __future__ import annotations

import argparse
import bisect
import fcntl
import fnmatch
import hashlib
import json
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import time
from dataclasses import dataclass
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
WORK = ROOT / "build" / "mutants"
SRC = WORK / "src"

CODE_DIRS = ("Voxtrel", "common", "host", "app", "platform")
CODE_SUFFIXES = (".cpp", ".cc", ".c", ".h", ".hpp", ".hh", ".inl")
JOBS = os.environ.get("JOBS", "2")

# --- Finding mutants ------------------------------------------------------------------------------

OPERATORS = sorted(
    "<<= >>= <=> ->* ... :: -> ++ -- << >> <= >= == != && || += -= *= /= %= &= |= ^= .*".split(),
    key=len,
    reverse=True,
)
# Binary operators only: the code is clang-formatted, so these stand with whitespace on both sides,
# while template brackets, unary signs and rvalue references do not.
SPACED_SWAPS = {
    "<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "==",
    "&&": "||", "||": "&&", "+": "-", "-": "+", "+=": "-=", "-=": "+=",
}
WORD_SWAPS = {"true": "false", "false": "true"}
RAW_STRING_PREFIXES = {"R", "u8R", "uR", "UR", "LR"}
IDENTIFIER = re.compile(r"[A-Za-z_]\w*")
PP_NUMBER = re.compile(r"\.?\d(?:[eEpP][+-]|'[0-9A-Za-z_]|[0-9A-Za-z_.])*")
INTEGER = re.compile(r"(0[xX][0-9A-Fa-f']+|0[bB][01']+|\d[\d']*)([A-Za-z_]*)")


def tokens(text: str):
    """Yields (offset, token, kind) for the code of a C++ file, kind being "id", "num" or "op".

    Comments, string and character literals and preprocessor lines are skipped."""
    i, n = 0, len(text)
    line_start = True  # only whitespace since the last newline
    while i < n:
        c = text[i]
        if c == "\n":
            line_start = True
            i += 1
            continue
        if c.isspace():
            i += 1
            continue
        if c == "#" and line_start:
            while i < n and (text[i] != "\n" or text[i - 1] == "\\"):
                i += 1
            continue
        line_start = False
        if text.startswith("//", i):
            i = text.find("\n", i)
            i = n if i < 0 else i
        elif text.startswith("/*", i):
            end = text.find("*/", i + 2)
            i = n if end < 0 else end + 2
        elif c == '"' or c == "'":
            i = _skip_quoted(text, i)
        elif m := IDENTIFIER.match(text, i):
            word = m.group()
            if word in RAW_STRING_PREFIXES and text.startswith('"', m.end()):
                i = _skip_raw_string(text, m.end())
                continue
            yield i, word, "id"
            i = m.end()
        elif m := PP_NUMBER.match(text, i):
            yield i, m.group(), "num"
            i = m.end()
        else:
            op = next((o for o in OPERATORS if text.startswith(o, i)), c)
            yield i, op, "op"
            i += len(op)


def _skip_quoted(text: str, i: int) -> int:
    quote, i = text[i], i + 1
    while i < len(text) and text[i] not in (quote, "\n"):
        i += 2 if text[i] == "\\" else 1
    return i + 1


def _skip_raw_string(text: str, quote: int) -> int:
    paren = text.find("(", quote)
    end = text.find(")" + text[quote + 1 : paren] + '"', paren)
    return len(text) if end < 0 else end + paren - quote + 1


def plus_one(literal: str) -> str | None:
    """The integer literal plus one, in the same base and with the same suffix; None for others."""
    m = INTEGER.fullmatch(literal)
    if not m:
        return None
    digits, suffix = m.group(1).replace("'", ""), m.group(2)
    if suffix.lower().startswith(("e", "f")) and not digits.lower().startswith("0x"):
        return None  # a floating-point literal such as 1e5 or 2f
    if digits[:2].lower() == "0x":
        style = "X" if any(ch.isupper() for ch in digits[2:]) else "x"
        return digits[:2] + format(int(digits, 16) + 1, f"0{len(digits) - 2}{style}") + suffix
    if digits[:2].lower() == "0b":
        return digits[:2] + format(int(digits[2:], 2) + 1, "b") + suffix
    if len(digits) > 1 and digits[0] == "0":
        return "0" + format(int(digits, 8) + 1, "o") + suffix
    return str(int(digits) + 1) + suffix


@dataclass(frozen=True)
class Mutant:
    path: str  # relative to the repository
    offset: int  # in the decoded text
    before: str
    after: str
    line: int
    column: int
    line_text: str

    def where(self) -> str:
        return f"{self.path}:{self.line}"

    def change(self) -> str:
        """The mutated code in context, before -> after."""
        start = self.column - 1
        left = self.line_text[:start].lstrip()
        right = self.line_text[start + len(self.before) :].rstrip()
        if len(left) > 32:
            cut = left[-32:]
            left = "..." + (cut.split(" ", 1)[1] if " " in cut[:-8] else cut)
        if len(right) > 32:
            cut = right[:32]
            right = (cut.rsplit(" ", 1)[0] if " " in cut[8:] else cut) + "..."
        return f"{left}{self.before}{right}  ->  {left}{self.after}{right}"


def mutants_of(path: str, text: str) -> list[Mutant]:
    line_starts = [0] + [m.end() for m in re.finditer("\n", text)]
    found = []
    for offset, tok, kind in tokens(text):
        after = None
        if kind == "op" and tok in SPACED_SWAPS:
            end = offset + len(tok)
            if offset > 0 and text[offset - 1].isspace() and end < len(text) and text[end].isspace():
                after = SPACED_SWAPS[tok]
        elif kind == "id":
            after = WORD_SWAPS.get(tok)
        elif kind == "num":
            after = plus_one(tok)
        if after is None:
            continue
        index = bisect.bisect_right(line_starts, offset) - 1
        start = line_starts[index]
        end = text.find("\n", start)
        line_text = text[start : len(text) if end < 0 else end]
        found.append(Mutant(path, offset, tok, after, index + 1, offset - start + 1, line_text))
    return found


def code_files(root: Path, globs: list[str]) -> list[str]:
    files = []
    for rel in repository_files(root):
        if rel.startswith(tuple(d + "/" for d in CODE_DIRS)) and rel.endswith(CODE_SUFFIXES):
            if not globs or any(fnmatch.fnmatch(rel, g) for g in globs):
                files.append(rel)
    return sorted(files)


def repository_files(root: Path) -> list[str]:
    out = subprocess.run(
        ["git", "-C", str(root), "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
        check=True, capture_output=True,
    ).stdout
    return [p for p in sorted(set(out.decode().split("\0"))) if p and (root / p).is_file()]


def read_text(path: Path) -> str:
    return path.read_bytes().decode("utf-8", "surrogateescape")


def draw_order(tree: Path, files: list[str], seed: int) -> list[Mutant]:
    """Every mutant of the files in tree, shuffled by the seed: a sample of N is the first N that
    build, so a smaller sample with the same seed is a prefix of a larger one."""
    candidates = [m for rel in files for m in mutants_of(rel, read_text(tree / rel))]
    random.Random(seed).shuffle(candidates)
    return candidates


# --- Running processes ----------------------------------------------------------------------------


def run(cmd: list[str], timeout: float | None = None, env: dict[str, str] | None = None) -> tuple[int | None, str]:
    """Runs cmd in its own process group, which is ended on timeout or interruption. The status is
    None when the time ran out."""
    proc = subprocess.Popen(cmd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                            errors="replace", start_new_session=True, env=env)
    try:
        out, _ = proc.communicate(timeout=timeout)
        return proc.returncode, out
    except subprocess.TimeoutExpired:
        _end(proc)
        return None, proc.communicate()[0]
    except BaseException:
        _end(proc)
        raise


def _end(proc: subprocess.Popen) -> None:
    for sig, wait in ((signal.SIGTERM, 5), (signal.SIGKILL, None)):
        try:
            os.killpg(proc.pid, sig)
            proc.wait(wait)
            return
        except ProcessLookupError:
            return
        except subprocess.TimeoutExpired:
            continue


class Interrupted(Exception):
    pass


def _interrupt(signum, frame):
    raise Interrupted(signal.Signals(signum).name)


# --- The private copy and its build ---------------------------------------------------------------


def sync_copy() -> None:
    """Makes SRC hold exactly the repository's files as they are in the working tree. Files whose
    content is unchanged keep their time stamps, so the build stays incremental; a file left mutated
    by an interrupted run is put right here too."""
    wanted = set(repository_files(ROOT))
    for rel in sorted(wanted):
        source, copy = ROOT / rel, SRC / rel
        data = source.read_bytes()
        if not copy.is_file() or copy.read_bytes() != data:
            copy.parent.mkdir(parents=True, exist_ok=True)
            copy.write_bytes(data)
            shutil.copymode(source, copy)
    for path in sorted(SRC.rglob("*"), reverse=True):
        rel = path.relative_to(SRC).as_posix()
        if path.is_dir():
            if not any(path.iterdir()):
                path.rmdir()
        elif rel not in wanted:
            path.unlink()


class Tree:
    """One build of the copy with its own tests: the Release build, where every mutant is tested
    first, or the build with the address and undefined-behaviour sanitizers, where a mutant the
    Release tests pass is tested again, since CI runs the tests in both."""

    def __init__(self, name: str, build_type: str, folder: str, env: dict[str, str]) -> None:
        self.name, self.build_type, self.dir = name, build_type, WORK / folder
        self.env = {**os.environ, **env}
        self.graph: TargetGraph | None = None
        self.baseline: dict[str, str] = {}
        self.tests: list[tuple[int, str, Path]] = []
        self.test_timeout, self.limit = 600.0, 0.0

    def configure(self) -> None:
        """Configures like scripts/build.sh, except that warnings never fail a mutant and benchmarks,
        which no test runs, are left out."""
        query = self.dir / ".cmake" / "api" / "v1" / "query" / "codemodel-v2"
        query.parent.mkdir(parents=True, exist_ok=True)
        query.touch()
        cmd = ["cmake", "-S", str(SRC), "-B", str(self.dir), f"-DCMAKE_BUILD_TYPE={self.build_type}",
               "-DVOXTREL_WERROR=OFF", "-DVOXTREL_BUILD_BENCH=OFF"]
        if not (self.dir / "CMakeCache.txt").exists() and shutil.which("ninja"):
            cmd += ["-G", "Ninja"]  # much cheaper than make for the many small rebuilds
        if shutil.which("ccache"):
            cmd += ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache", "-DCMAKE_C_COMPILER_LAUNCHER=ccache"]
        status, out = run(cmd)
        if status != 0:
            sys.exit(f"mutants: configuring {self.dir} failed:\n{out}")

    def build(self, targets: list[str] = ()) -> tuple[bool, str]:
        status, out = run(["cmake", "--build", str(self.dir), "-j", JOBS]
                          + [a for t in targets for a in ("--target", t)])
        return status == 0, out

    def list_tests(self) -> list[tuple[int, str, Path]]:
        """(number, name, program) of every test ctest knows."""
        status, out = run(["ctest", "--test-dir", str(self.dir), "--show-only=json-v1"])
        if status != 0:
            sys.exit(f"mutants: ctest could not list the tests:\n{out}")
        tests = json.loads(out[out.index("{"):])["tests"]
        return [(i + 1, t["name"], Path(t["command"][0]).resolve()) for i, t in enumerate(tests) if t.get("command")]

    def run_tests(self, numbers: list[int] | None, stop_on_failure: bool, test_timeout: float,
                  limit: float | None) -> TestRun:
        cmd = ["ctest", "--test-dir", str(self.dir), "-j", JOBS, "--timeout", f"{test_timeout:.0f}",
               "--no-tests=error"]
        if stop_on_failure:
            cmd.append("--stop-on-failure")
        if numbers is not None:
            cmd += ["-I", "1,0,1," + ",".join(map(str, numbers))]  # an empty range, then the chosen tests
        status, out = run(cmd, timeout=limit, env=self.env)
        failures, slowest, timed_out = [], 0.0, status is None
        for m in RESULT_LINE.finditer(out):
            slowest = max(slowest, float(m.group(5)))
            if not m.group(3):
                failures.append(m.group(2) + KIND_NOTES.get(m.group(4), f" ({m.group(4)})"))
                timed_out |= m.group(4) == "Timeout"
        if timed_out:
            result = "timeout"
        elif status == 0:
            result = "passed"
        else:
            result = "failed"
            if not failures:
                failures.append(out.strip().splitlines()[-1] if out.strip() else f"ctest status {status}")
        return TestRun(result, failures, slowest)

    def prepare(self, started: float) -> bool:
        """Builds the unmutated copy and runs every test on it; False when either fails."""
        self.configure()
        ok, out = self.build()
        if not ok:
            say(out[-4000:])
            say(f"mutants: the unmutated copy does not build ({self.name}); fix that first")
            return False
        self.graph = TargetGraph(self.dir)
        self.baseline = self.graph.hashes()
        self.tests = self.list_tests()
        t0 = time.monotonic()
        base = self.run_tests(None, stop_on_failure=False, test_timeout=1800, limit=None)
        if base.status != "passed":
            say(f"mutants: the unmutated tests are not green ({self.name}, {base.status}): "
                + ", ".join(base.failures[:10]))
            return False
        base_seconds = time.monotonic() - t0
        self.test_timeout = max(10.0, 5 * base.slowest)
        self.limit = 2 * base_seconds + 30
        programs = sorted({p for _, _, p in self.tests})
        known = [p for p in programs if p in self.graph.by_path]
        self.graph.test_programs = [self.graph.by_path[p] for p in known]
        say(f"unmutated, {self.name}: built in {fmt_seconds(t0 - started)}, {len(self.tests)} tests in "
            f"{len(programs)} programs green in {fmt_seconds(base_seconds)}; a mutant's tests time out after "
            f"{self.test_timeout:.0f} s per test or {self.limit:.0f} s in all")
        if len(known) < len(programs):
            say("  (some test programs are not CMake targets, so they run for every mutant)")
        return True


class TargetGraph:
    """The built targets from CMake's file API: what each depends on and where its binary lies."""

    RUNTIME_TYPES = {"EXECUTABLE", "SHARED_LIBRARY", "MODULE_LIBRARY"}

    def __init__(self, build_dir: Path) -> None:
        reply = build_dir / ".cmake" / "api" / "v1" / "reply"
        index = json.loads(max(reply.glob("index-*.json")).read_text())
        model = json.loads((reply / index["reply"]["codemodel-v2"]["jsonFile"]).read_text())
        self.deps: dict[str, set[str]] = {}
        self.binary: dict[str, Path] = {}  # runtime targets only: static libraries are linked in
        self.source_dir: dict[str, str] = {}
        for ref in model["configurations"][0]["targets"]:
            target = json.loads((reply / ref["jsonFile"]).read_text())
            name = target["name"]
            self.deps[name] = {d["id"].split("::")[0] for d in target.get("dependencies", [])}
            self.source_dir[name] = target["paths"]["source"]
            if target["type"] in self.RUNTIME_TYPES and target.get("artifacts"):
                path = Path(target["artifacts"][0]["path"])
                self.binary[name] = path if path.is_absolute() else build_dir / path
        self.by_path = {p.resolve(): t for t, p in self.binary.items()}
        self.test_programs: list[str] = []  # filled in once ctest has listed the tests
        self._hash_cache: dict[Path, tuple[tuple[int, int], str]] = {}

    def closure(self, name: str) -> set[str]:
        seen, todo = set(), [name]
        while todo:
            t = todo.pop()
            if t not in seen:
                seen.add(t)
                todo += self.deps.get(t, ())
        return seen

    def tests_code(self, target: str | None, code_path: str) -> bool:
        """Whether the target's tests sit in the folder of tests/ that mirrors the code's folder."""
        folder = self.source_dir.get(target, "")
        return folder.startswith("tests/") and code_path.startswith(folder[len("tests/") :] + "/")

    def hashes(self) -> dict[str, str]:
        result = {}
        for name, path in self.binary.items():
            try:
                st = path.stat()
            except FileNotFoundError:
                result[name] = "missing"
                continue
            key = (st.st_mtime_ns, st.st_size)
            cached = self._hash_cache.get(path)
            if not cached or cached[0] != key:
                cached = (key, hashlib.blake2b(path.read_bytes(), digest_size=16).hexdigest())
                self._hash_cache[path] = cached
            result[name] = cached[1]
        return result


# --- Tests ----------------------------------------------------------------------------------------

# "Passed", "***Failed", "***Timeout", "***Exception: SegFault", "Subprocess aborted***Exception:", ...
KIND_NOTES = {"Failed": "", "Timeout": "", "Exception": " (crashed)", "Not": " (not run)"}
RESULT_LINE = re.compile(r"Test\s+#(\d+): (\S+) [^\n]*?(?:(Passed)|\*\*\*(\w+)[^\n]*?)\s+([\d.]+) sec")


@dataclass
class TestRun:
    status: str  # "passed", "failed" or "timeout"
    failures: list[str]
    slowest: float  # seconds, of the slowest test that ran to its end


# --- The run --------------------------------------------------------------------------------------


def fmt_seconds(s: float) -> str:
    return f"{s:.0f} s" if s < 120 else f"{s / 60:.1f} min"


def say(text: str = "") -> None:
    print(text, flush=True)


def parse_args() -> argparse.Namespace:
    p = argparse.ArgumentParser(
        description="Mutation testing: builds a random sample of mutants of the code and tells which "
        "ones the tests miss.")
    p.add_argument("--count", type=int, default=40, metavar="N", help="mutants that build (default 40)")
    p.add_argument("--seed", type=int, help="the sample's seed (default: a random one, printed)")
    p.add_argument("--files", action="append", default=[], metavar="GLOB",
                   help="only files matching GLOB, e.g. 'common/core/*' (repeatable)")
    p.add_argument("--list", action="store_true", help="print the sample without building anything")
    p.add_argument("--release-only", action="store_true",
                   help="test in the Release build only, not again with the sanitizers (faster)")
    p.add_argument("--min", type=float, default=0.0, metavar="PERCENT",
                   help="exit status 1 when fewer than PERCENT of the mutants are killed (default 0)")
    args = p.parse_args()
    if args.count < 1:
        p.error("--count must be at least 1")
    if args.seed is None:
        args.seed = random.SystemRandom().randrange(1, 100000)
    return args


@dataclass
class Tally:
    results: list[tuple[Mutant, str, str]]
    unbuilt: int = 0


def main() -> int:
    args = parse_args()
    files = code_files(ROOT, args.files)
    if not files:
        say(f"mutants: no code file matches {' '.join(args.files)}")
        return 2
    if args.list:
        order = draw_order(ROOT, files, args.seed)
        say(f"seed {args.seed}: {len(order)} possible mutants in {len(files)} files; the first "
            f"{min(args.count, len(order))} drawn (a run replaces any that do not build by the next):")
        for m in order[: args.count]:
            say(f"  {m.where()}  {m.change()}")
        return 0

    WORK.mkdir(parents=True, exist_ok=True)
    lock = open(WORK / "lock", "w")
    try:
        fcntl.flock(lock, fcntl.LOCK_EX | fcntl.LOCK_NB)
    except BlockingIOError:
        say(f"mutants: another run is using {WORK}")
        return 2
    for sig in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):
        signal.signal(sig, _interrupt)
    started = time.monotonic()
    tally = Tally([])
    try:
        if subprocess.run(["bash", str(ROOT / "scripts" / "deps.sh")]).returncode != 0:
            say("mutants: installing the packages the build needs failed")
            return 2
        return sample(args, files, tally, started)
    except (KeyboardInterrupt, Interrupted):
        say("\ninterrupted; the mutated file is restored")
        summary(tally, args.count, started, interrupted=True)
        return 130


def sample(args, files: list[str], tally: Tally, started: float) -> int:
    say("preparing the unmutated copy in build/mutants ...")
    sync_copy()
    # Drawn from the copy, which is what gets mutated even if the tree changes meanwhile.
    order = draw_order(SRC, files, args.seed)
    say(f"seed {args.seed}: {len(order)} possible mutants in {len(files)} files")
    # The build folder keeps its old name, so that copies made before the sanitizer build stay incremental.
    trees = [Tree("release", "Release", "build", {})]
    if not args.release_only:
        # The sanitizers' options as scripts/test.sh sets them.
        trees.append(Tree("sanitizers", "Asan", "asan", {
            "ASAN_OPTIONS": os.environ.get("ASAN_OPTIONS", "detect_leaks=1:abort_on_error=1"),
            "UBSAN_OPTIONS": os.environ.get("UBSAN_OPTIONS", "print_stacktrace=1:halt_on_error=1")}))
    for tree in trees:
        if not tree.prepare(time.monotonic()):
            return 2
    say()

    for mutant in order:
        if len(tally.results) == args.count:
            break
        print(f"[{len(tally.results) + 1:>{len(str(args.count))}}/{args.count}] {mutant.where()}  {mutant.change()}  ",
              end="", flush=True)
        outcome = try_mutant(mutant, trees)
        if outcome is None:
            tally.unbuilt += 1
            say("did not build; drawing another")
            continue
        status, detail = outcome
        tally.results.append((mutant, status, detail))
        say(f"{status}  {detail}")
    score = summary(tally, args.count, started)
    return 0 if score >= args.min else 1


def try_mutant(m: Mutant, trees: list[Tree]) -> tuple[str, str] | None:
    """Builds and tests one mutant: (status, detail), or None when it does not build.

    In each tree, the test programs in the folder mirroring the mutated file's are built and run
    first: they are the likeliest to fail, and when they do, the rest of the build (all of it for a
    widely included header) is saved. A mutant killed that way may in rare cases not build elsewhere;
    it still changed what those tests saw. A mutant the Release tests pass is tested again with the
    sanitizers, unless it changed no Release binary: then the code the tests ran is the same."""
    path = SRC / m.path
    original = path.read_bytes()
    text = original.decode("utf-8", "surrogateescape")
    assert text[m.offset : m.offset + len(m.before)] == m.before, f"{m.where()} changed since the draw"
    clock = {"build": 0.0, "test": 0.0, "changed": 0, "tree": 0.0}  # tree: test time in the current tree

    def stage(tree: Tree, ran: set[int], targets: list[str], wanted) -> tuple[str, str] | TestRun | None:
        graph = tree.graph
        t0 = time.monotonic()
        ok, out = tree.build(targets)
        clock["build"] += time.monotonic() - t0
        if not ok:
            # A test program that crashes while listing its tests fails the build after linking.
            return ("killed", "(a test program crashed listing its tests)") if "Error running test" in out else None
        changed = {t for t, h in graph.hashes().items() if h != tree.baseline.get(t)}
        numbers = [n for n, _, prog in tree.tests if n not in ran and wanted(graph.by_path.get(prog))
                   and (prog not in graph.by_path or graph.closure(graph.by_path[prog]) & changed)]
        clock["changed"] = len(changed)  # the full build, which comes last, counts
        if not numbers:
            return TestRun("passed", [], 0.0)
        ran.update(numbers)
        t0 = time.monotonic()
        result = tree.run_tests(numbers, stop_on_failure=True, test_timeout=tree.test_timeout,
                                limit=max(tree.limit - clock["tree"], 1))
        clock["test"] += time.monotonic() - t0
        clock["tree"] += time.monotonic() - t0
        return result

    def tested_in(tree: Tree) -> tuple[tuple[str, str] | TestRun | None, bool]:
        ran: set[int] = set()
        clock["tree"] = 0.0
        near = [t for t in tree.graph.test_programs if tree.graph.tests_code(t, m.path)]
        result = stage(tree, ran, near, lambda target: tree.graph.tests_code(target, m.path)) if near else None
        if not near or isinstance(result, TestRun) and result.status == "passed":
            result = stage(tree, ran, [], lambda target: True)
        return result, bool(ran)

    try:
        path.write_bytes((text[: m.offset] + m.after + text[m.offset + len(m.before) :])
                         .encode("utf-8", "surrogateescape"))
        result, ran = tested_in(trees[0])
        where, changed = "", clock["changed"]
        if isinstance(result, TestRun) and result.status == "passed" and changed and len(trees) > 1:
            result, ran_there = tested_in(trees[1])
            ran, where = ran or ran_there, "with the sanitizers "
            if result is None:
                return "survived", "(builds in Release only; its tests pass there)"
        if result is None or isinstance(result, tuple):
            return result
        times = f"built in {fmt_seconds(clock['build'])}, tested in {fmt_seconds(clock['test'])}"
        if result.status == "passed":
            if not changed:
                return "survived", "(no binary changed)"
            return "survived", f"({times})" if ran else "(no test program depends on the change)"
        if result.status == "timeout":
            what = result.failures[0] if result.failures else "the tests ran out of time"
            return "timeout", f"({where}{what}; {times})"
        return "killed", f"({where}by {result.failures[0]}; {times})"
    finally:
        path.write_bytes(original)


def summary(tally: Tally, count: int, started: float, interrupted: bool = False) -> float:
    results, unbuilt = tally.results, tally.unbuilt
    n = len(results)
    killed = sum(1 for _, s, _ in results if s in ("killed", "timeout"))
    timeouts = sum(1 for _, s, _ in results if s == "timeout")
    score = 100.0 * killed / n if n else 0.0
    say()
    line = f"killed {killed} of {n} ({score:.1f}%)"
    if timeouts:
        line += f", {timeouts} of them by timeout"
    if unbuilt:
        line += f"; {unbuilt} drawn mutants did not build and were replaced"
    if n < count and not interrupted:
        line += f"; only {n} mutants of these files build"
    say(line + f"; {fmt_seconds(time.monotonic() - started)} in all")
    survivors = [(m, d) for m, s, d in results if s == "survived"]
    if survivors:
        say("survivors (the tests pass on these changes):")
        for m, detail in survivors:
            say(f"  {m.where()}  {m.change()}  {detail}")
    return score


if __name__ == "__main__":
    sys.exit(main())
