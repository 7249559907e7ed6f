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


def test_unknown_names_are_key_errors_naming_the_closest(car):
    cases = [(lambda: car.option_values("Famly Estate"), "Famly Estate", "Family Estate"),
             (lambda: car.evaluate({"Prise": "cheap"}), "Prise", "Price"),
             (lambda: car.set_option_value(0, "Safty", "high"), "Safty", "Safety"),
             (lambda: car.target(0, at_least="good", attribute="COST"), "COST", "COSTS"),
             (lambda: car.target(0, at_least="god"), "god", "good"),
             (lambda: car.root.enter_rule(["low", "excelent"], "good"), "excelent", None)]
    for call, name, closest in cases:
        with pytest.raises(ubic.UnknownNameError) as error:
            call()
        assert isinstance(error.value, KeyError) and isinstance(error.value, ubic.ModelError)
        assert (error.value.name, error.value.closest) == (name, closest)
        # The message as it is, not quoted as a KeyError's.
        assert str(error.value).startswith(("No", "Unknown")), str(error.value)
        assert (f'did you mean "{closest}"?' in str(error.value)) == (closest is not None)


def test_scales_are_sequences(car):
    scale = car.root.scale
    assert [v.name for v in scale] == scale.names
    assert scale[-1].name == "excellent" and scale[0].name == "unacceptable"
    assert [v.name for v in scale[1:3]] == ["acceptable", "good"]
    assert "good" in scale and "bad" not in scale
    with pytest.raises(IndexError):
        scale[4]
    with pytest.raises(IndexError):
        scale[-5]
    assert repr(scale) == "Scale(['unacceptable', 'acceptable', 'good', 'excellent'], " \
                          "order='ascending')"


def test_options_count_from_the_end_and_attributes_compare_with_anything(car):
    assert car.option_values(-1) == car.option_values(len(car.options) - 1)
    assert car.explain(-5).option == car.options[0]
    with pytest.raises(IndexError):
        car.option_values(-6)
    assert car.root != "CAR" and not car.root == "CAR" and car.root == car.find("CAR")
    assert car.root in car.attributes and "CAR" not in car.attributes


def test_module_and_objects_tell_what_they_are(car):
    assert ubic.__version__[0].isdigit()
    assert set(ubic.__all__) == {n for n in dir(ubic) if not n.startswith("_")}
    assert "UnknownNameError" in ubic.__all__
    # The name the desktop program shows, unless the model was given its own.
    assert car.name == "CAR"
    assert repr(car) == "<ubic.Model 'CAR': 8 attributes, 5 options>"
    assert repr(car.root.function) == "Function(9 rules, 7 entered)"
    assert repr(car.explain("Sports Coupe")) == "<ubic.Explanation of 'Sports Coupe': " \
                                                "CAR unacceptable>"
    assert repr(car.target(2, at_least="good")) == \
        "<ubic.TargetAnswer 'CAR at least good': reachable, 2 solutions>"


def test_notebooks_see_the_tree_coloured_and_the_explanation_s_table(car):
    html = car._repr_html_()
    # Every attribute, nested as the tree, and the ends of CAR's scale coloured by class.
    assert all(f"<b>{a.name}</b>" in html for a in car.attributes)
    assert html.index("<b>COSTS</b>") < html.index("<b>Price</b>") < html.index("<b>TECHNICAL</b>")
    assert '<span style="color:#c00000">unacceptable</span>' in html
    assert '<span style="color:#008000">excellent</span>' in html
    why = car.explain("Sports Coupe")
    table = why._repr_html_()
    assert table.count("<tr>") == len(why.rows) + 1
    assert all(f"<th>{key}</th>" in table for key in why.rows[0])
    assert car.root.function._repr_html_().count("<tr>") == len(car.root.function.rules) + 1
    assert "Price: over 35000" in car.target(2, at_least="good")._repr_html_()
    assert "color:#008000" in car.root.scale._repr_html_()
    model = ubic.Model()
    model.root.name = "<b>&"
    assert "&lt;b&gt;&amp;" in model._repr_html_()
