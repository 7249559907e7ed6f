// The Python module "ubic": models read, built, evaluated and analysed from scripts, through the
// same layers and named edits as the desktop program and the command-line tool.
#include <dlfcn.h>
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <regex>
#include <unordered_set>

#include "bindings.h"
#include "distributionarray.h"
#include "document/edits.h"
#include "files/modelfile.h"
#include "files/optionscsv.h"
#include "files/sensitivitytable.h"
#include "foundation/checkedint.h"
#include "foundation/cp1250.h"
#include "foundation/textfile.h"
#include "model/conflicts.h"
#include "model/valuecode.h"
#include "model/valuetext.h"

namespace py = pybind11;
using namespace pybind11::literals;

namespace ubic::python {
namespace {

// An error of reading a model file, with the file's name for ModelError.file.
struct EModelFileError : std::runtime_error {
  EModelFileError(const std::string& message, std::string fileName)
      : std::runtime_error(message), FileName(std::move(fileName)) {}
  std::string FileName;
};

// A file that cannot be read or written, with its name for OSError.filename and the system's
// error number, by which Python chooses the kind of OSError.
struct EScriptFileError : std::runtime_error {
  EScriptFileError(const std::string& message, std::string fileName, int error)
      : std::runtime_error(message), FileName(std::move(fileName)), Error(error) {}
  std::string FileName;
  int Error;
};

py::object& ModelErrorType() {
  static py::object type;
  return type;
}

// Both ModelError and KeyError, so that a script may catch either.
py::object& UnknownNameErrorType() {
  static py::object type;
  return type;
}

// Raises UnknownNameError, telling the closest of the names the script might have meant.
void RaiseUnknownName(const EUnknownName& unknown) {
  const py::list close =
      py::module_::import("difflib").attr("get_close_matches")(unknown.Name, unknown.Known, 1);
  py::object closest = py::none();
  if (!close.empty()) closest = close[0];
  std::string message = unknown.what();
  if (!closest.is_none()) message += "; did you mean \"" + closest.cast<std::string>() + "\"?";
  py::object error = UnknownNameErrorType()(message);
  error.attr("name") = unknown.Name;
  error.attr("closest") = closest;
  error.attr("file") = py::none();
  error.attr("line") = py::none();
  PyErr_SetObject(UnknownNameErrorType().ptr(), error.ptr());
}

// Raises ModelError with the message, and the file and line it names (None where it names none).
void RaiseModelError(const std::string& message, const std::string& fileName) {
  py::object error = ModelErrorType()(message);
  error.attr("file") = fileName.empty() ? py::none() : py::object(py::str(fileName));
  static const std::regex kLine("line (\\d+)");
  std::smatch match;
  error.attr("line") = std::regex_search(message, match, kLine)
                           ? py::object(py::int_(std::stoi(match[1].str())))
                           : py::none();
  PyErr_SetObject(ModelErrorType().ptr(), error.ptr());
}

// The program's own messages are Windows-1250 text; those of the options reader and the
// module are UTF-8 already.
void TranslateError(std::exception_ptr error) {
  try {
    if (error) std::rethrow_exception(error);
  } catch (const EScriptFileError& e) {
    // OSError of an error number is made the kind Python has for it: PermissionError,
    // FileNotFoundError and so on.
    const py::object error = py::module_::import("builtins")
                                 .attr("OSError")(e.Error, std::strerror(e.Error), e.FileName);
    PyErr_SetObject(reinterpret_cast<PyObject*>(Py_TYPE(error.ptr())), error.ptr());
  } catch (const EModelFileError& e) {
    RaiseModelError(e.what(), e.FileName);
  } catch (const EUnknownName& e) {
    RaiseUnknownName(e);
  } catch (const EScriptError& e) {
    RaiseModelError(e.what(), {});
  } catch (const EOptionsFileError& e) {
    RaiseModelError(e.what(), {});
  } catch (const EUbicError& e) {
    RaiseModelError(Cp1250ToUtf8(e.what()), {});
  } catch (const EIntOverflow& e) {
    RaiseModelError(Cp1250ToUtf8(e.what()), {});
  } catch (const std::logic_error& e) {
    RaiseModelError(Cp1250ToUtf8(e.what()), {});
  }
}

// Runs Read, turning the errors of reading or writing FileName into the module's errors.
template <class TRead>
auto WithFileErrors(const std::string& fileName, TRead read) {
  try {
    return read();
  } catch (const EFileError& e) {
    int error = e.Error();
    if (error == 0) error = std::filesystem::exists(fileName) ? EIO : ENOENT;
    throw EScriptFileError(Cp1250ToUtf8(e.what()), fileName, error);
  } catch (const EOptionsFileError&) {
    throw;
  } catch (const EScriptError&) {
    throw;
  } catch (const std::bad_alloc&) {
    throw;
  } catch (const std::exception& e) {
    throw EModelFileError(Cp1250ToUtf8(e.what()), fileName);
  }
}

std::optional<TModelFormat> ParseFormat(const std::optional<std::string>& format) {
  if (!format) return std::nullopt;
  if (*format == "ubm" || *format == "own") return TModelFormat::Own;
  if (*format == "jkiv" || *format == "xml") return TModelFormat::Jkiv;
  if (*format == "kvx") return TModelFormat::Kvx;
  throw py::value_error("Unknown format \"" + *format + "\" (ubm, jkiv or kvx)");
}

// --- Attributes, scales and functions ----------------------------------------------------------

// A value of a scale as it was when asked for.
struct TPyScaleValue {
  std::string Name;
  std::string Description;
  std::string ValueClass;
};

const char* ClassName(TValueClass valueClass) {
  switch (valueClass) {
    case TValueClass::Bad:
      return "bad";
    case TValueClass::Good:
      return "good";
    case TValueClass::Neutral:
      break;
  }
  return "neutral";
}

const char* OrderName(TScaleOrder order) {
  switch (order) {
    case TScaleOrder::Ascending:
      return "ascending";
    case TScaleOrder::Descending:
      return "descending";
    case TScaleOrder::None:
      break;
  }
  return "none";
}

TScaleOrder ParseOrder(const std::string& order) {
  if (order == "ascending") return TScaleOrder::Ascending;
  if (order == "descending") return TScaleOrder::Descending;
  if (order == "none") return TScaleOrder::None;
  throw py::value_error("Unknown order \"" + order + "\" (ascending, descending or none)");
}

// A scale as it was when asked for.
struct TPyScale {
  std::vector<TPyScaleValue> Values;
  std::string Order;
};

TPyScale ScaleOf(const TUbicDiscreteScale& scale) {
  TPyScale result{{}, OrderName(scale.Order())};
  for (int v = 0; v < scale.Count(); ++v) {
    result.Values.push_back({Cp1250ToUtf8(scale.ValueName(v)),
                             Cp1250ToUtf8(scale.ValueDescription(v)),
                             ClassName(ValueClassOf(&scale, v))});
  }
  return result;
}

// A function as it was when asked for; a rule is (input values, low, high, entered).
struct TPyFunction {
  py::list Rules;
  // Each rule as the explanation writes it, such as "high; 1 year -> good".
  std::vector<std::string> RuleTexts;
  int EnteredCount = 0;
  double Determined = 0;
  std::vector<double> Weights;
  bool UseWeights = false;
};

TPyFunction FunctionOf(const TUbicFunction& function) {
  TPyFunction result;
  for (int r = 0; r < function.RuleCount(); ++r) {
    py::tuple inputs(function.InputCount());
    for (int i = 0; i < function.InputCount(); ++i) inputs[i] = function.RuleInput(i, r);
    result.Rules.append(
        py::make_tuple(inputs, function.RuleLow(r), function.RuleHigh(r), function.RuleEntered(r)));
    result.RuleTexts.push_back(Cp1250ToUtf8(RuleText(function, r)));
  }
  result.EnteredCount = function.EnteredCount();
  result.Determined = function.Determinedness();
  result.Weights.assign(function.Weights().begin(), function.Weights().end());
  result.UseWeights = function.UseWeights();
  return result;
}

// A copy of Attribute's function to edit, or a new one.
std::unique_ptr<TUbicFunction> EditedFunction(const TUbicAttribute& attribute) {
  auto function = std::make_unique<TUbicFunction>();
  if (attribute.Funct() != nullptr) {
    function->Assign(*attribute.Funct());
    return function;
  }
  if (!attribute.CanHaveFunction()) {
    throw EScriptError("\"" + Cp1250ToUtf8(attribute.GetName()) +
                       "\" cannot have a function: it needs a scale of two values or more, and "
                       "inputs that have such scales");
  }
  const int rules = attribute.RuleCount();
  if (CheckTableSize(rules) == TTableSize::TooLarge) {
    throw EScriptError(Cp1250ToUtf8(TableTooLargeText(rules, attribute.GetName())));
  }
  function->Initialize(&attribute);
  return function;
}

// The rule of the given input values.
int RuleOf(const TUbicAttribute& attribute, const TUbicFunction& function,
           const py::sequence& inputs) {
  if (static_cast<int>(py::len(inputs)) != attribute.InputCount()) {
    throw py::value_error("A rule of \"" + Cp1250ToUtf8(attribute.GetName()) + "\" needs " +
                          std::to_string(attribute.InputCount()) + " input values");
  }
  std::vector<int> values;
  for (int i = 0; i < attribute.InputCount(); ++i) {
    values.push_back(ValueOf(*attribute.Input(i), inputs[i]));
  }
  for (int r = 0; r < function.RuleCount(); ++r) {
    bool same = true;
    for (int i = 0; i < attribute.InputCount() && same; ++i) {
      same = function.RuleInput(i, r) == values[i];
    }
    if (same) return r;
  }
  throw EScriptError("No rule of these input values");
}

void EnterRule(const TPyAttribute& handle, const py::sequence& inputs, const py::object& value) {
  const TUbicAttribute& attribute = handle.Get();
  std::unique_ptr<TUbicFunction> function = EditedFunction(attribute);
  const int rule = RuleOf(attribute, *function, inputs);
  int low = 0;
  int high = 0;
  if (py::isinstance<py::tuple>(value) || py::isinstance<py::list>(value)) {
    const auto ends = value.cast<py::sequence>();
    if (py::len(ends) != 2) throw py::value_error("An interval is (low, high)");
    low = ValueOf(attribute, ends[0]);
    high = ValueOf(attribute, ends[1]);
    if (low > high) throw py::value_error("An interval's low end is above its high end");
  } else {
    low = high = ValueOf(attribute, value);
  }
  function->EnterRule(rule, low, high);
  handle.Model->Run(edits::SetFunction(attribute, *function));
}

void DeleteRule(const TPyAttribute& handle, const py::sequence& inputs) {
  const TUbicAttribute& attribute = handle.Get();
  std::unique_ptr<TUbicFunction> function = EditedFunction(attribute);
  function->ClearEnteredRule(RuleOf(attribute, *function, inputs));
  handle.Model->Run(edits::SetFunction(attribute, *function));
}

void SetWeights(const TPyAttribute& handle, const std::vector<double>& weights, bool useWeights) {
  const TUbicAttribute& attribute = handle.Get();
  if (static_cast<int>(weights.size()) != attribute.InputCount()) {
    throw py::value_error("\"" + Cp1250ToUtf8(attribute.GetName()) + "\" needs " +
                          std::to_string(attribute.InputCount()) + " weights");
  }
  std::unique_ptr<TUbicFunction> function = EditedFunction(attribute);
  function->ApplyWeights(floatarray(weights.begin(), weights.end()), useWeights);
  handle.Model->Run(edits::SetFunction(attribute, *function));
}

void SetScale(const TPyAttribute& handle, const py::sequence& values, const std::string& order) {
  TUbicDiscreteScale scale;
  for (const py::handle value : values) {
    if (py::isinstance<py::str>(value)) {
      scale.AddValue(ModelText(value.cast<std::string>()));
    } else {
      const auto pair = value.cast<std::pair<std::string, std::string>>();
      scale.AddValue(ModelText(pair.first), ModelText(pair.second));
    }
  }
  scale.ChangeOrder(ParseOrder(order));
  handle.Model->Run(edits::ChooseScale(handle.Get(), &scale));
}

std::string ScaleRepr(const TPyScale& scale) {
  std::vector<std::string> names;
  for (const TPyScaleValue& value : scale.Values) names.push_back(value.Name);
  return "Scale(" + py::repr(py::cast(names)).cast<std::string>() + ", order='" + scale.Order +
         "')";
}

std::string ScaleHtml(const TPyScale& scale) {
  std::string html;
  for (const TPyScaleValue& value : scale.Values) {
    html += (html.empty() ? "" : ", ") + HtmlValue(value.Name, value.ValueClass);
  }
  return html;
}

std::string FunctionHtml(const TPyFunction& function) {
  py::list rows;
  for (std::size_t r = 0; r < function.RuleTexts.size(); ++r) {
    const bool entered = py::tuple(function.Rules[r])[3].cast<bool>();
    rows.append(py::dict("Rule"_a = r + 1, "Inputs -> value"_a = function.RuleTexts[r],
                         "Entered"_a = entered ? "yes" : ""));
  }
  return HtmlTable(rows);
}

// The attribute and its subtree as nested HTML lists, each with its scale's values coloured.
std::string TreeHtml(const TUbicAttribute& attribute) {
  std::string html = "<ul>";
  for (int i = 0; i < attribute.InputCount(); ++i) {
    const TUbicAttribute& input = *attribute.Input(i);
    html += "<li><b>" + Html(Cp1250ToUtf8(input.GetName())) + "</b>";
    if (const TUbicDiscreteScale* scale = input.DiscreteScale()) {
      html += ": " + ScaleHtml(ScaleOf(*scale));
    }
    if (!input.IsBasic()) html += TreeHtml(input);
    html += "</li>";
  }
  return html + "</ul>";
}

std::string ModelName(const TScriptModel& model) {
  const TUbicModel& kept = model.Model();
  return Cp1250ToUtf8(kept.GetName().empty() ? kept.DisplayName() : kept.GetName());
}

std::string ModelSummary(const TScriptModel& model) {
  const auto count = [](std::size_t n, const char* what) {
    return std::to_string(n) + " " + what + (n == 1 ? "" : "s");
  };
  return count(Attributes(model).size(), "attribute") + ", " +
         count(static_cast<std::size_t>(model.Model().OptionCount()), "option");
}

// --- Options -----------------------------------------------------------------------------------

bool IsMapping(const py::handle& object) {
  static const py::object mapping = py::module_::import("collections.abc").attr("Mapping");
  return py::isinstance(object, mapping);
}

// A mapping of value names to weights as the text "name=weight;..." that the program reads; a
// weight that is not a number is written as it is, for the reader to name.
std::string WeightsTextOf(const py::handle& mapping, const std::string& column) {
  static const py::object real = py::module_::import("numbers").attr("Real");
  std::string text;
  for (const py::handle item : mapping.attr("items")()) {
    const auto pair = item.cast<py::tuple>();
    if (!py::isinstance<py::str>(pair[0])) {
      throw py::type_error("The values weighted for \"" + column + "\" must be named by texts");
    }
    const py::handle weight = pair[1];
    const bool number = py::isinstance(weight, real) && !PyBool_Check(weight.ptr());
    text += (text.empty() ? "" : ";") + pair[0].cast<std::string>() + "=" +
            py::str(number ? py::repr(py::float_(py::reinterpret_borrow<py::object>(weight)))
                           : py::str(weight))
                .cast<std::string>();
  }
  if (text.empty()) throw EScriptError("The weights given for \"" + column + "\" name no value");
  return text;
}

// The text of a cell: a text, a mapping of value names to weights (written into Buffer), or None
// or NaN for undefined. The text is valid as long as the cell and the buffer.
std::string_view CellText(const py::handle& cell, const std::string& column, std::string& buffer) {
  if (cell.is_none()) return {};
  if (PyUnicode_Check(cell.ptr())) {
    Py_ssize_t size = 0;
    const char* data = PyUnicode_AsUTF8AndSize(cell.ptr(), &size);
    if (data == nullptr) throw py::error_already_set();
    return {data, static_cast<std::size_t>(size)};
  }
  if (PyFloat_Check(cell.ptr()) && std::isnan(PyFloat_AsDouble(cell.ptr()))) return {};
  if (IsMapping(cell)) return buffer = WeightsTextOf(cell, column);
  throw py::type_error("The value of \"" + column +
                       "\" must be a text or a mapping of weights, not " +
                       py::str(py::type::of(cell).attr("__name__")).cast<std::string>());
}

// An option's value on a basic attribute: its text, or its weights by value name.
py::object OptionValue(const TUbicAttribute& attribute, int option) {
  const std::string codes = attribute.OptionText(option);
  const std::optional<std::vector<double>> weights = attribute.OptionWeightsOf(option);
  if (!weights) return PyText(ValueSetText(attribute.Scale(), codes));
  const std::vector<std::string> names = ValueNames(attribute.Scale());
  py::dict values;
  for (std::size_t c = 0; c < codes.size(); ++c) {
    const auto v = static_cast<std::size_t>(ValueIndexOf(codes[c]));
    if (v < names.size()) values[PyText(names[v])] = (*weights)[c];
  }
  return values;
}

py::dict OptionValues(const TScriptModel& model, int option) {
  py::dict values;
  std::vector<const TUbicAttribute*> basic;
  model.Model().Root()->CollectBasicAttributes(basic);
  for (const TUbicAttribute* attribute : basic) {
    values[PyText(attribute->GetName())] = OptionValue(*attribute, option);
  }
  return values;
}

const TUbicAttribute& BasicAttribute(const TModelPtr& model, const py::object& attribute) {
  const TUbicAttribute* found = nullptr;
  if (py::isinstance<TPyAttribute>(attribute)) {
    const auto& handle = attribute.cast<const TPyAttribute&>();
    if (handle.Model != model) throw EScriptError("The attribute is of another model");
    found = &handle.Get();
  } else {
    const auto name = attribute.cast<std::string>();
    found = model->Find(name);
    if (found == nullptr) {
      throw EUnknownName("Unknown attribute \"" + name + "\"", name, model->BasicNames());
    }
  }
  if (!found->IsBasic()) {
    throw EScriptError("\"" + Cp1250ToUtf8(found->GetName()) + "\" is not a basic attribute");
  }
  return *found;
}

// A value a script gives an option on a basic attribute: a text or a mapping of weights.
TWeightedValue ScriptValue(const TUbicAttribute& attribute, const std::string& option,
                           const py::handle& value) {
  std::string buffer;
  const std::string name = Cp1250ToUtf8(attribute.GetName());
  try {
    return TValueNames(attribute).Value(CellText(value, name, buffer), option);
  } catch (const EOptionsFileError& e) {
    throw EScriptError(e.what());
  }
}

void SetOptionValue(const TModelPtr& model, const py::object& option, const py::object& attribute,
                    const py::object& value) {
  const int k = OptionOf(*model, option);
  const TUbicAttribute& changed = BasicAttribute(model, attribute);
  model->Run(
      edits::SetOptionValue(changed, k, ScriptValue(changed, model->Model().Options()[k], value)));
}

int AddOption(const TModelPtr& model, const std::string& name, const py::object& values) {
  const std::string optionName = ModelText(name);
  if (values.is_none()) {
    model->Run(edits::AddOption(model->Model().OptionCount(), optionName));
    return model->Model().OptionCount() - 1;
  }
  // One step for the option and all its values.
  edits::TImportedOptions imported;
  imported.Names.push_back(optionName);
  const std::vector<const TUbicAttribute*> attributes = PreOrderAttributes(model->Model());
  for (const TUbicAttribute* attribute : attributes) {
    imported.Values.emplace_back(attribute->IsBasic() ? 1 : 0);
    imported.Weights.emplace_back(attribute->IsBasic() ? 1 : 0);
  }
  for (const auto& [key, value] : values.cast<py::dict>()) {
    const TUbicAttribute& attribute =
        BasicAttribute(model, py::reinterpret_borrow<py::object>(key));
    const auto at =
        std::find(attributes.begin(), attributes.end(), &attribute) - attributes.begin();
    TWeightedValue read = ScriptValue(attribute, optionName, value);
    imported.Values[at][0] = std::move(read.Codes);
    if (!read.Weights.empty()) imported.Weights[at][0] = WeightsField(read.Weights);
  }
  model->Run(edits::ImportOptions(imported, false));
  return model->Model().OptionCount() - 1;
}

// An options file read as the desktop program's Import options reads it, in one step; its errors
// name the file and the line.
void ImportOptionsFile(const TModelPtr& model, const std::filesystem::path& file, bool replace) {
  const std::string path = file.string();
  edits::TImportedOptions imported;
  try {
    imported = WithFileErrors(path, [&] {
      std::ifstream stream = OpenFileForReading(path);
      return edits::ReadOptionsFile(model->Model(), stream, path);
    });
  } catch (const EOptionsFileError& e) {
    throw EModelFileError(e.what(), path);
  }
  model->Run(edits::ImportOptions(imported, replace));
}

void ExportOptionsFile(const TScriptModel& model, const std::filesystem::path& file) {
  const std::string path = file.string();
  WithFileErrors(path, [&] {
    TSafeFileWriter file(path);
    OptionsCsv(model.Model(), [&file](const std::string& record) { file.Write(record); });
    file.Commit();
  });
}

// --- Evaluation --------------------------------------------------------------------------------

bool IsDataFrame(const py::handle& object) {
  const auto module = py::getattr(py::type::of(object), "__module__", py::none());
  return !module.is_none() && module.cast<std::string>().rfind("pandas", 0) == 0 &&
         py::hasattr(object, "columns") && py::hasattr(object, "index");
}

std::string ColumnName(const py::handle& key) {
  if (!py::isinstance<py::str>(key)) throw py::type_error("Attribute names must be texts");
  return key.cast<std::string>();
}

// A DataFrame's column by its different texts and the index of each cell's text, which pandas
// finds for the whole column at once; None and NaN are undefined. Mappings of weights, which
// pandas cannot compare, are read cell by cell.
TOptionColumn FrameColumn(std::string name, const py::object& cells) {
  py::tuple factors;
  try {
    factors = py::module_::import("pandas").attr("factorize")(cells);
  } catch (const py::error_already_set& e) {
    if (!e.matches(PyExc_TypeError)) throw;
    TOptionColumn column(name, static_cast<std::size_t>(py::len(cells)));
    std::string buffer;
    std::size_t row = 0;
    for (const py::handle cell : cells.attr("tolist")()) {
      column.Set(row++, CellText(cell, name, buffer));
    }
    return column;
  }
  using TCodes = py::array_t<std::int64_t, py::array::c_style | py::array::forcecast>;
  const TCodes codes = TCodes::ensure(factors[0]);
  std::vector<std::string> texts{std::string()};
  std::string buffer;
  for (const py::handle unique : factors[1]) texts.emplace_back(CellText(unique, name, buffer));
  std::vector<std::uint32_t> indices(static_cast<std::size_t>(codes.size()));
  const std::int64_t* code = codes.data();
  for (std::size_t k = 0; k < indices.size(); ++k) {
    indices[k] = static_cast<std::uint32_t>(code[k] + 1);
  }
  return {std::move(name), std::move(texts), std::move(indices)};
}

// A frame's columns that name basic attributes, and the places of those that name no attribute
// at all (notes, identifiers), which the results keep as they are. Columns that name aggregate
// attributes, as an earlier result has them, are neither read nor kept: the results have them
// anew.
struct TFrameColumns {
  TOptionColumns Options;
  std::vector<py::ssize_t> Kept;
};

TFrameColumns ColumnsOfFrame(const TScriptModel& model, const py::object& frame) {
  const std::vector<std::string> basicNames = model.BasicNames();
  const std::unordered_set<std::string> basic(basicNames.begin(), basicNames.end());
  TFrameColumns columns;
  columns.Options.Rows = py::len(frame.attr("index"));
  const py::object everyRow = py::module_::import("builtins").attr("slice")(py::none());
  const py::object byPlace = frame.attr("iloc");
  py::ssize_t place = 0;
  for (const py::handle key : frame.attr("columns")) {
    const py::ssize_t at = place++;
    if (py::isinstance<py::str>(key) && basic.count(key.cast<std::string>()) != 0) {
      const py::object cells = byPlace[py::make_tuple(everyRow, at)];
      columns.Options.Columns.push_back(FrameColumn(key.cast<std::string>(), cells));
    } else if (!py::isinstance<py::str>(key) || model.Find(key.cast<std::string>()) == nullptr) {
      columns.Kept.push_back(at);
    }
  }
  return columns;
}

TOptionColumns ColumnsOfMappings(const std::vector<py::dict>& rows) {
  TOptionColumns options;
  options.Rows = rows.size();
  std::unordered_map<std::string, std::size_t> columns;
  std::string buffer;
  for (std::size_t k = 0; k < rows.size(); ++k) {
    for (const auto& [key, value] : rows[k]) {
      std::string name = ColumnName(key);
      const auto [found, added] = columns.try_emplace(name, options.Columns.size());
      if (added) options.Columns.emplace_back(std::move(name), rows.size());
      TOptionColumn& column = options.Columns[found->second];
      column.Set(k, CellText(value, column.Name(), buffer));
    }
  }
  return options;
}

// Evaluation results as Python objects: a row per option, a column per attribute in pre-order.
class TPyResults {
 public:
  virtual ~TPyResults() = default;

