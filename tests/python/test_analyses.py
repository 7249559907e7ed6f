"""Conflicts, explanations and targets: what ubic-cli check, explain and target find, with the
parts of each answer."""
import pytest

import ubic
from conftest import EXAMPLES, cli_rows, top_over_a_and_b

EXAMPLE_NAMES = ["car", "home", "applicant"]


@pytest.fixture
def small():
    """Top over A (lo, hi) and B (lo, mid, hi), three entered rules, and three options."""
    model = top_over_a_and_b()
    top = model.root
    top.enter_rule(["lo", "lo"], "bad")
    top.enter_rule(["hi", "lo"], "ok")
    top.enter_rule(["hi", "hi"], "good")
    model.add_option("X", {"A": "lo", "B": "mid"})
    model.add_option("Y", {"A": "hi"})
    model.add_option("Z", {"A": "lo;hi", "B": "hi"})
    return model


def saved(model, tmp_path):
    path = tmp_path / "model.ubm"
    model.save(str(path))
    return path


def findings(model):
    return [[f.kind, f.attribute.name, f.details] for f in model.conflicts()]


@pytest.mark.parametrize("name", EXAMPLE_NAMES)
def test_conflicts_are_what_check_finds(name):
    rows, status = cli_rows("check", EXAMPLES / f"{name}.ubm", "--csv", codes=(0, 3))
    found = findings(ubic.load(str(EXAMPLES / f"{name}.ubm")))
    assert found == rows[1:]
    assert (status == 3) == bool(found)


def test_conflicting_rules_and_gaps_are_named(small, tmp_path):
    top = small.root
    top.enter_rule(["hi", "mid"], "bad")
    loose = small.add_attribute(None, "Loose")
    small.add_attribute(loose, "Below")
    found = small.conflicts()
    assert [(f.kind, f.attribute.name) for f in found] == [
        ("conflict", "Top"), ("values missing", "B"), ("no scale", "Loose"),
        ("no function", "Loose"), ("no scale", "Below")]
    # hi;mid is better than hi;lo in B, yet its value is lower.
    conflict = found[0]
    assert (conflict.worse, conflict.better) == (3, 4)
    assert conflict.details == "hi; mid -> bad, though better than hi; lo -> ok in B"
    assert [i.name for i in conflict.inputs] == ["B"]
    top.enter_rule(["lo", "lo"], "ok")
    first, second = small.conflicts()[:2]
    assert (first.worse, first.better, second.worse, second.better) == (0, 4, 3, 4)
    assert [i.name for i in first.inputs] == ["A", "B"]
    assert first.details == "hi; mid -> bad, though better than lo; lo -> ok in A, B"
    found = small.conflicts()
    assert found[-4].options == ["Y"] and found[-4].details == "Y"
    assert found[-4].worse is None and found[-4].inputs == []
    rows, _ = cli_rows("check", saved(small, tmp_path), "--csv", codes=(3,))
    assert findings(small) == rows[1:]



def test_value_names_no_editor_accepts_still_load_and_are_found(tmp_path):
    text = (EXAMPLES / "car.ubm").read_text(encoding="cp1250")
    text = text.replace("<NAME>acceptable</NAME>", "<NAME></NAME>", 1)
    text = text.replace("<NAME>medium</NAME>", "<NAME>LOW</NAME>", 1)
    path = tmp_path / "names.ubm"
    path.write_text(text, encoding="cp1250")
    model = ubic.load(str(path))
    assert model.root.scale.names[1] == ""
    assert [f for f in findings(model) if f[0] == "value names"] == [
        ["value names", "CAR", "Value 2 has no name"],
        ["value names", "COSTS", 'Values 1 "low" and 2 "LOW" differ only in letter case or blanks']]
    rows, _ = cli_rows("check", path, "--csv", codes=(3,))
    assert findings(model) == rows[1:]

@pytest.mark.parametrize("name", EXAMPLE_NAMES)
def test_explanations_are_the_tool_s(name):
    model = ubic.load(str(EXAMPLES / f"{name}.ubm"))
    for option in model.options:
        rows, _ = cli_rows("explain", EXAMPLES / f"{name}.ubm", "--option", option, "--csv")
        explanation = model.explain(option)
        assert explanation.option == option
        assert [list(row.values()) for row in explanation.rows] == rows[1:]
        assert list(explanation.rows[0]) == rows[0]
        # The parts carry the rows' texts, in the rows' order.
        expected = [row[3] for row in rows[1:] if row[0] in ("aggregate", "step")]
        parts = []
        for aggregate in explanation.aggregates:
            parts.append(aggregate.details)
            parts += [step.details for step in aggregate.steps]
        assert parts == expected
        assert [a.name for a in explanation.strong] == [r[1] for r in rows if r[0] == "strong"]
        assert [a.name for a in explanation.weak] == [r[1] for r in rows if r[0] == "weak"]


def test_explanation_of_an_option_with_an_entered_rule(car):
    explanation = car.explain("Sports Coupe")
    top = explanation.aggregates[0]
    assert top.attribute == car.root and top.value == "unacceptable"
    assert top.input_values == ["high", "adequate"]
    [rule] = top.rules
    assert (rule.rule, rule.origin, rule.sources) == (7, "entered", [])
    assert rule.text == "high; adequate -> unacceptable"
    assert rule.origin_text == "rule 8, entered"
    assert [(s.input.name, s.from_value, s.to_value, s.result) for s in top.steps] == [
        ("COSTS", "high", "medium", "acceptable"), ("TECHNICAL", "adequate", "good", "acceptable")]
    assert top.steps[0].details == "COSTS: high -> medium"
    assert [a.name for a in explanation.strong] == ["Safety", "Comfort"]
    assert [a.name for a in explanation.weak] == ["Price", "Running costs", "Boot size"]
    assert explanation.aggregates[1].attribute.name == "COSTS"
    assert car.explain(2).rows == explanation.rows
    assert not car.modified


