"""Evaluation: the same texts as ubic-cli, in every form a script gives options."""
import csv
import io
import random

import numpy as np
import pandas as pd
import pytest

import ubic
from conftest import (EXAMPLES, cli_evaluation, random_model, random_options, run_cli,
                      write_options_csv)


def test_own_options_are_the_tool_s(car):
    assert car.evaluate() == cli_evaluation(EXAMPLES / "car.ubm")


@pytest.mark.parametrize("seed", range(4))
def test_random_models_and_options_agree_with_the_tool(tmp_path, seed):
    model = random_model(seed)
    model_file = tmp_path / "random.ubm"
    model.save(str(model_file))
    rows = random_options(model, random.Random(seed), 40)
    names = [a.name for a in model.basic_attributes]
    options_file = tmp_path / "options.csv"
    write_options_csv(options_file, names, rows)
    expected = cli_evaluation(model_file, options_file)
    assert model.evaluate(rows) == expected
    frame = pd.DataFrame(rows, columns=names, index=[f"o{k}" for k in range(len(rows))])
    result = model.evaluate(frame)
    assert list(result.index) == list(frame.index)
    assert result.to_dict("records") == expected
    assert model.evaluate(rows[3]) == expected[3]


def test_evaluation_leaves_the_model_as_it_is(car):
    before = car.evaluate()
    car.evaluate({"Price": "up to 15000"})
    assert car.evaluate() == before
    assert not car.modified


def test_missing_cells_are_undefined(car):
    result = car.evaluate([{"Price": "up to 15000"}, {"Safety": None, "Comfort": float("nan")}])
    assert result[0]["Running costs"] == "*"
    assert result[1]["Safety"] == "*"
    assert result[1]["Comfort"] == "*"
    frame = pd.DataFrame({"Price": ["up to 15000", None]})
    assert list(car.evaluate(frame)["Price"]) == ["up to 15000", "*"]


def test_names_match_as_an_options_file_s_do(car):
    """Blanks around names and letter case do not matter while that leaves no choice."""
    loose = car.evaluate({" price": "UP TO 15000 ", "Safety": "High;medium"})
    assert loose == car.evaluate({"Price": "up to 15000", "Safety": "medium;high"})
    assert loose["Price"] == "up to 15000"


def test_unknown_names_raise_model_error(car):
    with pytest.raises(ubic.ModelError, match='Unknown attribute "Colour"'):
        car.evaluate({"Colour": "red"})
    with pytest.raises(ubic.ModelError, match="Unknown attribute value.*cheap.*option 1"):
        car.evaluate([{"Price": "up to 15000"}, {"Price": "cheap"}])
    # Only basic attributes take values.
    with pytest.raises(ubic.ModelError, match='Unknown attribute "CAR"'):
        car.evaluate({"CAR": "good"})


@pytest.mark.parametrize("options", [42, "Price", [1, 2], [{"Price": 5}], {3: "x"}, [[]]])
def test_bad_input_raises_type_error(car, options):
    with pytest.raises(TypeError):
        car.evaluate(options)


def codes_of(model, rows):
    """Value indices of options given by single value names or undefined."""
    basic = model.basic_attributes
    return np.array([[a.scale.names.index(row[a.name]) if row.get(a.name) else -1 for a in basic]
                     for row in rows], dtype=np.int64)


def tool_evaluation(model, rows, tmp_path):
    """The tool's evaluation of rows of value texts on the model."""
    model_file = tmp_path / "model.ubm"
    model.save(str(model_file))
    options_file = tmp_path / "options.csv"
    write_options_csv(options_file, [a.name for a in model.basic_attributes], rows)
    return cli_evaluation(model_file, options_file)


@pytest.mark.parametrize("seed", range(6))
def test_codes_agree_with_the_tool_s_texts(seed, tmp_path):
    # Undefined values make sets of the aggregates below the top, which the top's table takes.
    model = random_model(seed + 10)
    rng = random.Random(seed)
    rows = [{a.name: rng.choice(a.scale.names + [""]) for a in model.basic_attributes}
            for _ in range(300)]
    low, high = model.evaluate_codes(codes_of(model, rows))
    texts = tool_evaluation(model, rows, tmp_path)
    aggregates = model.aggregate_attributes
    assert low.shape == high.shape == (len(rows), len(aggregates))
    for k, row in enumerate(texts):
        for j, attribute in enumerate(aggregates):
            names = attribute.scale.names
            text = row[attribute.name]
            if text == "*":
                assert (low[k, j], high[k, j]) == (-1, -1)
            else:
                values = text.split(";")
                assert names[low[k, j]] == values[0]
                assert names[high[k, j]] == values[-1]