  py::dict Row(std::size_t row) const {
    py::dict values;
    for (std::size_t a = 0; a < FNames.size(); ++a) values[FNames[a]] = Cell(a, row);
    return values;
  }

  py::list Rows() const {
    py::list rows;
    for (std::size_t k = 0; k < FRows; ++k) rows.append(Row(k));
    return rows;
  }

  // A DataFrame of a column per attribute, made in one block of objects, a column after another,
  // which pandas takes as it is: a column of its own for each would be copied into such a block.
  py::object Frame(const py::object& index) const {
    const auto rows = static_cast<py::ssize_t>(FRows);
    const auto width = static_cast<py::ssize_t>(FNames.size());
    const auto cell = static_cast<py::ssize_t>(sizeof(PyObject*));
    py::array cells(py::dtype("O"), std::vector<py::ssize_t>{rows, width},
                    std::vector<py::ssize_t>{cell, std::max<py::ssize_t>(rows, 1) * cell});
    auto** data = static_cast<PyObject**>(cells.mutable_data());
    for (std::size_t a = 0; a < FNames.size(); ++a) FillColumn(a, data + a * FRows);
    py::object frame = py::module_::import("pandas").attr("DataFrame")(
        cells, "index"_a = index, "dtype"_a = py::dtype("O"), "copy"_a = false);
    // Named afterwards, so that attributes of the same name each keep their column.
    frame.attr("columns") = py::list(py::cast(FNames));
    return frame;
  }

