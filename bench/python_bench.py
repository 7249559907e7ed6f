#!/usr/bin/env python3
"""Speed of the Python module on the batch model (20 basic and 11 aggregate attributes):
evaluate_codes on millions of options, evaluate on a DataFrame of 100,000 options, and one
million options in four CSV files read and evaluated by one process and by a local Dask cluster of
two worker processes. The clock's times count what other programs take of the processors; the
processor times do not.

    PYTHONPATH=build/python /usr/bin/python3 bench/python_bench.py build/bench/make-cli-inputs
"""
import sys
import tempfile
import time
import subprocess
from pathlib import Path

import numpy as np
import pandas as pd

import ubic


def best_of(runs, work):
    """The shortest of several runs, in seconds of the clock and of the process's processors."""
    times = []
    for _ in range(runs):
        start, cpu = time.perf_counter(), time.process_time()
        work()
        times.append((time.perf_counter() - start, time.process_time() - cpu))
    return min(times)


def main():
    make_inputs = sys.argv[1] if len(sys.argv) > 1 else "build/bench/make-cli-inputs"
    with tempfile.TemporaryDirectory() as folder:
        model_file = Path(folder) / "batch.ubm"
        options_file = Path(folder) / "options.csv"
        subprocess.run([make_inputs, model_file, options_file, "100000"], check=True)
        model = ubic.load(str(model_file))
        counts = [len(a.scale) for a in model.basic_attributes]
        print(f"model: {len(counts)} basic, {len(model.aggregate_attributes)} aggregate attributes")

        start = time.perf_counter()
        model.evaluate_codes(np.zeros((1, len(counts)), dtype=np.int8))
        print(f"evaluate_codes, first call (its tables): {time.perf_counter() - start:.3f} s")
        rng = np.random.default_rng(1)
        for name, low in (("single values", 0), ("with undefined", -1)):
            n = 5_000_000
            codes = np.stack([rng.integers(low, c, size=n, dtype=np.int8) for c in counts], axis=1)
            seconds, cpu = best_of(3, lambda: model.evaluate_codes(codes))
            print(f"evaluate_codes, {name}: {n / seconds / 1e6:.1f} million options/s "
                  f"({n / cpu / 1e6:.1f} million per processor second)")

        frame = pd.read_csv(options_file, index_col=0, dtype=str)
        fresh = ubic.load(str(model_file))
        seconds, _ = best_of(1, lambda: fresh.evaluate(frame))
        print(f"evaluate, DataFrame of {len(frame)} rows, first call: {seconds:.3f} s")
        seconds, cpu = best_of(3, lambda: model.evaluate(frame))
        print(f"evaluate, DataFrame of {len(frame)} rows: {seconds:.3f} s ({cpu:.3f} s of processors)")
        cluster_against_one_process(model, frame, Path(folder))


def cluster_against_one_process(model, frame, folder):
    """Options per second of reading CSV shards and evaluating them, in this process and on a
    local cluster of two worker processes (started beforehand, not counted)."""
    try:
        import dask.dataframe as dd
        from dask.distributed import Client, LocalCluster
    except ImportError:
        print("cluster: skipped, python3-dask and python3-distributed are not installed")
        return
    shards = 4
    whole = pd.concat([frame] * 10, ignore_index=True)
    for k, part in enumerate(np.array_split(whole, shards)):
        part.to_csv(folder / f"part-{k}.csv", index=False)
    files = sorted(folder.glob("part-*.csv"))

    def one_process():
        for file in files:
            model.evaluate(pd.read_csv(file, dtype=str, keep_default_na=False))

    seconds, _ = best_of(2, one_process)
    print(f"one process, {len(whole)} options from {shards} CSV files: "
          f"{len(whole) / seconds / 1e6:.2f} million options/s")
    with LocalCluster(n_workers=2, threads_per_worker=1, processes=True,
                      dashboard_address=None) as cluster, Client(cluster) as client:
        client.wait_for_workers(2)
        options = dd.read_csv(str(folder / "part-*.csv"), dtype=str, keep_default_na=False)
        meta = model.evaluate(pd.DataFrame(columns=options.columns, dtype=str))
        seconds, _ = best_of(2, lambda: options.map_partitions(model.evaluate, meta=meta)
                             .map_partitions(len).compute())
    print(f"two workers, the same files: {len(whole) / seconds / 1e6:.2f} million options/s")

if __name__ == "__main__":
    main()
