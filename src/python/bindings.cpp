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
    try {
      return TUbicAttribute::ValueIndex(&attribute, ModelText(value.cast<std::string>()));
    } catch (const EUbicError& e) {
      throw EScriptError(Cp1250ToUtf8(e.what()));
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
  const int index = option.cast<int>();
  if (index < 0 || index >= model.Model().OptionCount()) {
    throw py::index_error("No option " + std::to_string(index));
  }
  return index;
}

}  // namespace ubic::python
