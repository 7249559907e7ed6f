"""Reading and writing model files: formats, remarks and the errors of files."""
import csv
import errno
import io
import os
import subprocess

import pytest

import ubic
from conftest import CLI, EXAMPLES, cli_evaluation, run_cli


@pytest.mark.parametrize("name", ["car", "applicant", "home"])
def test_examples_load_with_their_options(name):
    model = ubic.load(str(EXAMPLES / f"{name}.ubm"))
    assert model.remarks == []
    assert model.options
    assert model.attributes[0] == model.root
    assert not model.modified


@pytest.mark.parametrize("extension,format", [(".xml", "jkiv"), (".kvx", "kvx"), (".ubm", "ubm")])
def test_saved_model_is_what_the_tool_converts(car, tmp_path, extension, format):
    path = tmp_path / f"car{extension}"
    remarks = car.save(str(path))
    converted = tmp_path / f"cli{extension}"
    run_cli("convert", EXAMPLES / "car.ubm", converted)
    # A conversion leaves the file's results unevaluated, which KVX marks on every aggregate's
    # values; a loaded model is evaluated.
    assert path.read_bytes() == converted.read_bytes().replace(b" VAL E ", b" VAL ")
    again = ubic.load(str(path))
    assert [a.name for a in again.attributes] == [a.name for a in car.attributes]
    if format == "ubm":
        assert remarks == []
        assert again.evaluate() == car.evaluate()
    # The same file under another extension, read in the format named.
    other = tmp_path / "model.dat"
    other.write_bytes(path.read_bytes())
    assert ubic.load(str(other), format=format).evaluate() == again.evaluate()


def test_export_remarks_are_those_of_the_tool(car, tmp_path):
    model = ubic.Model()
    model.root.name = "Top"
    model.root.set_scale(["a", "b"])
    basic = model.add_attribute(model.root, "Only")
    basic.set_scale(["x", "y", "z"])
    model.root.set_weights([100.0])
    own = tmp_path / "m.ubm"
    model.save(str(own))
    for extension in (".kvx", ".xml"):
        cli_out = tmp_path / f"cli{extension}"
        done = subprocess.run([CLI, "convert", str(own), str(cli_out)],
                              capture_output=True, text=True, check=True)
        expected = [line[len("warning: "):] for line in done.stderr.splitlines()]
        assert model.save(str(tmp_path / f"py{extension}")) == expected


def test_save_in_a_named_format_ignores_the_extension(car, tmp_path):
    path = tmp_path / "car.ubm"
    car.save(str(path), format="kvx")
    assert not path.read_text(encoding="latin-1").startswith("<?xml")
    assert ubic.load(str(path), format="kvx").options == car.options


def test_paths_are_texts_or_path_like(car, tmp_path):
    car.save(tmp_path / "car.ubm")
    assert ubic.load(tmp_path / "car.ubm").evaluate() == car.evaluate()
    assert ubic.load(os.fsencode(tmp_path / "car.ubm")).options == car.options
    with pytest.raises(TypeError):
        ubic.load(42)


def test_file_errors_are_the_system_s(car, tmp_path):
    missing = str(tmp_path / "none.ubm")
    with pytest.raises(FileNotFoundError) as error:
        ubic.load(missing)
    assert error.value.filename == missing and error.value.errno == errno.ENOENT
    with pytest.raises(FileNotFoundError):
        car.save(tmp_path / "no" / "such" / "folder.ubm")
    # Under a file, not a folder: neither "not found" nor a fixed number.
    (tmp_path / "plain").write_text("")
    with pytest.raises(NotADirectoryError) as error:
        car.save(tmp_path / "plain" / "car.ubm")
    assert error.value.errno == errno.ENOTDIR
    assert error.value.filename == str(tmp_path / "plain" / "car.ubm")


@pytest.mark.skipif(os.geteuid() == 0, reason="the superuser writes into any folder")
def test_saving_into_a_folder_the_user_cannot_write_is_refused(car, tmp_path):
    locked = tmp_path / "locked"
    locked.mkdir(mode=0o500)
    with pytest.raises(PermissionError):
        car.save(locked / "car.ubm")


def test_malformed_file_raises_model_error_with_file_and_line(tmp_path):
    path = tmp_path / "bad.ubm"
    path.write_text("<?xml version=\"1.0\"?>\n<Ubic>\n  <ATTRIBUTE>\n    <NAME>x</NAME>\n</Ubic>\n")
    with pytest.raises(ubic.ModelError) as error:
        ubic.load(str(path))
    assert error.value.file == str(path)
    assert isinstance(error.value.line, int)
    assert f"line {error.value.line}" in str(error.value)
    assert isinstance(error.value, ValueError)


