#include "bindings.h"

#include "foundation/cp1250.h"

namespace ubic::python {

TPyAttribute Handle(const TModelPtr& model, const TUbicAttribute& attribute) {
  return {model, model->IdOf(attribute)};
}

std::vector<TPyAttribute> Handles(const TModelPtr& model,
                                  const std::vector<const TUbicAttribute*>& attributes) {
  std::vector<TPyAttribute> handles;
  for (const TUbicAttribute* attribute : attributes) handles.push_back(Handle(model, *attribute));
  return handles;
}

std::vector<const TUbicAttribute*> Attributes(const TScriptModel& model,
                                              const TUbicAttribute::TFilter& filter) {
  std::vector<const TUbicAttribute*> attributes;
  model.Model().Root()->CollectAttributes(attributes, filter);
  return attributes;
}

std::string ModelText(const std::string& utf8) {
  bool replaced = false;
  std::string text = Utf8ToCp1250(utf8, &replaced);
  if (replaced)
    throw py::value_error("The text \"" + utf8 + "\" has characters a model cannot hold");
  return text;
}

py::str PyText(const std::string& cp1250) {
  return py::str(Cp1250ToUtf8(cp1250));
}

int ValueOf(const TUbicAttribute& attribute, const py::handle& value) {
  const int count = attribute.Scale() != nullptr ? attribute.Scale()->Count() : 0;
  if (py::isinstance<py::str>(value)) {
    const auto name = value.cast<std::string>();
    try {
      return TUbicAttribute::ValueIndex(&attribute, ModelText(name));
    } catch (const EUbicError& e) {
      std::vector<std::string> known;
      for (int v = 0; v < count; ++v) {
        known.push_back(Cp1250ToUtf8(attribute.DiscreteScale()->ValueName(v)));
      }
      throw EUnknownName(Cp1250ToUtf8(e.what()), name, std::move(known));
    }
  }
  const int index = value.cast<int>();
  if (index < 0 || index >= count) {
    throw py::value_error("No value " + std::to_string(index) + " in the scale of \"" +
                          Cp1250ToUtf8(attribute.GetName()) + "\"");
  }
  return index;
}

int OptionOf(const TScriptModel& model, const py::object& option) {
  if (py::isinstance<py::str>(option)) return model.OptionIndex(option.cast<std::string>());
  const int given = option.cast<int>();
  const int count = model.Model().OptionCount();
  // As in Python, -1 is the last.
  const int index = given < 0 ? given + count : given;
  if (index < 0 || index >= count) throw py::index_error("No option " + std::to_string(given));
  return index;
}

py::object& DistributionWarningType() {
  static py::object type;
  return type;
}

int AnalysedOption(const TScriptModel& model, const py::object& option) {
  const int k = OptionOf(model, option);
  std::vector<const TUbicAttribute*> basic;
  model.Model().Root()->CollectBasicAttributes(basic);
  std::string weighted;
  for (const TUbicAttribute* attribute : basic) {
    if (!attribute->OptionWeightsOf(k)) continue;
    weighted += (weighted.empty() ? "\"" : ", \"") + Cp1250ToUtf8(attribute->GetName()) + "\"";
  }
  if (!weighted.empty()) {
    const std::string message = "Option \"" + Cp1250ToUtf8(model.Model().Options()[k]) +
                                "\" holds weights on " + weighted +
                                ": the analysis reads each as the set of its values of "
                                "positive weight";
    if (PyErr_WarnEx(DistributionWarningType().ptr(), message.c_str(), 1) != 0) {
      throw py::error_already_set();
    }
  }
  return k;
}

std::string Html(const std::string& text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

std::string HtmlValue(const std::string& name, const std::string& valueClass) {
  // Bad values red and good ones green, as everywhere in the program.
  if (valueClass == "bad") return "<span style=\"color:#c00000\">" + Html(name) + "</span>";
  if (valueClass == "good") return "<span style=\"color:#008000\">" + Html(name) + "</span>";
  return Html(name);
}

std::string HtmlTable(const py::list& rows) {
  if (rows.empty()) return "<table></table>";
  std::string html = "<table><thead><tr>";
  for (const auto& [key, cell] : rows[0].cast<py::dict>()) {
    html += "<th>" + Html(py::str(key).cast<std::string>()) + "</th>";
  }
  html += "</tr></thead><tbody>";
  for (const py::handle row : rows) {
    html += "<tr>";
    for (const auto& [key, cell] : row.cast<py::dict>()) {
      html += "<td style=\"text-align:left\">" + Html(py::str(cell).cast<std::string>()) + "</td>";
    }
    html += "</tr>";
  }
  return html + "</tbody></table>";
}

}  // namespace ubic::python
