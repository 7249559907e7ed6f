#!/usr/bin/env python3
"""Speed of evaluate_distributions on the batch model (20 basic and 11 aggregate attributes): a
million options whose every other basic attribute holds weights over two neighbouring values, the
others one value, as in ubic-cli's BM_EvaluateRowsProb. Prints options a second, by the clock and
by the process's processors (which the other programs of a busy machine do not take).

    PYTHONPATH=build/python /usr/bin/python3 bench/distributions_bench.py build/bench/make-cli-inputs
"""
import subprocess
import sys
import tempfile
import time
from pathlib import Path

import numpy as np

import ubic


def weights_of(counts, rows, rng):
    """Every other attribute two neighbouring values of random weights, the others one value."""
    weights = np.zeros((rows, len(counts), max(counts)))
    for j, count in enumerate(counts):
        low = rng.integers(0, count - 1 if j % 2 == 0 else count, size=rows)
        weights[np.arange(rows), j, low] = rng.uniform(1, 9, size=rows) if j % 2 == 0 else 1
        if j % 2 == 0:
            weights[np.arange(rows), j, low + 1] = rng.uniform(0.1, 0.9, size=rows)
    return weights


def main():
    make_inputs = sys.argv[1] if len(sys.argv) > 1 else "build/bench/make-cli-inputs"
    rows = 1_000_000
    with tempfile.TemporaryDirectory() as folder:
        model_file = Path(folder) / "batch.ubm"
        subprocess.run([make_inputs, model_file, Path(folder) / "options.csv", "1"], check=True)
        model = ubic.load(str(model_file))
    counts = [len(a.scale) for a in model.basic_attributes]
    print(f"model: {len(counts)} basic, {len(model.aggregate_attributes)} aggregate attributes")
    weights = weights_of(counts, rows, np.random.default_rng(1))
    for method in ("prob", "fuzzy"):
        runs = []
        for _ in range(5):
            start, cpu = time.perf_counter(), time.process_time()
            model.evaluate_distributions(weights, method=method)
            runs.append((time.perf_counter() - start, time.process_time() - cpu))
        seconds, processor = sorted(runs)[len(runs) // 2]
        print(f"evaluate_distributions, {method}: {rows / seconds / 1e6:.2f} million options/s "
              f"(median of 5), {rows / processor / 1e6:.2f} million per processor second")


if __name__ == "__main__":
    main()