@pytest.mark.parametrize("text", ["", "garbage", "\x00\x01\x02", "<Ubic><ATTRIBUTE>" * 50])
def test_garbage_never_crashes(tmp_path, text):
    for extension in (".ubm", ".xml", ".kvx"):
        path = tmp_path / f"g{extension}"
        path.write_text(text)
        try:
            ubic.load(str(path)).evaluate()
        except ubic.ModelError:
            pass


def test_unknown_format_is_value_error(car, tmp_path):
    with pytest.raises(ValueError, match="Unknown format"):
        ubic.load(str(EXAMPLES / "car.ubm"), format="docx")
    with pytest.raises(ValueError, match="Unknown format"):
        car.save(str(tmp_path / "x.ubm"), format="pdf")


def test_model_built_here_is_what_the_tool_reads(tmp_path):
    model = ubic.Model()
    model.root.name = "Top"
    model.root.set_scale(["low", "high"])
    basic = model.add_attribute(model.root, "Input")
    basic.set_scale(["no", "yes"])
    model.root.enter_rule(["yes"], "high")
    model.add_option("First", {"Input": "yes"})
    path = tmp_path / "built.ubm"
    model.save(str(path))
    assert "Top,high" in run_cli("evaluate", path, "--csv")
    assert not model.modified


def test_stubs_name_every_public_member():
    import ast
    from pathlib import Path
    stub = ast.parse((Path(ubic.__file__).parent / "ubic.pyi").read_text())
    classes = {node.name: node for node in stub.body if isinstance(node, ast.ClassDef)}
    functions = {node.name for node in stub.body if isinstance(node, ast.FunctionDef)}
    for name in dir(ubic):
        member = getattr(ubic, name)
        if name.startswith("_"):
            continue
        if isinstance(member, type):
            assert name in classes, name
            stubbed = {item.name for item in classes[name].body
                       if isinstance(item, ast.FunctionDef)}
            stubbed |= {item.target.id for item in classes[name].body
                        if isinstance(item, ast.AnnAssign)}
            public = {m for m in vars(member) if not m.startswith("_")}
            if name != "ModelError":
                assert public <= stubbed, (name, public - stubbed)
        elif callable(member):
            assert name in functions, name


def test_help_explains_evaluate():
    assert "ubic-cli evaluate" in ubic.Model.evaluate.__doc__
    assert "GIL" in ubic.Model.evaluate_codes.__doc__


def test_tutorial_runs(capsys):
    from pathlib import Path
    from tutorial import run_guide
    namespace = run_guide(Path(__file__).parents[2] / "docs" / "python.md")
    saved = namespace["folder"] / "house.ubm"
    assert ubic.load(saved).evaluate() == namespace["model"].evaluate()
    assert "Unknown attribute value" in capsys.readouterr().out


def test_exported_options_read_back_after_a_spreadsheet_saved_them(car, tmp_path):
    """Export, edit as a spreadsheet set to a decimal comma does, import: nothing changes."""
    exported = tmp_path / "options.csv"
    car.export_options(exported)
    rows = list(csv.reader(io.StringIO(exported.read_text(encoding="utf-8"))))
    assert rows[0] == ["Option", "Price", "Running costs", "Safety", "Comfort", "Boot size"]
    assert rows[5] == ["Used SUV", "up to 15000", "high", "medium;high", "comfortable", "large"]
    rows[1][4] = " BASIC"
    edited = tmp_path / "edited.csv"
    with open(edited, "w", newline="", encoding="utf-8") as file:
        csv.writer(file, delimiter=";").writerows(rows)
    assert '"medium;high"' in edited.read_text(encoding="utf-8")

    before = [car.option_values(k) for k in range(len(car.options))]
    names = car.options
    evaluation = car.evaluate()
    car.import_options(edited)
    assert car.options == names
    assert [car.option_values(k) for k in range(len(names))] == before
    assert car.evaluate() == evaluation
    assert cli_evaluation(EXAMPLES / "car.ubm", edited) == evaluation
    car.import_options(str(edited), replace=False)
    assert car.options == names + names
    car.undo()
    assert car.options == names


def test_an_options_file_s_error_names_its_line_and_changes_nothing(car, tmp_path):
    bad = tmp_path / "bad.csv"
    bad.write_text("Option;Price\nA;up to 15000\n\"B;C\"\n", encoding="utf-8")
    with pytest.raises(ubic.ModelError, match="The row has 1 field, the header 2") as error:
        car.import_options(str(bad))
    assert (error.value.file, error.value.line) == (str(bad), 3)
    assert len(car.options) == 5
    assert not car.modified
    with pytest.raises(FileNotFoundError):
        car.import_options(str(tmp_path / "none.csv"))