def test_frames_of_single_values_are_the_tool_s(car, tmp_path):
    rng = random.Random(7)
    basic = car.basic_attributes
    rows = [{a.name: rng.choice(a.scale.names + ["", "*"]) for a in basic} for _ in range(300)]
    expected = tool_evaluation(car, rows, tmp_path)
    frame = pd.DataFrame(rows, index=[f"o{k}" for k in range(len(rows))])
    assert car.evaluate(frame).to_dict("records") == expected
    # Categories, None and NaN read as the texts they stand for.
    frame["Price"] = frame["Price"].replace("", None).astype("category")
    frame["Safety"] = frame["Safety"].replace("*", np.nan)
    assert car.evaluate(frame).to_dict("records") == expected
    # A set in one cell, and the rest are read as the model reads them.
    frame.loc["o5", "Running costs"] = "low;medium"
    rows[5]["Running costs"] = "low;medium"
    assert car.evaluate(frame).to_dict("records") == tool_evaluation(car, rows, tmp_path)


def test_frames_keep_attributes_of_the_same_name():
    model = ubic.Model()
    model.root.name = "Top"
    model.root.set_scale(["no", "yes"])
    for name in ("Twin", "Twin"):
        model.add_attribute(model.root, name).set_scale(["lo", "hi"])
    model.root.enter_rule(["lo", "lo"], "no")
    model.root.enter_rule(["hi", "hi"], "yes")
    frame = pd.DataFrame([["hi", "hi"], ["hi", "lo"]], columns=["Twin", "Twin"])
    result = model.evaluate(frame)
    assert list(result.columns) == ["Top", "Twin", "Twin"]
    assert result.values.tolist() == [["yes", "hi", "hi"], ["*", "hi", "lo"]]


def test_rules_out_of_their_scale_are_evaluated_as_the_program_does(tmp_path):
    # A file may give a rule a value its scale lacks: the tenth value of CAR's four.
    text = (EXAMPLES / "car.ubm").read_text(encoding="cp1250")
    odd = tmp_path / "odd.ubm"
    odd.write_text(text.replace("<LOW>023012001</LOW>", "<LOW>023012009</LOW>", 1),
                   encoding="cp1250")
    model = ubic.load(str(odd))
    codes = np.array([[2, 2, 2, 1, 1], [0, 0, 0, 0, 0], [2, 2, 2, 1, -1]])
    low, high = model.evaluate_codes(codes)
    assert [low[0, 0], high[0, 0]] == [9, 9]
    assert model.aggregate_attributes[0].name == "CAR"
    rows = [{a.name: (a.scale.names[c] if c >= 0 else "") for a, c in
             zip(model.basic_attributes, row)} for row in codes]
    texts = tool_evaluation(model, rows, odd.parent)
    assert texts[0]["CAR"] == "10"
    assert [low[2, 0], high[2, 0]] == [0, 9] and texts[2]["CAR"] == "unacceptable;10"
    frame = pd.DataFrame(rows)
    assert model.evaluate(frame).to_dict("records") == texts


def test_codes_of_many_options_in_threads(car):
    rng = np.random.default_rng(3)
    counts = [len(a.scale) for a in car.basic_attributes]
    codes = np.stack([rng.integers(-1, c, size=300_000) for c in counts], axis=1)
    low, high = car.evaluate_codes(codes.astype(np.int32))
    # Rows far apart, evaluated by different threads, agree with evaluating them alone.
    for k in (0, 150_000, 299_999):
        one_low, one_high = car.evaluate_codes(codes[k:k + 1])
        assert (low[k] == one_low[0]).all() and (high[k] == one_high[0]).all()


