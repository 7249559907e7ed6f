"""Models that travel: pickled and copied with their options, evaluated by other processes and
by a local Dask cluster of two worker processes."""
import copy
import os
import pickle
import subprocess
import sys
from concurrent.futures import ProcessPoolExecutor

import numpy as np
import pandas as pd
import pytest

import ubic


def test_a_model_pickles_and_copies_with_its_options_and_own_name(car, tmp_path):
    car.root.enter_rule([0, 0], "excellent")
    car.set_option_value(-1, "Safety", "low;high")
    car.name = "Cars"
    for travelled in (pickle.loads(pickle.dumps(car)), copy.deepcopy(car), copy.copy(car)):
        assert travelled.evaluate() == car.evaluate()
        assert travelled.options == car.options
        assert travelled.name == "Cars" and travelled.root.function.rules == car.root.function.rules
        # A copy of its own: changing it leaves the original alone.
        travelled.remove_option(0)
        assert len(car.options) == 5
    with pytest.raises(ValueError):
        ubic.Model.__new__(ubic.Model).__setstate__((b"",))


def test_processes_evaluate_what_one_does(car):
    rows = [car.option_values(k) for k in range(len(car.options))]
    with ProcessPoolExecutor(max_workers=2) as pool:
        assert list(pool.map(car.evaluate, rows)) == car.evaluate()


def sanitizer_keeps_workers_from_starting():
    """Under the sanitizers their runtime is preloaded: workers start only if it loads there."""
    if "asan" not in os.environ.get("LD_PRELOAD", ""):
        return False
    done = subprocess.run([sys.executable, "-c", "import ubic, distributed"], check=False,
                          capture_output=True)
    return done.returncode != 0


@pytest.mark.skipif(sanitizer_keeps_workers_from_starting(),
                    reason="the sanitizer runtime does not load into worker processes")
def test_a_cluster_of_two_workers_evaluates_csv_shards_as_one_process_does(car, tmp_path):
    dd = pytest.importorskip("dask.dataframe")
    distributed = pytest.importorskip("dask.distributed")
    rng = np.random.default_rng(11)
    shards, rows = 4, 250_000
    for k in range(shards):
        frame = pd.DataFrame({a.name: rng.choice(a.scale.names + ["", "*"], size=rows)
                              for a in car.basic_attributes})
        # A set of values in the middle of a shard, which the codes cannot give.
        frame.loc[rows // 2, "Safety"] = "medium;high"
        frame.to_csv(tmp_path / f"part-{k}.csv", index=False)
    files = sorted(tmp_path.glob("part-*.csv"))
    single = car.evaluate(pd.concat([pd.read_csv(f, dtype=str, keep_default_na=False)
                                     for f in files], ignore_index=True))
    assert len(single) == shards * rows

    with distributed.LocalCluster(n_workers=2, threads_per_worker=1, processes=True,
                                  dashboard_address=None) as cluster, \
            distributed.Client(cluster) as client:
        client.wait_for_workers(2)
        frame = dd.read_csv(str(tmp_path / "part-*.csv"), dtype=str, keep_default_na=False)
        meta = car.evaluate(pd.DataFrame(columns=frame.columns, dtype=str))
        evaluated = frame.map_partitions(car.evaluate, meta=meta).compute()
        # Two processes of their own, not this one.
        workers = set(client.run(os.getpid).values())
        assert len(workers) == 2 and os.getpid() not in workers
    assert frame.npartitions >= shards
    assert evaluated.reset_index(drop=True).equals(single)