 protected:
  explicit TPyResults(std::size_t rows) : FRows(rows) {}
  // Attribute A's result for the option of Row.
  virtual py::object Cell(std::size_t a, std::size_t row) const = 0;
  // Puts attribute A's results, one per option, into Cells, which hold new references.
  virtual void FillColumn(std::size_t a, PyObject** cells) const {
    for (std::size_t k = 0; k < FRows; ++k) Put(cells[k], Cell(a, k));
  }
  static void Put(PyObject*& cell, py::object value) {
    Py_XDECREF(cell);
    cell = value.release().ptr();
  }

  std::size_t FRows;
  std::vector<py::str> FNames;
};

// The results as Python texts, each different text made once.
class TPyTexts final : public TPyResults {
 public:
  explicit TPyTexts(std::unique_ptr<TEvaluation> evaluation)
      : TPyResults(evaluation->Rows()), FEvaluation(std::move(evaluation)) {
    for (const TEvaluation::TColumn& column : FEvaluation->Columns()) {
      FNames.emplace_back(column.Name);
      std::vector<py::str>& texts = FTexts.emplace_back();
      for (const std::string& text : column.Texts) texts.emplace_back(text);
    }
  }

 private:
  py::object Cell(std::size_t a, std::size_t row) const override {
    return FTexts[a][FEvaluation->Columns()[a].Cells[row]];
  }
  // A hundred thousand options make a column: its texts are looked up once for all of them.
  void FillColumn(std::size_t a, PyObject** cells) const override {
    const std::vector<py::str>& texts = FTexts[a];
    const auto& indices = FEvaluation->Columns()[a].Cells;
    for (std::size_t k = 0; k < FRows; ++k) Put(cells[k], texts[indices[k]]);
  }

