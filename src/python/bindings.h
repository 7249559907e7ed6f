#pragma once

// What the bindings of the module's classes share: attributes as scripts hold them, and the
// texts, values and options that scripts name.
#include <pybind11/pybind11.h>

#include <memory>
#include <string>
#include <vector>

#include "scriptmodel.h"

namespace ubic::python {

namespace py = pybind11;

using TModelPtr = std::shared_ptr<TScriptModel>;

// An attribute of a model as a script holds it.
struct TPyAttribute {
  TModelPtr Model;
  TScriptModel::TAttributeId Id;

  const TUbicAttribute& Get() const { return Model->Attribute(Id); }
};

TPyAttribute Handle(const TModelPtr& model, const TUbicAttribute& attribute);
std::vector<TPyAttribute> Handles(const TModelPtr& model,
                                  const std::vector<const TUbicAttribute*>& attributes);
// The model's attributes in pre-order that pass Filter.
std::vector<const TUbicAttribute*> Attributes(const TScriptModel& model,
                                              const TUbicAttribute::TFilter& filter = {});

// A text a script gives for the model, in the model's Windows-1250.
std::string ModelText(const std::string& utf8);
py::str PyText(const std::string& cp1250);

// The index of a value given by its name or its index.
int ValueOf(const TUbicAttribute& attribute, const py::handle& value);
// The index of an option given by its name or its index.
int OptionOf(const TScriptModel& model, const py::object& option);
// The same for an analysis, which reads values with weights as the sets of their values of
// positive weight: it warns of them by ubic.DistributionWarning.
int AnalysedOption(const TScriptModel& model, const py::object& option);
// ubic.DistributionWarning, made with the module.
py::object& DistributionWarningType();

// Text for HTML, and a value's name coloured by its class ("bad", "neutral" or "good").
std::string Html(const std::string& text);
std::string HtmlValue(const std::string& name, const std::string& valueClass);
// Rows of dicts of the same keys as an HTML table, the keys as its header.
std::string HtmlTable(const py::list& rows);

// The analyses of a model: conflicts, explain and target.
void BindAnalyses(py::module_& m, py::class_<TScriptModel, TModelPtr>& model);

}  // namespace ubic::python
