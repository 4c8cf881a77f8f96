#!/usr/bin/env python3
"""Prints the benchmark table from Google Benchmark's JSON output: operation, size,
median time, ratio to the memchr baseline of the same size, budget, within budget.

Benchmarks are named Operation/MB (the argument is the document size in MB)."""
import json
import sys

# Budgets in milliseconds, for the 10 MB document unless the row says otherwise.
BUDGETS = {
    "Open": 250,
    "ColourDocument": 100,
    "TagsToUpper": 150,
    "TagsToLower": 150,
    "RemoveTags": 150,
    "SpecialToHtml": 150,
    "HtmlToSpecial": 150,
    "ReplaceAll": 200,
    "StatusRefresh": 1,  # at any size
    "TypeAtEnd": 10,  # at 1 and 50 MB
    "BoldAtEnd": 10,  # at 1 and 50 MB
}
ANY_SIZE = {"StatusRefresh", "TypeAtEnd", "BoldAtEnd", "RecolourNearCaret", "GoToLine"}


def main(path):
    data = json.load(open(path))
    rows = {}
    for b in data["benchmarks"]:
        if b.get("aggregate_name", "median") != "median":
            continue
        name = b.get("run_name", b["name"]).split("/")
        op, size = name[0], int(name[1]) if len(name) > 1 and name[1].isdigit() else 0
        unit = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[b.get("time_unit", "ns")]
        rows[(op, size)] = b["real_time"] * unit
    baseline = {size: t for (op, size), t in rows.items() if op == "Baseline_MemchrScan"}
    print(f"{'operation':<22} {'size':>6} {'median':>11} {'x baseline':>11} {'budget':>9} {'within':>7}")
    ok = True
    for (op, size), t in sorted(rows.items()):
        ratio = f"{t / baseline[size]:.2f}" if size in baseline else "-"
        budget = BUDGETS.get(op)
        applies = budget is not None and (size == 10 or op in ANY_SIZE)
        within = "-" if not applies else ("yes" if t <= budget else "no")
        ok &= within != "no"
        print(f"{op:<22} {str(size) + ' MB':>6} {t:>8.3f} ms {ratio:>11} "
              f"{(str(budget) + ' ms') if applies else '-':>9} {within:>7}")
    # Edits at the end of 50 MB must cost no more than twice the same at 1 MB.
    for op in ("TypeAtEnd", "BoldAtEnd"):
        if (op, 1) in rows and (op, 50) in rows:
            growth = rows[(op, 50)] / rows[(op, 1)]
            fine = growth <= 2
            ok &= fine
            print(f"{op}: 50 MB / 1 MB = {growth:.2f} ({'within' if fine else 'over'} the 2x limit)")
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