  std::unique_ptr<TEvaluation> FEvaluation;
  std::vector<std::vector<py::str>> FTexts;
};

// The results of the "prob" or "fuzzy" method for the options a model holds: for each attribute
// a mapping of its values of positive weight, in scale order, to their weights.
class TPyDistributions final : public TPyResults {
 public:
  TPyDistributions(const TUbicModel& model, TEvaluationMethod method)
      : TPyResults(static_cast<std::size_t>(model.OptionCount())) {
    TDistributionEvaluator evaluator(*model.Root(), method);
    const std::vector<const TUbicAttribute*>& attributes = evaluator.Attributes();
    for (std::size_t a = 0; a < attributes.size(); ++a) {
      FNames.push_back(PyText(attributes[a]->GetName()));
      FOffsets.push_back(FWidth);
      std::vector<py::str>& names = FValueNames.emplace_back();
      for (const std::string& name : ValueNames(attributes[a]->Scale())) {
        names.push_back(PyText(name));
      }
      FWidth += names.size();
    }
    FWeights.resize(FRows * FWidth);
    for (std::size_t k = 0; k < FRows; ++k) {
      evaluator.Evaluate(static_cast<int>(k));
      for (std::size_t a = 0; a < attributes.size(); ++a) {
        const std::span<const double> weights = evaluator.Weights(a);
        std::copy(weights.begin(), weights.end(), &FWeights[k * FWidth + FOffsets[a]]);
      }
    }
  }

 private:
  py::object Cell(std::size_t a, std::size_t row) const override {
    py::dict weights;
    const double* weight = &FWeights[row * FWidth + FOffsets[a]];
    for (std::size_t v = 0; v < FValueNames[a].size(); ++v) {
      if (weight[v] > 0) weights[FValueNames[a][v]] = weight[v];
    }
    return weights;
  }

