#pragma once

#include <memory>
#include <string>

#include "attribute.h"
#include "foundation/strlist.h"
#include "ubicobject.h"

namespace ubic {

// The counts of a model as the user sees them in the status line.
struct TModelStatistics {
  int Attributes = 0;
  int Basic = 0;
  int Complex = 0;
  int Scales = 0;
  int Functions = 0;
  int Options = 0;

  bool operator==(const TModelStatistics&) const = default;
  std::string Text() const;
};

// A scale offered for choice, under the text that names it.
struct TScaleChoice {
  std::string Text;
  const TUbicScale* Scale = nullptr;
};

// A decision model: the attribute tree below a hidden root, the option names and the state the
// document window shows.
class TUbicModel : public TUbicObject {
 public:
  TUbicModel();
  ~TUbicModel() override;

  // A const model hands out only const attributes, scales and functions.
  TUbicAttribute* Root() { return FRoot.get(); }
  const TUbicAttribute* Root() const { return FRoot.get(); }
  // Destroys the whole tree and starts again with an empty root; the options stay.
  void ResetTree();
  // Every edit ends here: the model must be evaluated again.
  void Changed() { FNeedsEvaluation = true; }
  bool NeedsEvaluation() const { return FNeedsEvaluation; }
  void SetNeedsEvaluation(bool value) { FNeedsEvaluation = value; }

  TUbicAttribute* FirstAttribute();
  const TUbicAttribute* FirstAttribute() const;
  // The model's name for the document caption: that of its first top-level attribute.
  std::string DisplayName() const;
  // The scale most recently confirmed in the scale editor, or nil once it has been destroyed.
  TUbicScale* LastScale();
  // The same for reading only: a destroyed scale reads as nil but stays noted.
  const TUbicScale* LastScale() const;
  void SetLastScale(TUbicScale* scale) { FLastScale = scale; }
  // A new attribute called "New", with a copy of LastScale if there is one.
  std::unique_ptr<TUbicAttribute> NewAttribute();
  // The first attribute in pre-order whose name is Name exactly; nil if none.
  TUbicAttribute* FindAttribute(const std::string& name);
  const TUbicAttribute* FindAttribute(const std::string& name) const;

  const TStrList& Options() const { return FOptions; }
  int OptionCount() const { return FOptions.Count(); }
  void SetOptionName(int index, const std::string& name) { FOptions.Put(index, name); }
  int AddOption(const std::string& name);
  void InsertOption(int k, const std::string& name);
  void DeleteOption(int k);
  // Deletes every option with its values and the selection.
  void ClearOptions();
  const std::string& OptionSelection() const { return FOptionSelection; }
  void SetOptionSelection(const std::string& value) { FOptionSelection = value; }
  // Options beyond the end of OptionSelection count as selected.
  bool OptionSelected(int k) const;
  void SetOptionSelected(int k, bool selected);
  // Evaluates every option on the whole tree.
  void EvaluateAll();

  TModelStatistics Statistics() const;
  void ForEachOwned(const std::function<void(const TUbicObject*)>& visit) const override;
  // "<undefined>" (without a scale) and the descriptive texts of the existing scales, each text
  // once with the scale met first: from StartAttribute's subtree, then from the whole tree; with
  // FilterScale only scales of the same kind. Scales that no attribute may take are left out,
  // but for StartAttribute's own.
  std::vector<TScaleChoice> ScaleChoices(const TUbicAttribute* startAttribute,
                                         const TUbicScale* filterScale) const;
  // One scale of each group of equal scales, named after its attribute.
  std::vector<TScaleChoice> DistinctScales() const;

 private:
  std::vector<TUbicAttribute*> AllAttributes();
  std::vector<const TUbicAttribute*> AllAttributes() const;

  std::unique_ptr<TUbicAttribute> FRoot;
  bool FNeedsEvaluation = false;
  TUbicScale* FLastScale = nullptr;
  TStrList FOptions{false, false, TDuplicates::Accept};
  std::string FOptionSelection;
};

}  // namespace ubic
