#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "document.h"
#include "model/model.h"
#include "model/target.h"

// The edits a user makes to a model, each a named step for the document to run. An edit names
// the attributes it concerns by their place in the tree, taken when it is made: it is made for
// the model as it stands and run on it right away. The questions a command asks (may a function
// go?) are asked before the edit is made.
namespace ubic::edits {

// The attribute tree.
// A new input of Parent, which loses its function; a top-level attribute under the model's root.
// It is named Name, or "New" when Name is empty.
TEdit AddAttribute(const TUbicAttribute& parent, const std::string& name = {});
// A basic attribute goes, and its parent's function with it; an aggregate one loses its inputs
// and function and stays as a basic attribute.
TEdit DeleteAttribute(const TUbicAttribute& attribute);
// Attribute and its subtree go (after being copied to the clipboard); the parent loses its
// function.
TEdit CutAttribute(const TUbicAttribute& attribute);
// A copy of Subtree becomes the last input of Target, which loses its function.
TEdit PasteAttribute(const TUbicAttribute& target, const TUbicAttribute& subtree);
// A copy of Attribute and its subtree becomes the last top-level attribute.
TEdit DuplicateAttribute(const TUbicAttribute& attribute);
// Attribute changes places with its neighbour before (Offset -1) or after it (1); the parent's
// rules follow.
TEdit MoveAttribute(const TUbicAttribute& attribute, int offset);
// Attribute becomes the last input of Onto (nil for the top level); both parents lose their
// functions.
TEdit DragAttribute(const TUbicAttribute& attribute, const TUbicAttribute* onto);
TEdit RenameAttribute(const TUbicAttribute& attribute, const std::string& name);

// What the edits of the tree delete besides what they name: the attributes whose functions go,
// so that a command can say so before it runs. Each is listed where its function goes, even an
// attribute that loses it twice.
// Adding or pasting an input of Parent: Parent's function.
std::vector<const TUbicAttribute*> FunctionsLostByAdding(const TUbicAttribute& parent);
// Deleting: a basic attribute's parent's function; an aggregate attribute's own.
std::vector<const TUbicAttribute*> FunctionsLostByDeleting(const TUbicAttribute& attribute);
// Cutting: the parent's function.
std::vector<const TUbicAttribute*> FunctionsLostByCutting(const TUbicAttribute& attribute);
// Dragging onto Onto (nil for the top level): Onto's function, then the parent's.
std::vector<const TUbicAttribute*> FunctionsLostByDragging(const TUbicAttribute& attribute,
                                                           const TUbicAttribute* onto);
// Whether Attribute may become an input of Onto (nil for the top level): never of itself or of
// its own subtree.
bool CanDrag(const TUbicAttribute& attribute, const TUbicAttribute* onto);
TEdit DescribeAttribute(const TUbicAttribute& attribute, const std::string& description);

// Scales.
// Attribute takes a copy of Scale; nil deletes its scale with what depends on it. A scale that is
// not acceptable (TUbicDiscreteScale::AcceptanceProblem) raises EUbicError, here and in EditScale.
TEdit ChooseScale(const TUbicAttribute& attribute, const TUbicScale* scale);
// What the scale editor did to an attribute's scale: values inserted and deleted, in order, each
// keeping the option values and the functions in step; then the resulting scale's names,
// descriptions, order and classes, and whether new attributes take it from now on.
struct TScaleChange {
  struct TStep {
    bool Insert = true;
    int Index = 0;
  };
  std::vector<TStep> Steps;
  std::shared_ptr<const TUbicDiscreteScale> Result;
  bool MakeDefault = false;
};
TEdit EditScale(const TUbicAttribute& attribute, const TScaleChange& change);
// What deleting the value at Index of the scale being edited takes away, after the Steps the
// scale editor has made so far: the options whose value it is on a basic attribute, and the
// entered rules that hold it, in the attribute's own function as a result and in the parent's as
// this input. A value the steps inserted is held by nothing yet.
struct TValueUse {
  int Options = 0;
  int Rules = 0;
  bool operator==(const TValueUse&) const = default;
};
TValueUse UseLostByDeletingValue(const TUbicAttribute& attribute,
                                 const std::vector<TScaleChange::TStep>& steps, int index);

// Functions.
// Attribute takes a copy of Function (its rules, weights and settings).
TEdit SetFunction(const TUbicAttribute& attribute, const TUbicFunction& function);
TEdit DeleteFunction(const TUbicAttribute& attribute);

// Options. Positions count from 0; a position at or past the end appends.
TEdit AddOption(int position, const std::string& name);
TEdit DeleteOption(int option);
// An option at Position from a copied one: its name, then its values on the basic attributes in
// the order of the tree.
TEdit PasteOption(int position, const std::vector<std::string>& copied);
// A copy of Option right after it, named Name, on which each basic attribute of Changes takes
// its single value To.
TEdit AddChangedOption(int option, const std::string& name,
                       const std::vector<TBasicChange>& changes);
TEdit RenameOption(int option, const std::string& name);
// The value-set text of Option on a basic attribute.
TEdit SetOptionValue(const TUbicAttribute& attribute, int option, const std::string& text);
// Option's value with weights over its codes; without weights, a plain value-set text.
TEdit SetOptionValue(const TUbicAttribute& attribute, int option, const TWeightedValue& value);
// Weights of Option's values on a basic attribute, given as "name=weight" joined by ";" with the
// names of its scale. Raises EUbicError naming the option, the attribute and the text when the
// text does not give weights, and changes nothing.
TEdit SetOptionWeights(const TUbicAttribute& attribute, int option, const std::string& text);
// Which options the graphs show: a "0" or "1" per option.
TEdit SelectOptions(const std::string& selection);

// Options read from a file for a model: their names and, for every attribute in pre-order, the
// value text of each, and beside it the weights field of each (see TUbicAttribute::OptionWeights),
// which may be left empty.
struct TImportedOptions {
  std::vector<std::string> Names;
  std::vector<std::vector<std::string>> Values;
  std::vector<std::vector<std::string>> Weights;
};
// Reads an options file (see ImportOptions in files/optionscsv.h) for Model, which stays as it
// is. Raises EOptionsFileError and the errors of reading.
TImportedOptions ReadOptionsFile(const TUbicModel& model, std::istream& stream,
                                 const std::string& fileName);
// The imported options replace the model's options, or join them after the last one.
TEdit ImportOptions(const TImportedOptions& imported, bool replace);

// The model's own texts.
TEdit RenameModel(const std::string& name);
TEdit DescribeModel(const std::string& description);

}  // namespace ubic::edits