def test_bad_codes_raise_and_never_crash(car):
    n = len(car.basic_attributes)
    with pytest.raises(ValueError, match='No value 9 in the scale of "Safety" \\(option 1\\)'):
        car.evaluate_codes(np.array([[0] * n, [0, 0, 9, 0, 0]]))
    with pytest.raises(ValueError, match="No value -2"):
        car.evaluate_codes(np.full((1, n), -2))
    # The code one past the last value of each scale, never read past the scale's end.
    for column, attribute in enumerate(car.basic_attributes):
        codes = np.zeros((1, n), dtype=int)
        codes[0, column] = len(attribute.scale)
        with pytest.raises(ValueError, match=f'No value {len(attribute.scale)} in the scale of '
                                             f'"{attribute.name}"'):
            car.evaluate_codes(codes)
    with pytest.raises(ValueError, match="a column for each of the 5"):
        car.evaluate_codes(np.zeros((2, 3), dtype=int))
    with pytest.raises(ValueError, match="two-dimensional"):
        car.evaluate_codes(np.zeros(n, dtype=int))
    with pytest.raises(TypeError, match="integer"):
        car.evaluate_codes(np.zeros((1, n)))
    empty_low, empty_high = car.evaluate_codes(np.zeros((0, n), dtype=np.uint8))
    assert empty_low.shape == (0, 3)


def test_codes_follow_edits(car):
    codes = np.zeros((1, len(car.basic_attributes)), dtype=int)
    before = car.evaluate_codes(codes)[0][0, 0]
    car.root.enter_rule([0, 0], "excellent")
    assert car.evaluate_codes(codes)[0][0, 0] == 3 != before


def test_sensitivity_is_the_tool_s(car):
    rows = list(csv.reader(io.StringIO(run_cli("sensitivity", EXAMPLES / "car.ubm", "--option",
                                               "Family Estate", "--csv"))))
    expected = [dict(zip(rows[0][1:], row[1:])) for row in rows[1:]]
    assert car.sensitivity("Family Estate") == expected
    assert car.sensitivity(1) == expected


@pytest.mark.parametrize("dtype", [np.int8, np.int16, np.int32, np.int64, np.uint8, np.uint64])
def test_codes_of_every_integer_type_agree(car, dtype):
    rng = np.random.default_rng(5)
    counts = [len(a.scale) for a in car.basic_attributes]
    codes = np.stack([rng.integers(0, c, size=50) for c in counts], axis=1)
    expected = car.evaluate_codes(codes.astype(np.int64))
    # A view with steps between its rows is read as well as a packed array.
    wide = np.zeros((50, 2 * len(counts)), dtype=dtype)
    wide[:, ::2] = codes
    for low, high in [car.evaluate_codes(codes.astype(dtype)), car.evaluate_codes(wide[:, ::2])]:
        assert (low == expected[0]).all() and (high == expected[1]).all()


def test_frames_carry_other_columns_and_name_rows_by_their_labels(car):
    frame = pd.DataFrame({"Notes": ["first", "second", "third"],
                          "Price": ["up to 15000", "over 35000", "15000-25000"],
                          "Safety": ["high", "low", "medium"]}, index=[10, 30, 20])
    result = car.evaluate(frame)
    assert list(result.index) == [10, 30, 20]
    assert list(result.columns) == [a.name for a in car.attributes] + ["Notes"]
    assert list(result["Notes"]) == ["first", "second", "third"]
    # An earlier result evaluates again to itself: its aggregate columns are made anew.
    assert car.evaluate(result).equals(result)
    shuffled = result.assign(CAR="stale")
    assert car.evaluate(shuffled).equals(result)
    frame.loc[20, "Price"] = "15000-2500"
    with pytest.raises(ubic.UnknownNameError, match=r'"15000-2500" \(option 20\); did you mean '
                                                     r'"15000-25000"\?') as error:
        car.evaluate(frame)
    assert isinstance(error.value, KeyError)
    assert (error.value.name, error.value.closest) == ("15000-2500", "15000-25000")
    # The label of the middle row of a set, and of a list's row by its place.
    frame.loc[20, "Price"] = "up to 15000;nothing like it"
    with pytest.raises(KeyError, match=r"\(option 20\)") as error:
        car.evaluate(frame)
    assert error.value.name == "nothing like it" and error.value.closest is None
    with pytest.raises(KeyError, match=r"\(option 1\)"):
        car.evaluate([{"Price": "up to 15000"}, {"Price": "cheap"}])


def test_own_options_as_a_frame(car):
    frame = car.to_frame()
    assert list(frame.index) == car.options and frame.index.name == "Option"
    assert frame.loc["Used SUV"].to_dict() == car.evaluate()[-1]
    assert list(frame.columns) == [a.name for a in car.attributes]
