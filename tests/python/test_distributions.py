"""Options with weights: evaluated by "prob" and "fuzzy" as ubic-cli evaluates them, in every form
a script gives options, and as arrays of weights."""
import csv
import io
import random
import warnings

import numpy as np
import pandas as pd
import pytest

import ubic
from conftest import random_model, random_options, run_cli, write_options_csv


def random_weights(model, rng, count):
    """Options whose values are weights (mappings), texts of weights, sets, "*" or single values."""
    rows = random_options(model, rng, count)
    for row in rows:
        for attribute in model.basic_attributes:
            names = attribute.scale.names
            pick = rng.random()
            if pick < 0.3:
                chosen = rng.sample(names, rng.randint(1, len(names)))
                row[attribute.name] = {name: rng.choice([0, 0.5, 1, 2.25]) for name in chosen}
                if not any(row[attribute.name].values()):
                    row[attribute.name][chosen[0]] = 3
            elif pick < 0.4:
                row[attribute.name] = f"{names[-1]}=0.1;{names[0]}=0.9"
    return rows


def as_text(value):
    return ";".join(f"{name}={weight}" for name, weight in value.items()) if isinstance(
        value, dict) else value


def rounded(results):
    """Results as the tool writes them: weights to 4 decimals, those that round to 0 left out."""
    def text(value):
        return ";".join(f"{name}={round(weight, 4):.4f}".rstrip("0").rstrip(".")
                        for name, weight in value.items() if round(weight, 4) > 0)
    return [{a: text(v) for a, v in row.items()} for row in results]


def tool_results(model, rows, method, tmp_path):
    """The rows of `ubic-cli evaluate --method METHOD --csv --rows` on the options given."""
    model_file = tmp_path / "model.ubm"
    model.save(str(model_file))
    names = [a.name for a in model.basic_attributes]
    options_file = tmp_path / "options.csv"
    write_options_csv(options_file, names, [{k: as_text(v) for k, v in row.items()}
                                            for row in rows])
    table = list(csv.reader(io.StringIO(run_cli(
        "evaluate", model_file, "--options", options_file, "--method", method, "--csv", "--rows"))))
    return [dict(zip(table[0][1:], row[1:])) for row in table[1:]]


@pytest.mark.parametrize("method", ["sets", "prob", "fuzzy"])
@pytest.mark.parametrize("seed", range(3))
def test_weights_in_every_form_are_evaluated_as_the_tool_does(tmp_path, seed, method):
    model = random_model(seed)
    rows = random_weights(model, random.Random(seed), 30)
    expected = tool_results(model, rows, method, tmp_path)
    given = model.evaluate(rows, method=method)
    assert (given if method == "sets" else rounded(given)) == expected
    frame = pd.DataFrame(rows, index=[f"o{k}" for k in range(len(rows))])
    from_frame = model.evaluate(frame, method=method)
    assert list(from_frame.index) == list(frame.index)
    assert from_frame.to_dict("records") == given
    assert model.evaluate(rows[-1], method=method) == given[-1]


def test_a_hand_checked_option_by_both_methods(car):
    option = {"Price": "up to 15000", "Running costs": "low", "Safety": {"medium": 0.3, "high": 0.7},
              "Comfort": "basic", "Boot size": "small"}
    prob = car.evaluate(option, method="prob")
    assert prob["TECHNICAL"] == pytest.approx({"poor": 0.3, "adequate": 0.7})
    assert prob["CAR"] == pytest.approx({"unacceptable": 0.3, "good": 0.7})
    assert list(prob["CAR"]) == ["unacceptable", "good"]    # scale order
    fuzzy = car.evaluate(option, method="fuzzy")
    assert fuzzy["CAR"] == pytest.approx({"unacceptable": 0.3 / 0.7, "good": 1.0})
    assert car.evaluate(option)["CAR"] == "unacceptable;good"


def test_a_frame_of_results_evaluates_again_to_itself(car):
    results = car.to_frame(method="prob")
    assert car.evaluate(results, method="prob").equals(results)
    assert results.to_dict("records") == car.evaluate(method="prob")


def test_weights_set_on_the_model_are_kept_undone_saved_and_imported(car, tmp_path):
    before = car.evaluate(method="prob")
    car.set_option_value("Used SUV", "Safety", {"low": 1, "high": 3})
    car.set_option_value(0, "Price", "15000-25000=0.5; up to 15000=0.5")
    assert car.option_values("Used SUV")["Safety"] == {"low": 1.0, "high": 3.0}
    assert car.option_values(0)["Price"] == {"up to 15000": 0.5, "15000-25000": 0.5}
    assert car.evaluate(method="prob")[-1]["Safety"] == {"low": 0.25, "high": 0.75}
    index = car.add_option("New", {"Safety": {"medium": 2}, "Price": "over 35000"})
    assert car.option_values(index)["Safety"] == {"medium": 2.0}

    saved = tmp_path / "weighted.ubm"
    car.save(str(saved))
    assert ubic.load(saved).evaluate(method="fuzzy") == car.evaluate(method="fuzzy")
    car.export_options(str(tmp_path / "options.csv"))
    values = [car.option_values(k) for k in range(len(car.options))]
    car.import_options(str(tmp_path / "options.csv"))
    assert [car.option_values(k) for k in range(len(car.options))] == values

    for _ in range(4):
        car.undo()
    assert car.evaluate(method="prob") == before
    assert car.option_values("Used SUV")["Safety"] == "medium;high"