  std::vector<std::vector<py::str>> FValueNames;
  std::vector<std::size_t> FOffsets;
  std::size_t FWidth = 0;
  std::vector<double> FWeights;  // option by option, attribute by attribute, value by value
};

TEvaluationMethod MethodNamed(const std::string& name) {
  const std::optional<TEvaluationMethod> method = EvaluationMethodNamed(name);
  if (!method) throw py::value_error("Unknown method \"" + name + "\" (sets, prob or fuzzy)");
  return *method;
}

// The model's own options evaluated by Method.
std::unique_ptr<TPyResults> OwnResults(const TScriptModel& model, TEvaluationMethod method) {
  if (method == TEvaluationMethod::Sets) return std::make_unique<TPyTexts>(model.EvaluateOwn());
  return std::make_unique<TPyDistributions>(model.Model(), method);
}

// The options evaluated by Method; an error of an option's value names the option by its label
// in Labels.
std::unique_ptr<TPyResults> EvaluateLabelled(TScriptModel& model, TOptionColumns& options,
                                             const py::object& labels, TEvaluationMethod method) {
  options.Label = [&labels](std::size_t row) {
    return labels.is_none() ? std::to_string(row)
                            : py::str(labels[py::int_(row)]).cast<std::string>();
  };
  try {
    if (method == TEvaluationMethod::Sets)
      return std::make_unique<TPyTexts>(model.Evaluate(options));
    return std::make_unique<TPyDistributions>(*model.ModelOfOptions(options), method);
  } catch (EScriptError& e) {
    if (e.Row && !labels.is_none()) {
      e.NameOption(py::repr(labels[py::int_(*e.Row)]).cast<std::string>());
    }
    throw;
  }
}

py::object EvaluateFrame(TScriptModel& model, const py::object& frame, TEvaluationMethod method) {
  const py::object index = frame.attr("index");
  TFrameColumns columns = ColumnsOfFrame(model, frame);
  py::object results = EvaluateLabelled(model, columns.Options, index, method)->Frame(index);
  // The cells themselves, not a Series, which pandas would align by an index of repeated labels.
  const py::object byPlace = frame.attr("iloc");
  const py::object everyRow = py::module_::import("builtins").attr("slice")(py::none());
  const py::object keys = frame.attr("columns");
  for (const py::ssize_t place : columns.Kept) {
    results.attr("insert")(py::len(results.attr("columns")), keys[py::int_(place)],
                           byPlace[py::make_tuple(everyRow, place)].attr("array"),
                           "allow_duplicates"_a = true);
  }
  return results;
}

// The model's own options evaluated, as a DataFrame indexed by their names.
py::object OwnFrame(const TScriptModel& model, const std::string& method) {
  std::vector<std::string> names;
  for (int k = 0; k < model.Model().OptionCount(); ++k) {
    names.push_back(Cp1250ToUtf8(model.Model().Options()[k]));
  }
  const py::object index =
      py::module_::import("pandas").attr("Index")(names, "dtype"_a = "object", "name"_a = "Option");
  return OwnResults(model, MethodNamed(method))->Frame(index);
}

py::object Evaluate(const TModelPtr& model, const py::object& options, const std::string& name) {
  const TEvaluationMethod method = MethodNamed(name);
  if (options.is_none()) return OwnResults(*model, method)->Rows();
  if (IsDataFrame(options)) return EvaluateFrame(*model, options, method);
  const py::object range = py::module_::import("builtins").attr("range");
  if (IsMapping(options)) {
    // A lone option is told by no label but in the messages of its weights.
    TOptionColumns columns = ColumnsOfMappings({py::dict(options)});
    return EvaluateLabelled(*model, columns, py::none(), method)->Row(0);
  }
  if (py::isinstance<py::str>(options) || !py::isinstance<py::sequence>(options)) {
    throw py::type_error("evaluate takes a mapping, a list of mappings or a DataFrame");
  }
  std::vector<py::dict> rows;
  for (const py::handle row : options) {
    if (!IsMapping(row)) throw py::type_error("evaluate takes a list of mappings");
    rows.emplace_back(py::reinterpret_borrow<py::object>(row));
  }
  TOptionColumns columns = ColumnsOfMappings(rows);
  return EvaluateLabelled(*model, columns, range(rows.size()), method)->Rows();
}

py::tuple EvaluateCodes(const TModelPtr& model, const py::array& codes) {
  const char kind = codes.dtype().kind();
  if (kind != 'i' && kind != 'u') throw py::type_error("evaluate_codes takes an integer array");
  if (codes.ndim() != 2) throw py::value_error("evaluate_codes takes a two-dimensional array");
  const std::shared_ptr<const TCodeEvaluator> evaluator = model->CodeEvaluator();
  if (static_cast<std::size_t>(codes.shape(1)) != evaluator->BasicCount()) {
    throw py::value_error("The array needs a column for each of the " +
                          std::to_string(evaluator->BasicCount()) + " basic attributes");
  }
  const auto rows = static_cast<std::size_t>(codes.shape(0));
  const std::vector<py::ssize_t> shape{static_cast<py::ssize_t>(rows),
                                       static_cast<py::ssize_t>(evaluator->AggregateCount())};
  py::array_t<std::int32_t> low(shape);
  py::array_t<std::int32_t> high(shape);
  TBadCode bad;
  bool good = true;
  // Read where they are in one of the signed types; other arrays are copied as 64-bit first.
  auto evaluate = [&]<class TCode>(const TCode* /*type*/) {
    using TCodes = py::array_t<TCode, py::array::c_style | py::array::forcecast>;
    const TCodes indices = TCodes::ensure(codes);
    const TCode* input = indices.data();
    std::int32_t* lows = low.mutable_data();
    std::int32_t* highs = high.mutable_data();
    py::gil_scoped_release release;
    good = evaluator->Evaluate(input, rows, lows, highs, bad);
  };
  const auto size = codes.dtype().itemsize();
  if (kind == 'i' && size == 1) {
    evaluate(static_cast<const std::int8_t*>(nullptr));
  } else if (kind == 'i' && size == 2) {
    evaluate(static_cast<const std::int16_t*>(nullptr));
  } else if (kind == 'i' && size == 4) {
    evaluate(static_cast<const std::int32_t*>(nullptr));
  } else {
    evaluate(static_cast<const std::int64_t*>(nullptr));
  }
  if (!good) {
    std::vector<const TUbicAttribute*> basic;
    model->Model().Root()->CollectBasicAttributes(basic);
    throw py::value_error("No value " + std::to_string(bad.Code) + " in the scale of \"" +
                          Cp1250ToUtf8(basic[bad.Column]->GetName()) + "\" (option " +
                          std::to_string(bad.Row) + ")");
  }
  return py::make_tuple(low, high);
}

py::array_t<double> EvaluateDistributions(const TModelPtr& model, const py::array& weights,
                                          const std::string& name) {
  const TEvaluationMethod method = MethodNamed(name);
  if (method == TEvaluationMethod::Sets) {
    throw py::value_error("evaluate_distributions evaluates by \"prob\" or \"fuzzy\"");
  }
  const char kind = weights.dtype().kind();
  if (kind != 'f' && kind != 'i' && kind != 'u') {
    throw py::type_error("evaluate_distributions takes an array of numbers");
  }
  if (weights.ndim() != 3) {
    throw py::value_error("evaluate_distributions takes a three-dimensional array");
  }
  const TDistributionArray evaluator(model->Model(), method);
  const auto rows = static_cast<std::size_t>(weights.shape(0));
  const auto width = static_cast<std::size_t>(weights.shape(2));
  if (static_cast<std::size_t>(weights.shape(1)) != evaluator.BasicCount() ||
      width < evaluator.BasicWidth()) {
    throw py::value_error("The array needs a row for each of the " +
                          std::to_string(evaluator.BasicCount()) + " basic attributes and " +
                          std::to_string(evaluator.BasicWidth()) + " weights or more in each");
  }
  using TWeights = py::array_t<double, py::array::c_style | py::array::forcecast>;
  const TWeights given = TWeights::ensure(weights);
  py::array_t<double> results(std::vector<py::ssize_t>{
      static_cast<py::ssize_t>(rows), static_cast<py::ssize_t>(evaluator.AggregateCount()),
      static_cast<py::ssize_t>(evaluator.AggregateWidth())});
  TBadWeight bad;
  bool good = true;
  {
    const double* input = given.data();
    double* output = results.mutable_data();
    py::gil_scoped_release release;
    good = evaluator.Evaluate(input, rows, width, output, bad);
  }
  if (!good) {
    std::vector<const TUbicAttribute*> basic;
    model->Model().Root()->CollectBasicAttributes(basic);
    const std::vector<std::string> names = ValueNames(basic[bad.Column]->Scale());
    const std::string where = "Option " + std::to_string(bad.Row) + ", attribute \"" +
                              Cp1250ToUtf8(basic[bad.Column]->GetName()) + "\": the weight " +
                              py::repr(py::float_(bad.Weight)).cast<std::string>() + " of ";
    if (bad.Value >= names.size()) {
      throw EScriptError(where + "value " + std::to_string(bad.Value) + " is beyond the scale's " +
                         std::to_string(names.size()) + " values");
    }
    throw EScriptError(where + "\"" + Cp1250ToUtf8(names[bad.Value]) +
                       "\" is not a non-negative number");
  }
  return results;
}

py::list Sensitivity(const TScriptModel& model, const py::object& option) {
  const int k = AnalysedOption(model, option);
  py::list rows;
  TTableRow header;
  SensitivityRows(model.Model(), {k}, [&](const TTableRow& row) {
    if (header.empty()) {
      header = row;
      return;
    }
    py::dict values;
    for (std::size_t c = 1; c < row.size(); ++c) values[py::str(header[c])] = py::str(row[c]);
    rows.append(values);
  });
  return rows;
}

TModelPtr Load(const std::filesystem::path& file, const std::optional<std::string>& format) {
  const std::optional<TModelFormat> chosen = ParseFormat(format);
  const std::string path = file.string();
  return WithFileErrors(path, [&] { return std::make_shared<TScriptModel>(path, chosen); });
}

// A model as the bytes of its own format with its options, and its own name and description,
// which that format does not keep: what pickle and copy take.
py::tuple ModelState(const TScriptModel& model) {
  const TUbicModel& kept = model.Model();
  return py::make_tuple(py::bytes(ModelFileText(kept)), py::bytes(kept.GetName()),
                        py::bytes(kept.GetDescription()));
}

TModelPtr ModelOfState(const py::tuple& state) {
  if (state.size() != 3) throw py::value_error("Not the state of a model");
  auto model = std::make_unique<TUbicModel>();
  LoadFromText(*model, state[0].cast<std::string>(), "");
  model->SetName(state[1].cast<std::string>());
  model->SetDescription(state[2].cast<std::string>());
  return std::make_shared<TScriptModel>(std::move(model));
}

// The examples that come with the program. Built, they are beside the module's folder; installed,
// the module is in <prefix>/lib/python3/dist-packages and they in <prefix>/share/ubic.
py::object ExamplesFolder() {
  Dl_info module{};
  dladdr(reinterpret_cast<void*>(&ExamplesFolder), &module);
  const std::filesystem::path folder = std::filesystem::path(module.dli_fname).parent_path();
  const std::filesystem::path built = folder.parent_path() / "share/ubic/examples";
  const std::filesystem::path installed =
      folder.parent_path().parent_path().parent_path() / "share/ubic/examples";
  std::error_code error;
  const bool isBuilt = std::filesystem::is_directory(built, error);
  return py::module_::import("pathlib").attr("Path")((isBuilt ? built : installed).string());
}

// The snapshots of scales and functions.
void BindValues(py::module_& m) {
  py::class_<TPyScaleValue>(m, "ScaleValue", "A value of a scale.")
      .def_readonly("name", &TPyScaleValue::Name)
      .def_readonly("description", &TPyScaleValue::Description)
      .def_readonly("value_class", &TPyScaleValue::ValueClass,
                    "\"bad\", \"neutral\" or \"good\", by the scale's thresholds.")
      .def("__repr__", [](const TPyScaleValue& v) { return "ScaleValue('" + v.Name + "')"; });

  py::class_<TPyScale>(m, "Scale", "An attribute's scale as it was when asked for.")
      .def_readonly("values", &TPyScale::Values)
      .def_readonly("order", &TPyScale::Order, "\"ascending\", \"descending\" or \"none\".")
      .def_property_readonly("names",
                             [](const TPyScale& s) {
                               std::vector<std::string> names;
                               for (const auto& v : s.Values) names.push_back(v.Name);
                               return names;
                             })
      .def("__len__", [](const TPyScale& s) { return s.Values.size(); })
      .def(
          "__getitem__",
          [](const TPyScale& s, py::ssize_t index) {
            const auto count = static_cast<py::ssize_t>(s.Values.size());
            const py::ssize_t at = index < 0 ? index + count : index;
            if (at < 0 || at >= count) throw py::index_error("No value " + std::to_string(index));
            return s.Values[static_cast<std::size_t>(at)];
          },
          "index"_a)
      .def(
          "__getitem__",
          [](const TPyScale& s, const py::slice& slice) {
            std::size_t start = 0, stop = 0, step = 0, length = 0;
            if (!slice.compute(s.Values.size(), &start, &stop, &step, &length)) {
              throw py::error_already_set();
            }
            std::vector<TPyScaleValue> values;
            for (std::size_t k = 0; k < length; ++k) values.push_back(s.Values[start + k * step]);
            return values;
          },
          "slice"_a)
      .def(
          "__iter__",
          [](const TPyScale& s) { return py::make_iterator(s.Values.begin(), s.Values.end()); },
          py::keep_alive<0, 1>())
      .def("__contains__",
           [](const TPyScale& s, const py::object& value) {
             const std::string name = py::isinstance<TPyScaleValue>(value)
                                          ? value.cast<const TPyScaleValue&>().Name
                                          : py::str(value).cast<std::string>();
             return std::any_of(s.Values.begin(), s.Values.end(),
                                [&](const TPyScaleValue& v) { return v.Name == name; });
           })
      .def("__repr__", &ScaleRepr)
      .def("_repr_html_", &ScaleHtml);

  py::class_<TPyFunction>(m, "Function",
                          "An aggregate attribute's decision rules as they were when asked for.")
      .def_readonly("rules", &TPyFunction::Rules,
                    "One rule per combination of the inputs' values, the first input most "
                    "significant: (input value indices, low, high, entered).")
      .def_readonly("entered_count", &TPyFunction::EnteredCount)
      .def_readonly("determined", &TPyFunction::Determined,
                    "1 for a fully defined table, 0 for a fully undefined one.")
      .def_readonly("weights", &TPyFunction::Weights, "The weights set for the inputs, in percent.")
      .def_readonly("use_weights", &TPyFunction::UseWeights)
      .def("__repr__",
           [](const TPyFunction& f) {
             return "Function(" + std::to_string(py::len(f.Rules)) + " rules, " +
                    std::to_string(f.EnteredCount) + " entered)";
           })
      .def("_repr_html_", &FunctionHtml);
}

void BindAttribute(py::module_& m) {
  py::class_<TPyAttribute>(m, "Attribute", "An attribute of a model's tree.")
      .def_property(
          "name", [](const TPyAttribute& a) { return PyText(a.Get().GetName()); },
          [](const TPyAttribute& a, const std::string& name) {
            a.Model->Run(edits::RenameAttribute(a.Get(), ModelText(name)));
          })
      .def_property(
          "description", [](const TPyAttribute& a) { return PyText(a.Get().GetDescription()); },
          [](const TPyAttribute& a, const std::string& text) {
            a.Model->Run(edits::DescribeAttribute(a.Get(), ModelText(text)));
          })
      .def_property_readonly("parent",
                             [](const TPyAttribute& a) -> std::optional<TPyAttribute> {
                               const TUbicAttribute* parent = a.Get().Parent();
                               if (parent == nullptr || parent->Parent() == nullptr) return {};
                               return Handle(a.Model, *parent);
                             })
      .def_property_readonly("inputs",
                             [](const TPyAttribute& a) {
                               std::vector<TPyAttribute> inputs;
                               const TUbicAttribute& attribute = a.Get();
                               for (int i = 0; i < attribute.InputCount(); ++i) {
                                 inputs.push_back(Handle(a.Model, *attribute.Input(i)));
                               }
                               return inputs;
                             })
      .def_property_readonly("is_basic", [](const TPyAttribute& a) { return a.Get().IsBasic(); })
      .def_property_readonly("scale",
                             [](const TPyAttribute& a) -> std::optional<TPyScale> {
                               const TUbicDiscreteScale* scale = a.Get().DiscreteScale();
                               if (scale == nullptr) return {};
                               return ScaleOf(*scale);
                             })
      .def_property_readonly("function",
                             [](const TPyAttribute& a) -> std::optional<TPyFunction> {
                               const TUbicFunction* function = a.Get().Funct();
                               if (function == nullptr) return {};
                               return FunctionOf(*function);
                             })
      .def("set_scale", &SetScale, "values"_a, "order"_a = "ascending",
           "Gives the attribute a new scale of these values: names, or (name, description) "
           "pairs. Option values the new scale lacks become undefined.")
      .def(
          "delete_scale",
          [](const TPyAttribute& a) { a.Model->Run(edits::ChooseScale(a.Get(), nullptr)); },
          "Removes the scale with the option values and functions that depend on it.")
      .def("enter_rule", &EnterRule, "inputs"_a, "value"_a,
           "Enters the rule of these input values (names or indices): a value (name or index) "
           "or an interval (low, high). The rules not entered are completed anew, as the rule "
           "editor does.")
      .def("delete_rule", &DeleteRule, "inputs"_a,
           "Makes the rule of these input values undefined and not entered.")
      .def("set_weights", &SetWeights, "weights"_a, "use_weights"_a = true,
           "Sets the inputs' weights (percent); with use_weights the rules not entered follow "
           "them.")
      .def(
          "delete_function",
          [](const TPyAttribute& a) { a.Model->Run(edits::DeleteFunction(a.Get())); },
          "Removes the attribute's decision rules.")
      .def("__eq__",
           [](const TPyAttribute& a, const py::object& other) -> py::object {
             // Anything else is not equal, as Python has it, rather than an error.
             if (!py::isinstance<TPyAttribute>(other)) {
               return py::reinterpret_borrow<py::object>(Py_NotImplemented);
             }
             const auto& b = other.cast<const TPyAttribute&>();
             return py::bool_(a.Model == b.Model && a.Id == b.Id);
           })
      .def("__hash__", [](const TPyAttribute& a) { return std::hash<std::uint64_t>()(a.Id); })
      .def("__repr__", [](const TPyAttribute& a) {
        return "Attribute('" + Cp1250ToUtf8(a.Get().GetName()) + "')";
      });
}

py::class_<TScriptModel, TModelPtr> BindModel(py::module_& m) {
  return py::class_<TScriptModel, TModelPtr>(m, "Model", "A decision model with its undo history.")
      .def(py::init([] { return std::make_shared<TScriptModel>(); }),
           "A new model with one attribute.")
      .def_property(
          "name", &ModelName,
          [](TScriptModel& model, const std::string& name) {
            model.Run(edits::RenameModel(ModelText(name)));
          },
          "The name the desktop program shows: the first top-level attribute's, unless the model "
          "was given one of its own (by a KVX or jKIV file, or here).")
      .def_property(
          "description",
          [](const TScriptModel& model) { return PyText(model.Model().GetDescription()); },
          [](TScriptModel& model, const std::string& text) {
            model.Run(edits::DescribeModel(ModelText(text)));
          })
      .def_property_readonly(
          "root",
          [](const TModelPtr& model) -> std::optional<TPyAttribute> {
            const TUbicAttribute* first = model->Model().FirstAttribute();
            if (first == nullptr) return {};
            return Handle(model, *first);
          },
          "The first top-level attribute, None in an empty tree.")
      .def_property_readonly(
          "attributes", [](const TModelPtr& model) { return Handles(model, Attributes(*model)); },
          "Every attribute, depth first.")
      .def_property_readonly(
          "basic_attributes",
          [](const TModelPtr& model) {
            return Handles(model,
                           Attributes(*model, [](const TUbicAttribute& a) { return a.IsBasic(); }));
          },
          "The basic attributes, depth first: the columns of evaluate_codes.")
      .def_property_readonly(
          "aggregate_attributes",
          [](const TModelPtr& model) {
            return Handles(
                model, Attributes(*model, [](const TUbicAttribute& a) { return !a.IsBasic(); }));
          },
          "The aggregate attributes, depth first: the columns of evaluate_codes' results.")
      .def(
          "find",
          [](const TModelPtr& model, const std::string& name) -> std::optional<TPyAttribute> {
            const TUbicAttribute* found = model->Find(name);
            if (found == nullptr) return {};
            return Handle(model, *found);
          },
          "name"_a, "The first attribute of that name, depth first; None if there is none.")
      .def_property_readonly("remarks", &TScriptModel::Remarks,
                             "The remarks of reading the model's file.")
      .def_property_readonly("modified",
                             [](TScriptModel& model) { return model.Document().Modified(); })
      .def(
          "save",
          [](TScriptModel& model, const std::filesystem::path& file,
             const std::optional<std::string>& format) {
            const std::string path = file.string();
            const TModelFormat chosen = ParseFormat(format).value_or(FormatOfFile(path));
            return RemarkLines(
                WithFileErrors(path, [&] { return model.Document().SaveAs(path, chosen); }));
          },
          "path"_a, "format"_a = py::none(),
          "Writes the model in a format (\"ubm\", \"jkiv\", \"kvx\"; by the file's extension "
          "when None) and returns the remarks on what the format could not hold.")
      .def("__repr__",
           [](const TScriptModel& model) {
             return "<ubic.Model " + py::repr(py::str(ModelName(model))).cast<std::string>() +
                    ": " + ModelSummary(model) + ">";
           })
      .def("_repr_html_",
           [](const TScriptModel& model) {
             return "<div><b>" + Html(ModelName(model)) + "</b> (" + ModelSummary(model) + ")" +
                    TreeHtml(*model.Model().Root()) + "</div>";
           })
      .def(py::pickle(&ModelState, &ModelOfState))
      .def("to_frame", &OwnFrame, "method"_a = "sets",
           "The model's own options evaluated: a pandas DataFrame indexed by the options' names, "
           "a column per attribute, depth first, with the results of evaluate.")
      .def("undo", &TScriptModel::Undo,
           "Takes back the last edit. Attributes held from before are no longer valid: find "
           "them again.")
      .def("redo", &TScriptModel::Redo, "Makes the edit taken back again, like undo.")
      .def(
          "add_attribute",
          [](const TModelPtr& model, const std::optional<TPyAttribute>& parent,
             const std::optional<std::string>& name) {
            const TUbicAttribute& owner = parent ? parent->Get() : *model->Model().Root();
            model->Run(edits::AddAttribute(owner, name ? ModelText(*name) : std::string()));
            return Handle(model, *owner.Input(owner.InputCount() - 1));
          },
          "parent"_a = py::none(), "name"_a = py::none(),
          "Adds an attribute as the last input of Parent (top-level without one); the parent "
          "loses its function.")
      .def(
          "remove_attribute",
          [](const TModelPtr& model, const TPyAttribute& attribute) {
            model->Run(edits::CutAttribute(attribute.Get()));
          },
          "attribute"_a, "Removes the attribute with its subtree; its parent loses its function.")
      .def_property_readonly("options",
                             [](const TScriptModel& model) {
                               std::vector<std::string> names;
                               for (int k = 0; k < model.Model().OptionCount(); ++k) {
                                 names.push_back(Cp1250ToUtf8(model.Model().Options()[k]));
                               }
                               return names;
                             })
      .def(
          "option_values",
          [](const TScriptModel& model, const py::object& option) {
            return OptionValues(model, OptionOf(model, option));
          },
          "option"_a, "The option's values (name or index): basic attributes' names to texts.")
      .def("add_option", &AddOption, "name"_a, "values"_a = py::none(),
           "Appends an option, with values (basic attributes' names to value texts) if given; "
           "returns its index.")
      .def(
          "remove_option",
          [](const TModelPtr& model, const py::object& option) {
            model->Run(edits::DeleteOption(OptionOf(*model, option)));
          },
          "option"_a)
      .def(
          "rename_option",
          [](const TModelPtr& model, const py::object& option, const std::string& name) {
            model->Run(edits::RenameOption(OptionOf(*model, option), ModelText(name)));
          },
          "option"_a, "name"_a)
      .def("import_options", &ImportOptionsFile, "path"_a, "replace"_a = true,
           "Reads the options of a CSV file, as the desktop program's Import options and ubic-cli "
           "evaluate --options do: they replace the model's options, or join them after the last "
           "one. Fields are separated by commas, semicolons or tabs, as the header row has them; "
           "names match regardless of blanks around them and letter case when that is clear. A "
           "file that cannot be read raises ubic.ModelError with its file and line and changes "
           "nothing.")
      .def("export_options", &ExportOptionsFile, "path"_a,
           "Writes the options as the CSV file import_options reads: a header of \"Option\" and "
           "the basic attributes' names, then a row per option.")
      .def("set_option_value", &SetOptionValue, "option"_a, "attribute"_a, "value"_a,
           "Sets an option's value on a basic attribute: a value name, several joined by "
           "\";\", \"*\" or \"\" for undefined, or weights: a mapping of value names to "
           "weights such as {\"low\": 0.2, \"medium\": 0.8}, or the text "
           "\"low=0.2;medium=0.8\".")
      .def("evaluate", &Evaluate, "options"_a = py::none(), "method"_a = "sets",
           "Evaluates options and returns every attribute's value text, exactly as ubic-cli "
           "evaluate prints it (sets as \"a;b\", \"*\" undefined).\n\n"
           "options: None for the model's own options (a list of dicts), a mapping of basic "
           "attributes' names to value texts (a dict), a list of such mappings (a list of "
           "dicts) or a pandas DataFrame with a column per basic attribute (a DataFrame with "
           "the same index, a column per attribute, then the frame's columns that name no "
           "attribute, as they were). A value text is a value name, several joined by \";\", or "
           "\"*\", \"\", None or NaN for undefined; a value may hold weights instead, as a "
           "mapping of value names to weights or a text \"name=weight;...\". The model itself "
           "is not changed.\n\n"
           "method: \"sets\" reads weights as the set of their values of positive weight; "
           "\"prob\" and \"fuzzy\" carry them up the tree as probabilities or fuzzy degrees, "
           "and every result is then a mapping of the values of positive weight, in scale "
           "order, to their weights, unrounded (ubic-cli evaluate --method prints them to 4 "
           "decimals).")
      .def("evaluate_codes", &EvaluateCodes, "codes"_a,
           "Evaluates options given as value indices: an integer array of one row per option "
           "and one column per basic attribute (basic_attributes), -1 for undefined. Returns "
           "(low, high): int32 arrays of one column per aggregate attribute "
           "(aggregate_attributes), the first and last value index of each result, -1 where "
           "it is undefined. Releases the GIL while it works.")
      .def("evaluate_distributions", &EvaluateDistributions, "weights"_a, "method"_a = "prob",
           "Evaluates options given as weights by \"prob\" or \"fuzzy\": a float array of "
           "shape (options, basic attributes, values), a row of weights per option and basic "
           "attribute (basic_attributes) with a weight per value of its scale and zeros after "
           "them, as wide as the largest scale or wider; a row of zeros is undefined. Returns a "
           "float64 array of shape (options, aggregate attributes, values): the distribution of "
           "each aggregate attribute (aggregate_attributes), as wide as the largest of their "
           "scales. A negative or non-finite weight, or one beyond a scale, raises "
           "ubic.ModelError naming the option, the attribute and the value. Releases the GIL "
           "while it works.")
      .def("sensitivity", &Sensitivity, "option"_a,
           "What if: the option as it is, then every basic attribute with a single value moved "
           "one value down and up. One dict per row with \"Attribute\", \"From\", \"To\" and "
           "the top-level attributes' value texts, as ubic-cli sensitivity prints them.");
}

}  // namespace
}  // namespace ubic::python

