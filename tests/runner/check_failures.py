#!/usr/bin/env python3
"""Runs the scenario runner on FILE and checks that exactly the lines followed by a
"# fails: REASON" comment failed, each with that reason, that the rest passed, and
that the runner reached the end of the file.

usage: check_failures.py RUNNER FILE
"""
import re
import subprocess
import sys


def expected_failures(path):
    wanted, last_command = [], None
    with open(path, encoding="utf-8") as source:
        for number, line in enumerate(source, 1):
            stripped = line.strip()
            match = re.fullmatch(r"# fails: (.*)", stripped)
            if match:
                wanted.append(f"{path}:{last_command}: {match.group(1)}")
            elif stripped and not stripped.startswith("#"):
                last_command = number
    return wanted


def main():
    runner, path = sys.argv[1], sys.argv[2]
    wanted = expected_failures(path)
    run = subprocess.run([runner, path], capture_output=True, text=True, timeout=300)
    lines = run.stdout.splitlines()
    got, summary = lines[:-1], lines[-1] if lines else "<nothing>"
    problems = []
    for line in sorted(set(wanted) - set(got)):
        problems.append(f"missing: {line}")
    for line in sorted(set(got) - set(wanted)):
        problems.append(f"unexpected: {line}")
    if not re.fullmatch(rf"\d+ passed, {len(wanted)} failed", summary):
        problems.append(f"summary: expected {len(wanted)} failed, got {summary!r}")
    if run.returncode != 1:
        problems.append(f"exit status {run.returncode}, expected 1; stderr:\n{run.stderr}")
    for p in problems:
        print(p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