def test_explanation_of_completed_rules_and_sets(small):
    # Y leaves B undefined: the three rules of A=hi decide, the middle one completed.
    [top] = small.explain("Y").aggregates
    assert top.value == "ok;good" and top.input_values == ["hi", "*"]
    assert [(r.rule, r.origin, r.sources) for r in top.rules] == [
        (3, "entered", []), (4, "monotonicity", [3, 5]), (5, "entered", [])]
    assert top.rules[1].text == "hi; mid -> >=ok"
    assert top.rules[1].origin_text == "rule 5, completed by monotonicity from rules 4 and 6"
    [top] = small.explain("X").aggregates
    assert top.value == "*"
    assert [(r.rule, r.origin) for r in top.rules] == [(1, "undefined")]
    assert [a.name for a in small.explain("X").weak] == ["A"]


def solution_rows(answer):
    return [[str(s), c.attribute.name, c.from_value, c.to_value]
            for s, solution in enumerate(answer.solutions, 1) for c in solution.changes]


@pytest.mark.parametrize("name", ["car", "home"])
def test_targets_are_the_tool_s(name):
    path = EXAMPLES / f"{name}.ubm"
    model = ubic.load(str(path))
    for option in model.options:
        for value in model.root.scale.names:
            for direction in ("at_least", "at_most"):
                answer = model.target(option, **{direction: value}, limit=3)
                rows, status = cli_rows("target", path, "--option", option, "--limit", 3,
                                        "--" + direction.replace("_", "-"), value, "--csv",
                                        codes=(0, 3))
                assert solution_rows(answer) == rows[1:], (option, direction, value)
                assert (status == 3) == (answer.outcome == "unreachable")
                assert answer.target == f"{model.root.name} {direction.replace('_', ' ')} {value}"
    assert not model.modified


def test_target_solutions_and_their_changes(car):
    answer = car.target("Sports Coupe", at_least="good")
    assert answer.outcome == "reachable" and answer.change_count == 2 and answer.more == 0
    assert [s.text for s in answer.solutions] == [
        "Price: over 35000 → 15000-25000; Boot size: small → medium",
        "Price: over 35000 → up to 15000; Running costs: high → low"]
    assert [s.steps for s in answer.solutions] == [3, 5]
    assert [(c.attribute.name, c.from_value, c.to_value, c.steps)
            for c in answer.solutions[1].changes] == [
        ("Price", "over 35000", "up to 15000", 3), ("Running costs", "high", "low", 2)]
    limited = car.target(2, at_least=2, limit=1)
    assert [s.text for s in limited.solutions] == [answer.solutions[0].text]
    assert limited.more == 1
    assert car.target("Compact Hatchback", at_most="good").outcome == "reached"
    costs = car.target("Sports Coupe", at_most="medium", attribute="COSTS")
    assert costs.target == "COSTS at most medium"
    assert solution_rows(car.target("Sports Coupe", at_most="medium",
                                    attribute=car.find("COSTS"))) == solution_rows(costs)


def test_target_over_sets_and_undefined_values(small):
    assert [s.text for s in small.target("Y", at_least="good").solutions] == ["B: * → hi"]
    assert [s.text for s in small.target("Z", at_most="bad").solutions] == [
        "A: lo;hi → lo; B: hi → lo"]
    assert small.target("X", at_least="bad").outcome == "reached"


def test_unreachable_target_has_no_solutions(tmp_path):
    model = ubic.Model()
    top = model.root
    top.name = "Top"
    top.set_scale(["bad", "ok", "good"])
    model.add_attribute(top, "A").set_scale(["lo", "hi"])
    top.enter_rule(["lo"], "bad")
    top.enter_rule(["hi"], "ok")
    model.add_option("X", {"A": "lo"})
    answer = model.target("X", at_least="good")
    assert (answer.outcome, answer.solutions, answer.change_count) == ("unreachable", [], 0)
    _, status = cli_rows("target", saved(model, tmp_path), "--option", "X", "--at-least", "good",
                         "--csv", codes=(3,))
    assert status == 3


def test_analysis_errors_carry_the_program_s_messages(car):
    with pytest.raises(ValueError, match="one of at_least and at_most"):
        car.target("Sports Coupe")
    with pytest.raises(ValueError, match="one of at_least and at_most"):
        car.target("Sports Coupe", at_least="good", at_most="good")
    with pytest.raises(ubic.ModelError, match='No option "Bicycle"'):
        car.target("Bicycle", at_least="good")
    with pytest.raises(ubic.ModelError, match='No option "Bicycle"'):
        car.explain("Bicycle")
    with pytest.raises(ubic.ModelError, match='Unknown attribute value "CAR": "best"'):
        car.target("Sports Coupe", at_least="best")
    with pytest.raises(ubic.ModelError, match='No attribute "Colour" with a scale'):
        car.target("Sports Coupe", at_least="red", attribute="Colour")
    with pytest.raises(ValueError, match="No value 9"):
        car.target("Sports Coupe", at_most=9)
    with pytest.raises(ValueError, match="negative"):
        car.target("Sports Coupe", at_least="good", limit=-1)
    other = ubic.load(str(EXAMPLES / "car.ubm"))
    with pytest.raises(ubic.ModelError, match="another model"):
        car.target("Sports Coupe", at_least="good", attribute=other.root)
    with pytest.raises(IndexError):
        car.explain(99)
