#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "distribution.h"
#include "foundation/strlist.h"
#include "function.h"
#include "scale.h"
#include "ubicobject.h"

namespace ubic {

class TUbicAttribute;

class TUbicAttributeList : public TUbicList {
 public:
  TUbicAttributeList() : TUbicList(true, false, TDuplicates::Accept) {}
  TUbicAttribute* Items(int index) const;
  void PutItem(int index, TUbicAttribute* attribute);
};

// A node of the attribute tree: it owns its inputs, its scale, its utility function and the
// texts of its option values.
class TUbicAttribute : public TUbicObject {
 public:
  explicit TUbicAttribute(const std::string& name = {}, const std::string& description = {});
  ~TUbicAttribute() override;

  using TFilter = std::function<bool(const TUbicAttribute&)>;

  int InputCount() const { return FInputs ? FInputs->Count() : 0; }
  // The accessors hand out what a const attribute holds as const: only who may change the
  // attribute may change its inputs, scale and function.
  TUbicAttribute* Input(int index);
  const TUbicAttribute* Input(int index) const;
  bool IsBasic() const { return InputCount() == 0; }
  TUbicAttribute* Parent() { return FParent; }
  const TUbicAttribute* Parent() const { return FParent; }
  // The number of ancestors: 0 for the root, 1 for a top-level attribute.
  int Level() const;
  // Whether Attribute is this one's parent, grandparent and so on; false for itself.
  bool HasAncestor(const TUbicAttribute* attribute) const;
  // Position among the inputs, -1 if absent.
  int IndexOfInput(const TUbicAttribute* attribute) const;

  // Appends Input and makes this attribute its parent; does nothing for nil. The function of this
  // attribute is not touched.
  void AddInput(std::unique_ptr<TUbicAttribute> input);
  // Removes Input and destroys it with its subtree.
  void DeleteInput(TUbicAttribute* input);
  // Removes Input without destroying it; its Parent still names this attribute until it is
  // added elsewhere.
  std::unique_ptr<TUbicAttribute> ExtractInput(TUbicAttribute* input);
  // Exchange the input at Index with its neighbour before or after it. The function's rules are
  // rearranged to match, so that every rule keeps its meaning.
  void MoveInputUp(int index);
  void MoveInputDown(int index);
  // Destroys the function and all descendants; the scale and option values stay.
  void DeleteSubtree();
  // The tree edits of a user, which keep the model's rules: a function whose inputs change no
  // longer fits and goes, and an attribute that gets its first input loses the values it held as
  // a basic attribute, since from now on they are evaluated.
  void AttachInput(std::unique_ptr<TUbicAttribute> input);
  std::unique_ptr<TUbicAttribute> DetachInput(TUbicAttribute* input);
  // Removes the scale; the option values and the function go with it, and so do the parent's
  // function and values, which were computed over it.
  void DeleteScale();
  // Empties List and fills it with the descendants in pre-order that Filter accepts (all
  // without a filter); the attribute itself is never collected.
  void CollectAttributes(std::vector<TUbicAttribute*>& list, const TFilter& filter = {});
  void CollectAttributes(std::vector<const TUbicAttribute*>& list,
                         const TFilter& filter = {}) const;
  void CollectBasicAttributes(std::vector<TUbicAttribute*>& list);
  void CollectBasicAttributes(std::vector<const TUbicAttribute*>& list) const;

  TUbicScale* Scale() { return FScale.get(); }
  const TUbicScale* Scale() const { return FScale.get(); }
  // The scale as a discrete scale; nil without one.
  TUbicDiscreteScale* DiscreteScale();
  const TUbicDiscreteScale* DiscreteScale() const;
  void SetScale(std::unique_ptr<TUbicScale> scale);
  TUbicFunction* Funct() { return FFunct.get(); }
  const TUbicFunction* Funct() const { return FFunct.get(); }
  void SetFunct(std::unique_ptr<TUbicFunction> function);

  // Entry K is the value-set text of option K on this attribute.
  TStrList& OptionValues() { return FOptionValues; }
  const TStrList& OptionValues() const { return FOptionValues; }

  // Whether a change of this attribute's scale changes a function: its own or its parent's.
  bool AffectsFunction() const;
  // A scale of at least 2 values, at least one input, and every input with such a scale.
  bool CanHaveFunction() const;
  // CanHaveFunction, and every input's scale ascending.
  bool InputsAscending() const;
  // The number of input combinations, -1 if the attribute can have no function. Raises
  // EIntOverflow when the product exceeds the integer range.
  int RuleCount() const;

  // Scale edits that keep option values and functions in step, in this order: the scale itself,
  // this attribute's option values, its own function, the parent's function.
  void InsertScaleValue(int k, const std::string& name, const std::string& description = {});
  void DeleteScaleValue(int k);

  // Option values. A value-set text holds one value code per possible value in increasing
  // order; empty means undefined and "*" any value.
  std::string OptionText(int k) const;
  void SetOptionText(int k, const std::string& text);
  // Sets the texts of the options from First on to those of Texts, which is left empty.
  void TakeOptionTexts(int first, TStrList& texts);
  // Weights beside the value-set texts: entry K holds one weight per code of entry K of the
  // option values (WeightsField), or nothing for a plain value. A text that no longer has as many
  // codes as its weights is a plain value again.
  const TStrList& OptionWeights() const { return FOptionWeights; }
  std::optional<std::vector<double>> OptionWeightsOf(int k) const;
  bool HasOptionWeights() const;
  // Sets entry K to Value's codes with its weights.
  void SetOptionWeighted(int k, const TWeightedValue& value);
  // Sets the weights fields from First on, for texts set by TakeOptionTexts; Fields is left
  // empty.
  void TakeOptionWeights(int first, TStrList& fields);
  // Forgets every option's value and weights.
  void ClearOptionValues();
  // The index of the first value of entry K, -1 when it is undefined or not a value of the scale.
  int OptionValue(int k) const;
  void SetOptionValue(int k, int index);
  void InsertOption(int k);
  void DeleteOption(int k);
  // After a value was inserted into / deleted from the scale at index K.
  void ShiftValuesUp(int k);
  void RemoveValue(int k);
  // Evaluates option K from the inputs' values; a basic attribute keeps its entry.
  void EvaluateOption(int k);
  // The value-set text this aggregate attribute takes for one value-set text per input, as
  // EvaluateOption gives it: undefined without a scale or a function.
  std::string EvaluateInputs(std::span<const std::string_view> inputTexts) const;
  // Evaluates N options on the whole subtree, bottom-up.
  void EvaluateAll(int n);
  // The index of the value called Name in Attribute's scale; raises EUbicError if none.
  static int ValueIndex(const TUbicAttribute* attribute, const std::string& name);

  void ForEachOwned(const std::function<void(const TUbicObject*)>& visit) const override;

 private:
  void ReleaseEmptyInputs();
  void ExchangeInputs(int index1, int index2);
  void EvaluateAggregate(int k, std::vector<std::string_view>& inputTexts);

  std::unique_ptr<TUbicAttributeList> FInputs;
  TUbicAttribute* FParent = nullptr;
  std::unique_ptr<TUbicScale> FScale;
  std::unique_ptr<TUbicFunction> FFunct;
  TStrList FOptionValues{false, false, TDuplicates::Accept};
  TStrList FOptionWeights{false, false, TDuplicates::Accept};
};

}  // namespace ubic
