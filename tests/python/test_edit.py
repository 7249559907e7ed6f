"""Building and editing models through the named edits of the document."""
import pytest

import ubic
from conftest import top_over_a_and_b


@pytest.fixture
def small():
    return top_over_a_and_b()


def test_entered_rule_is_completed_by_monotonicity(small):
    top = small.root
    top.enter_rule(["lo", "lo"], "bad")
    top.enter_rule([1, 2], "good")
    rules = {r[0]: r for r in top.function.rules}
    assert rules[(0, 0)] == ((0, 0), 0, 0, True)
    assert rules[(1, 2)] == ((1, 2), 2, 2, True)
    # A computed rule between the two lies within their values.
    assert rules[(0, 1)][1:] == (0, 2, False)
    assert top.function.entered_count == 2
    top.enter_rule(["hi", "lo"], ("ok", "good"))
    assert {r[0]: r for r in top.function.rules}[(1, 0)][1:3] == (1, 2)
    top.delete_rule(["lo", "lo"])
    assert {r[0]: r for r in top.function.rules}[(0, 0)][3] is False
    assert top.function.entered_count == 2


def test_bad_rules_are_refused_and_leave_the_model(small):
    top = small.root
    with pytest.raises(ubic.ModelError, match="Unknown attribute value"):
        top.enter_rule(["lo", "nonsense"], "bad")
    with pytest.raises(ValueError, match="needs 2 input values"):
        top.enter_rule(["lo"], "bad")
    with pytest.raises(ValueError, match="No value 7"):
        top.enter_rule([0, 7], "bad")
    with pytest.raises(ValueError, match="low end"):
        top.enter_rule([0, 0], ("good", "bad"))
    assert top.function is None
    with pytest.raises(ubic.ModelError, match="cannot have a function"):
        small.find("A").enter_rule([], "lo")


def test_weights_complete_the_rules(small):
    top = small.root
    top.enter_rule(["lo", "lo"], "bad")
    top.enter_rule(["hi", "hi"], "good")
    top.set_weights([50, 50])
    function = top.function
    assert function.use_weights
    assert function.weights == [50.0, 50.0]
    assert all(r[1] == r[2] for r in function.rules)
    with pytest.raises(ValueError, match="needs 2 weights"):
        top.set_weights([100])


def test_rules_and_weights_give_one_table_in_either_order(small):
    entries = [(["lo", "lo"], "bad"), (["hi", "mid"], "good"), (["lo", "hi"], "ok")]
    first = small.root
    for inputs, value in entries:
        first.enter_rule(inputs, value)
    first.set_weights([30, 70])
    second = top_over_a_and_b().root
    second.set_weights([30, 70])
    assert second.function.use_weights
    for inputs, value in reversed(entries):
        second.enter_rule(inputs, value)
    assert second.function.rules == first.function.rules
    # The weights fill every rule that the entries leave open.
    assert all(low == high for _, low, high, _ in first.function.rules)


def test_attribute_handles_survive_other_edits_and_fail_once_gone(small):
    a = small.find("A")
    b = small.find("B")
    small.remove_attribute(a)
    assert b.name == "B"
    assert [x.name for x in small.root.inputs] == ["B"]
    with pytest.raises(ubic.ModelError, match="no longer in the model"):
        a.name
    # Undo brings back another tree: the handles of the old one are gone.
    small.undo()
    assert [x.name for x in small.root.inputs] == ["A", "B"]
    with pytest.raises(ubic.ModelError, match="no longer in the model"):
        b.name


def test_a_named_attribute_is_added_in_one_step(small):
    small.add_attribute(small.find("A"), "Below")
    assert [x.name for x in small.find("A").inputs] == ["Below"]
    small.undo()
    assert small.find("A").inputs == [] and small.find("Below") is None


def test_scale_change_keeps_the_values_it_can(small):
    small.add_option("One", {"A": "hi", "B": "lo;mid"})
    small.add_option("Two", {"A": "lo", "B": "hi"})
    small.find("B").set_scale(["lo", "mid"])
    assert small.option_values("One") == {"A": "hi", "B": "lo;mid"}
    assert small.option_values("Two")["B"] == "*"
    small.find("A").set_scale([("no", "not at all"), "yes"], order="none")
    assert small.find("A").scale.values[0].description == "not at all"
    assert small.find("A").scale.order == "none"
    assert small.option_values("One")["A"] == "yes"
    small.find("A").delete_scale()
    assert small.find("A").scale is None
    with pytest.raises(ValueError, match="Unknown order"):
        small.find("B").set_scale(["x"], order="up")



@pytest.mark.parametrize("values, reason", [
    ([], "A scale needs at least 2 values"),
    (["only"], "A scale needs at least 2 values"),
    (["lo", "  "], "Value 2 has no name"),
    (["lo", "mid", " LO"], 'Values 1 "lo" and 3 " LO" differ only in letter case or blanks'),
    (["\u010dez", "\u010cez "], "differ only in letter case or blanks"),
])
def test_scales_the_editor_refuses_are_refused(small, values, reason):
    with pytest.raises(ubic.ModelError, match=reason):
        small.find("B").set_scale(values)
    assert small.find("B").scale.names == ["lo", "mid", "hi"]
    small.find("B").set_scale(["\u010dez", "cez"])
    assert small.find("B").scale.names == ["\u010dez", "cez"]

def test_option_edits(small):
    assert small.add_option("First") == 0
    assert small.add_option("Second", {"A": "lo", "B": "hi"}) == 1
    small.rename_option("First", "Renamed")
    small.set_option_value(0, "B", "mid;hi")
    small.set_option_value("Renamed", small.find("A"), "*")
    assert small.options == ["Renamed", "Second"]
    assert small.option_values("Renamed") == {"A": "*", "B": "mid;hi"}
    with pytest.raises(ubic.ModelError, match="Unknown attribute value"):
        small.set_option_value(0, "B", "huge")
    with pytest.raises(ubic.ModelError, match="not a basic attribute"):
        small.set_option_value(0, "Top", "ok")
    with pytest.raises(ubic.ModelError, match="Unknown attribute"):
        small.add_option("Third", {"C": "lo"})
    small.remove_option(0)
    assert small.options == ["Second"]
    with pytest.raises(IndexError):
        small.remove_option(5)


def test_model_texts_and_undo(small, tmp_path):
    small.name = "Small"
    small.description = "A model of three attributes"
    small.find("A").description = "the first input"
    assert (small.name, small.description) == ("Small", "A model of three attributes")
    small.undo()
    assert small.find("A").description == ""
    small.redo()
    assert small.find("A").description == "the first input"
    path = tmp_path / "small.ubm"
    assert small.save(str(path)) == []
    assert ubic.load(str(path)).find("A").description == "the first input"


def test_attributes_of_another_model_are_refused(small):
    other = ubic.Model()
    with pytest.raises(ubic.ModelError, match="another model"):
        small.add_option("x", {other.root: "lo"})