@pytest.mark.parametrize("value, message", [
    ({"medium": 1, "hihg": 2}, 'unknown value "hihg"'),
    ({"medium": -1}, 'the weight "-1.0" is not a non-negative number'),
    ({"medium": "much"}, 'the weight "much" is not a non-negative number'),
    ({"medium": 0, "high": 0.0}, "zero"),
    ("medium=1;Medium=1", "named twice"),
])
def test_bad_weights_name_option_attribute_and_text_and_change_nothing(car, value, message):
    before = car.evaluate()
    frame = pd.DataFrame({"Safety": ["low", value]}, index=["first", "second"])
    with pytest.raises(ubic.ModelError, match='Option "second", attribute "Safety": ') as raised:
        car.evaluate(frame, method="prob")
    assert message in str(raised.value)
    assert str(raised.value).endswith('"' + (value if isinstance(value, str) else ";".join(
        f"{name}={weight if isinstance(weight, str) else float(weight)}"
        for name, weight in value.items())) + '"')
    with pytest.raises(ubic.ModelError, match='Option "Used SUV", attribute "Safety"'):
        car.set_option_value("Used SUV", "Safety", value)
    assert car.evaluate() == before
    assert not car.modified


def test_analyses_warn_of_the_weights_they_read_as_sets(car):
    with warnings.catch_warnings():
        warnings.simplefilter("error")
        car.explain(0)
    car.set_option_value(0, "Comfort", {"basic": 1, "comfortable": 1})
    car.set_option_value(0, "Safety", {"high": 1})
    for analysis in (car.explain, car.sensitivity,
                     lambda option: car.target(option, at_least="good")):
        with pytest.warns(ubic.DistributionWarning,
                          match='Option "Compact Hatchback" holds weights on "Safety", '
                                '"Comfort": the analysis reads each as the set'):
            analysis(0)


def weights_array(model, rows):
    """Options as evaluate_distributions takes them: a row of weights per basic attribute."""
    width = max(len(a.scale) for a in model.basic_attributes)
    array = np.zeros((len(rows), len(model.basic_attributes), width))
    for k, row in enumerate(rows):
        for j, attribute in enumerate(model.basic_attributes):
            value = row.get(attribute.name, "")
            names = attribute.scale.names
            if isinstance(value, dict):
                for name, weight in value.items():
                    array[k, j, names.index(name)] = weight
            elif "=" in value:
                for part in value.split(";"):
                    name, weight = part.split("=")
                    array[k, j, names.index(name)] = float(weight)
            elif value not in ("", "*"):
                for name in value.split(";"):
                    array[k, j, names.index(name)] = 1
    return array


@pytest.mark.parametrize("method", ["prob", "fuzzy"])
@pytest.mark.parametrize("seed", range(3))
def test_arrays_of_weights_are_evaluated_as_options_are(seed, method):
    model = random_model(seed)
    rows = random_weights(model, random.Random(seed), 40)
    expected = model.evaluate(rows, method=method)
    # Enough options for several threads, each of the rows many times over.
    repeats = 1000
    array = np.tile(weights_array(model, rows), (repeats, 1, 1))
    results = model.evaluate_distributions(array.astype(np.float32) if seed == 0 else array,
                                           method=method)
    aggregates = model.aggregate_attributes
    assert results.shape == (len(rows) * repeats, len(aggregates),
                             max(len(a.scale) for a in aggregates))
    for k in (0, len(rows) - 1, len(rows) * repeats - 1):
        for c, attribute in enumerate(aggregates):
            weights = expected[k % len(rows)][attribute.name]
            got = results[k, c]
            assert got[len(attribute.scale):].tolist() == [0.0] * (len(got) - len(attribute.scale))
            assert {name: got[v] for v, name in enumerate(attribute.scale.names)
                    if got[v] > 0} == pytest.approx(weights, abs=1e-6 if seed == 0 else 1e-12)
    assert (results.reshape(repeats, len(rows), *results.shape[1:]) == results[:len(rows)]).all()


@pytest.mark.parametrize("place, weight, message", [
    ((-1, -1, 0), -0.5, 'Option 49, attribute "Boot size": the weight -0.5 of "small" is not'),
    ((3, 0, 2), np.nan, 'Option 3, attribute "Price": the weight nan of "25000-35000" is not'),
    ((7, 3, 2), 1.0, "Option 7, attribute \"Comfort\": the weight 1.0 of value 2 is beyond the "
                     "scale's 2 values"),
])
def test_bad_arrays_of_weights_name_option_attribute_and_value(car, place, weight, message):
    array = np.zeros((50, 5, 4))
    array[place] = weight
    with pytest.raises(ubic.ModelError, match=message):
        car.evaluate_distributions(array)


def test_arrays_of_the_wrong_shape_or_method_raise(car):
    with pytest.raises(ValueError, match="5 basic attributes and 4 weights"):
        car.evaluate_distributions(np.zeros((2, 5, 3)))
    with pytest.raises(ValueError, match="prob"):
        car.evaluate_distributions(np.zeros((2, 5, 4)), method="sets")
    with pytest.raises(ValueError, match='Unknown method "probability"'):
        car.evaluate(method="probability")
    # A row of zeros is undefined: every value alike.
    undefined = car.evaluate({}, method="prob")
    results = car.evaluate_distributions(np.zeros((1, 5, 4)))
    top = car.aggregate_attributes[0]
    assert top.name == "CAR"
    assert {name: weight for name, weight in zip(top.scale.names, results[0, 0])
            if weight > 0} == pytest.approx(undefined["CAR"])
