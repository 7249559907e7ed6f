"""Shared fixtures: the examples, the command-line tool and random models built through the module."""
import csv
import io
import os
import random
import subprocess
from pathlib import Path

import pytest

import ubic

EXAMPLES = Path(os.environ.get("UBIC_EXAMPLES", Path(__file__).parents[2] / "examples"))
CLI = os.environ.get("UBIC_CLI", "ubic-cli")


@pytest.fixture
def car():
    return ubic.load(str(EXAMPLES / "car.ubm"))


def top_over_a_and_b():
    """Top (bad, ok, good) over A (lo, hi) and B (lo, mid, hi), without rules or options."""
    model = ubic.Model()
    top = model.root
    top.name = "Top"
    top.set_scale(["bad", "ok", "good"])
    model.add_attribute(top, "A").set_scale(["lo", "hi"])
    model.add_attribute(top, "B").set_scale(["lo", "mid", "hi"])
    return model


def run_cli(*args):
    """Runs ubic-cli and returns its standard output; a failure fails the test."""
    done = subprocess.run([CLI, *map(str, args)], capture_output=True, text=True, check=False)
    assert done.returncode == 0, done.stderr
    return done.stdout


def cli_rows(*args, codes=(0,)):
    """The CSV rows ubic-cli prints and its exit status, which must be one of codes."""
    done = subprocess.run([CLI, *map(str, args)], capture_output=True, text=True, check=False)
    assert done.returncode in codes, done.stderr
    return list(csv.reader(io.StringIO(done.stdout))), done.returncode


def cli_evaluation(model_file, options_file=None):
    """The rows of `ubic-cli evaluate --csv --rows`: one dict per option."""
    args = ["evaluate", model_file, "--csv", "--rows"]
    if options_file:
        args += ["--options", options_file]
    rows = list(csv.reader(io.StringIO(run_cli(*args))))
    header = rows[0]
    return [dict(zip(header[1:], row[1:])) for row in rows[1:]]


def write_options_csv(path, names, rows):
    with open(path, "w", newline="", encoding="utf-8") as file:
        writer = csv.writer(file)
        writer.writerow(["Option", *names])
        for k, row in enumerate(rows):
            writer.writerow([f"o{k}", *(row.get(name, "") for name in names)])


def random_model(seed):
    """A model of two levels with random scales and a few random rules, built by the module."""
    rng = random.Random(seed)
    model = ubic.Model()
    top = model.root
    top.name = "Top"
    top.set_scale(["t0", "t1", "t2"])
    parents = [top]
    for g in range(rng.randint(1, 2)):
        group = model.add_attribute(top, f"G{g}")
        group.set_scale([f"g{g}v{v}" for v in range(rng.randint(2, 4))])
        parents.append(group)
        for b in range(rng.randint(1, 3)):
            basic = model.add_attribute(group, f"B{g}{b}")
            count = rng.randint(2, 4)
            basic.set_scale([f"b{g}{b}v{v}" for v in range(count)],
                            order=rng.choice(["ascending", "descending", "none"]))
    for parent in reversed(parents):
        counts = [len(i.scale) for i in parent.inputs]
        for _ in range(rng.randint(1, 4)):
            inputs = [rng.randrange(c) for c in counts]
            value = rng.randrange(len(parent.scale))
            parent.enter_rule(inputs, value)
    return model


def random_options(model, rng, count):
    """Options as value texts: single values, sets, "*" and empty cells."""
    rows = []
    for _ in range(count):
        row = {}
        for attribute in model.basic_attributes:
            names = attribute.scale.names
            pick = rng.random()
            if pick < 0.1:
                row[attribute.name] = rng.choice(["*", ""])
            elif pick < 0.25:
                row[attribute.name] = ";".join(rng.sample(names, 2))
            else:
                row[attribute.name] = rng.choice(names)
        rows.append(row)
    return rows
