#!/usr/bin/env python3
"""Checks that the test suite still catches a list of known faults.

Each line of a list in tests/mutations/*.tsv names one fault to plant:

    FILE <TAB> TEXT <TAB> REPLACEMENT <TAB> TEST-TARGET [<TAB> GTEST-FILTER]

TEXT must occur exactly once in FILE ("\\n" and "\\t" stand for a line break
and a tab). For each line the script plants the fault, rebuilds the test
target, runs it and expects it to fail, then restores the file. Lines starting
with "#" are comments. Usage:

    python3 scripts/mutation-check.py [--build DIR] [LIST.tsv ...]
"""
import argparse
import os
import pathlib
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent


def unescape(text):
    return text.replace("\\n", "\n").replace("\\t", "\t")


def read_lists(paths):
    for path in paths:
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            if not line.strip() or line.startswith("#"):
                continue
            fields = line.split("\t")
            if len(fields) not in (4, 5):
                sys.exit(f"{path}:{number}: expected 4 or 5 tab-separated fields")
            yield f"{path.name}:{number}", fields


def run(cmd, **kw):
    # Test output may hold CP932 bytes, which are not UTF-8.
    return subprocess.run(cmd, cwd=ROOT, capture_output=True, text=True, errors="replace", **kw)


def find_executable(build, target):
    for found in (ROOT / build).rglob(target):
        if found.is_file() and os.access(found, os.X_OK):
            return found
    return None


def check(build, where, fields):
    file, text, replacement, target = fields[:4]
    gtest_filter = fields[4] if len(fields) == 5 else None
    source = ROOT / file
    original = source.read_text(encoding="utf-8")
    text, replacement = unescape(text), unescape(replacement)
    if original.count(text) != 1:
        return "BAD LINE", f"text occurs {original.count(text)} times in {file}"
    try:
        source.write_text(original.replace(text, replacement), encoding="utf-8")
        built = run(["cmake", "--build", build, "--target", target])
        if built.returncode != 0:
            return "BAD LINE", "the planted fault does not build"
        exe = find_executable(build, target)
        if exe is None:
            return "BAD LINE", f"no executable {target} under {build}"
        cmd = [str(exe)] + ([f"--gtest_filter={gtest_filter}"] if gtest_filter else [])
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        try:
            result = run(cmd, env=env, timeout=600)
            failed = result.returncode != 0
        except subprocess.TimeoutExpired:
            failed = True
        return ("caught", "") if failed else ("SURVIVED", "")
    finally:
        source.write_text(original, encoding="utf-8")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default="build/release")
    parser.add_argument("lists", nargs="*", type=pathlib.Path)
    args = parser.parse_args()
    lists = args.lists or sorted((ROOT / "tests" / "mutations").glob("*.tsv"))
    counts = {}
    targets = set()
    for where, fields in read_lists(lists):
        targets.add(fields[3])
        verdict, detail = check(args.build, where, fields)
        counts[verdict] = counts.get(verdict, 0) + 1
        print(f"{verdict:9} {where}  {fields[0]}: {fields[1][:60]!r}  {detail}", flush=True)
    # Rebuild the unmutated sources so the build tree matches the checkout again.
    run(["cmake", "--build", args.build, "--target", *sorted(targets)])
    print(", ".join(f"{n} {v}" for v, n in sorted(counts.items())))
    return 0 if set(counts) <= {"caught"} else 1


if __name__ == "__main__":
    sys.exit(main())