using namespace ubic::python;

PYBIND11_MODULE(ubic, m) {
  m.doc() =
      "Qualitative multi-attribute decision models: read, build, evaluate and analyse them with "
      "the same code as the Ubic desktop program and ubic-cli.";
  ModelErrorType() = py::reinterpret_borrow<py::object>(
      PyErr_NewExceptionWithDoc("ubic.ModelError",
                                "A model or a file that the program cannot use; the message is "
                                "the program's own. file and line tell where, when known.",
                                PyExc_ValueError, nullptr));
  m.attr("ModelError") = ModelErrorType();
  const py::module_ builtins = py::module_::import("builtins");
  UnknownNameErrorType() = builtins.attr("type")(
      "UnknownNameError", py::make_tuple(ModelErrorType(), builtins.attr("KeyError")),
      py::dict("__module__"_a = "ubic",
               "__doc__"_a = "A name of an attribute, an option or a value that the model does "
                             "not have: both a ModelError and a KeyError. name is the name, "
                             "closest the closest the model has (None if none is close).",
               // The message as it is, not quoted as KeyError would.
               "__str__"_a = builtins.attr("BaseException").attr("__str__")));
  m.attr("UnknownNameError") = UnknownNameErrorType();
  DistributionWarningType() = py::reinterpret_borrow<py::object>(PyErr_NewExceptionWithDoc(
      "ubic.DistributionWarning",
      "An analysis (explain, target, sensitivity) of an option that holds weights: it reads "
      "each as the set of its values of positive weight.",
      PyExc_UserWarning, nullptr));
  m.attr("DistributionWarning") = DistributionWarningType();
  py::register_exception_translator(&TranslateError);

  BindValues(m);
  BindAttribute(m);
  py::class_<TScriptModel, TModelPtr> model = BindModel(m);
  BindAnalyses(m, model);
  m.def("load", &Load, "path"_a, "format"_a = py::none(),
        "Reads a model: the own format (.ubm), jKIV (.xml) or KVX (.kvx), by the file's "
        "extension unless a format (\"ubm\", \"jkiv\", \"kvx\") is named. The import's remarks "
        "are in Model.remarks.");
  m.attr("examples") = ExamplesFolder();
  m.attr("__version__") = UBIC_VERSION;
  py::list names;
  for (const py::handle name : py::module_::import("builtins").attr("dir")(m)) {
    if (name.cast<std::string>().rfind('_', 0) != 0) names.append(name);
  }
  m.attr("__all__") = names;
}
