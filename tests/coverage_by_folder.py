#!/usr/bin/env python3
"""Lines and branches the tests ran, per source folder, from gcovr's JSON summary."""
import json
import sys
from collections import defaultdict


def folder_of(path):
    parts = path.split("/")
    # src/cli/commands/Upload.cpp is counted with src/cli; tools/panel-sim with itself.
    return "/".join(parts[:2]) if len(parts) > 2 else parts[0]


def percent(covered, total):
    return f"{100.0 * covered / total:5.1f} %" if total else "    -  "


def main(summary_path):
    with open(summary_path, encoding="utf-8") as summary:
        files = json.load(summary)["files"]
    sums = defaultdict(lambda: [0, 0, 0, 0])
    for entry in files:
        for key in (folder_of(entry["filename"]), "all"):
            row = sums[key]
            row[0] += entry["line_covered"]
            row[1] += entry["line_total"]
            row[2] += entry["branch_covered"]
            row[3] += entry["branch_total"]
    print("| folder | lines | branches |")
    print("|---|---:|---:|")
    for folder in sorted(sums, key=lambda name: (name == "all", name)):
        lines_covered, lines, branches_covered, branches = sums[folder]
        print(f"| {folder} | {percent(lines_covered, lines)} of {lines} "
              f"| {percent(branches_covered, branches)} of {branches} |")


if __name__ == "__main__":
    main(sys.argv[1])
