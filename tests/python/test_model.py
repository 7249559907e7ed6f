"""The model's tree, scales, functions and options as a script reads them."""
import pytest

import ubic


def test_tree_is_depth_first_with_parents_and_inputs(car):
    names = [a.name for a in car.attributes]
    assert names == ["CAR", "COSTS", "Price", "Running costs", "TECHNICAL", "Safety", "Comfort",
                     "Boot size"]
    costs = car.find("COSTS")
    assert costs.parent == car.root
    assert car.root.parent is None
    assert [i.name for i in costs.inputs] == ["Price", "Running costs"]
    assert [a.name for a in car.basic_attributes] == ["Price", "Running costs", "Safety",
                                                      "Comfort", "Boot size"]
    assert [a.name for a in car.aggregate_attributes] == ["CAR", "COSTS", "TECHNICAL"]
    assert all(a.is_basic for a in car.basic_attributes)
    assert car.find("no such attribute") is None


def test_scale_values_carry_their_class(car):
    scale = car.root.scale
    assert scale.names == ["unacceptable", "acceptable", "good", "excellent"]
    assert [v.value_class for v in scale.values] == ["bad", "neutral", "neutral", "good"]
    assert scale.values[0].description == "Not to be bought, whatever else it offers"
    assert scale.order == "ascending"
    assert len(scale) == 4


def test_function_rules_are_the_file_s(car):
    function = car.root.function
    # The file's table: lows 0,2,3,0,1,2,0,0,1 with the fourth and seventh rule computed.
    assert [r[1] for r in function.rules] == [0, 2, 3, 0, 1, 2, 0, 0, 1]
    assert [r[3] for r in function.rules] == [True, True, True, False, True, True, False, True,
                                              True]
    assert function.rules[5][0] == (1, 2)
    assert function.entered_count == 7
    assert 0 < function.determined <= 1
    assert car.find("Price").function is None


def test_options_and_their_values(car):
    assert car.options[0] == "Compact Hatchback"
    values = car.option_values("Compact Hatchback")
    assert list(values) == [a.name for a in car.basic_attributes]
    assert values == car.option_values(0)
    # A set of values reads as the evaluation writes it.
    assert car.option_values(4)["Safety"] == "medium;high"
    with pytest.raises(ubic.ModelError, match="No option"):
        car.option_values("Nothing")
    with pytest.raises(IndexError):
        car.option_values(99)


def test_texts_are_unicode(tmp_path):
    model = ubic.Model()
    model.root.name = "Škoda čas"
    model.root.set_scale(["nízká", "vysoká"])
    path = tmp_path / "u.ubm"
    model.save(str(path))
    again = ubic.load(str(path))
    assert again.root.name == "Škoda čas"
    assert again.root.scale.names == ["nízká", "vysoká"]
    with pytest.raises(ValueError, match="cannot hold"):
        model.root.name = "日本"
