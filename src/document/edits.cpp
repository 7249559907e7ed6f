#include "edits.h"

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <stdexcept>

#include "files/modelfile.h"
#include "files/optionscsv.h"
#include "files/subtree.h"
#include "model/distribution.h"
#include "foundation/translation.h"
#include "model/valuecode.h"
#include "model/valuetext.h"

namespace ubic::edits {

namespace {

// The attribute at Path, which the edit was made for.
TUbicAttribute& At(TUbicModel& model, const std::vector<int>& path) {
  TUbicAttribute* attribute = AttributeAt(model, path);
  if (attribute == nullptr || AttributePath(attribute) != path) {
    throw std::logic_error("An edit names an attribute that the model does not have");
  }
  return *attribute;
}

std::string PathKey(const std::vector<int>& path) {
  std::string key;
  for (const int index : path) key.append(" ").append(std::to_string(index));
  return key;
}

TEditFocus FocusOn(const TUbicAttribute* attribute) {
  return {AttributePath(attribute), -1};
}

TEditFocus FocusOnOption(int option) {
  return {{}, option};
}

// Removes Attribute with its subtree; the parent loses its function.
TEditFocus RemoveAttribute(TUbicModel& model, const std::vector<int>& path) {
  TUbicAttribute& attribute = At(model, path);
  TUbicAttribute* parent = attribute.Parent();
  const int index = parent->IndexOfInput(&attribute);
  parent->DetachInput(&attribute);
  if (parent != model.Root()) return FocusOn(parent);
  if (parent->InputCount() == 0) return {};
  return FocusOn(parent->Input(std::min(index, parent->InputCount() - 1)));
}

// Raises the reader's error when an attribute of Subtree lies deeper than a file can hold: such
// a model could be saved but never opened again, nor its undo steps restored.
void CheckReadable(const TUbicAttribute& subtree) {
  std::vector<std::pair<const TUbicAttribute*, int>> pending{{&subtree, subtree.Level()}};
  while (!pending.empty()) {
    const auto [attribute, level] = pending.back();
    pending.pop_back();
    CheckReadableLevel(attribute->GetName(), level);
    for (int i = 0; i < attribute->InputCount(); ++i) {
      pending.emplace_back(attribute->Input(i), level + 1);
    }
  }
}

// Attribute takes Subtree as its last input.
TEditFocus Attach(TUbicAttribute& attribute, std::unique_ptr<TUbicAttribute> subtree) {
  TUbicAttribute* attached = subtree.get();
  attribute.AttachInput(std::move(subtree));
  CheckReadable(*attached);
  return FocusOn(attached);
}

// A subtree copied while the model had more options keeps no values for options that are gone:
// an attribute holds a value for each option at most.
std::unique_ptr<TUbicAttribute> FittedToOptions(std::unique_ptr<TUbicAttribute> subtree,
                                                const TUbicModel& model) {
  std::vector<TUbicAttribute*> attributes;
  subtree->CollectAttributes(attributes);
  attributes.push_back(subtree.get());
  for (TUbicAttribute* attribute : attributes) {
    while (attribute->OptionValues().Count() > model.OptionCount()) {
      attribute->DeleteOption(model.OptionCount());
    }
  }
  return subtree;
}

// Those of Attributes that have a function; nil stands for the top level, which has none.
std::vector<const TUbicAttribute*> WithFunctions(
    std::initializer_list<const TUbicAttribute*> attributes) {
  std::vector<const TUbicAttribute*> owners;
  for (const TUbicAttribute* attribute : attributes) {
    if (attribute != nullptr && attribute->Funct() != nullptr) owners.push_back(attribute);
  }
  return owners;
}

std::shared_ptr<const TUbicAttribute> CopyOf(const TUbicAttribute& attribute) {
  return DuplicateSubtree(attribute);
}

// An edit of one of Attribute's texts by Set. The keys typed into one field of one attribute
// are one step.
TEdit TextEdit(const char* name, const char* field, const TUbicAttribute& attribute,
               const std::function<void(TUbicAttribute&)>& set) {
  const std::vector<int> path = AttributePath(&attribute);
  return {name,
          [path, set](TUbicModel& model) {
            set(At(model, path));
            return TEditFocus{path, -1};
          },
          std::string(field).append(PathKey(path))};
}

int OptionPosition(const TUbicModel& model, int position) {
  return std::clamp(position, 0, model.OptionCount());
}

// A new option at Position (appended at or past the end); returns where it is.
int InsertOption(TUbicModel& model, int position, const std::string& name) {
  position = OptionPosition(model, position);
  if (position < model.OptionCount()) {
    model.InsertOption(position, name);
    return position;
  }
  return model.AddOption(name);
}

void CheckOption(const TUbicModel& model, int option) {
  if (option < 0 || option >= model.OptionCount()) {
    throw std::logic_error("An edit names an option that the model does not have");
  }
}

}  // namespace

TEdit AddAttribute(const TUbicAttribute& parent, const std::string& name) {
  // The tree's root has no place of its own: a new attribute under it is a top-level one.
  return {UBIC_TEXT("Add attribute"), [path = AttributePath(&parent), name](TUbicModel& model) {
            TUbicAttribute& owner = path.empty() ? *model.Root() : At(model, path);
            std::unique_ptr<TUbicAttribute> added = model.NewAttribute();
            if (!name.empty()) added->SetName(name);
            return Attach(owner, std::move(added));
          }};
}

TEdit DeleteAttribute(const TUbicAttribute& attribute) {
  return {UBIC_TEXT("Delete attribute"), [path = AttributePath(&attribute)](TUbicModel& model) {
            TUbicAttribute& deleted = At(model, path);
            if (deleted.IsBasic()) return RemoveAttribute(model, path);
            deleted.DeleteSubtree();
            return FocusOn(&deleted);
          }};
}

TEdit CutAttribute(const TUbicAttribute& attribute) {
  return {UBIC_TEXT("Cut attribute"), [path = AttributePath(&attribute)](TUbicModel& model) {
            return RemoveAttribute(model, path);
          }};
}

TEdit PasteAttribute(const TUbicAttribute& target, const TUbicAttribute& subtree) {
  return {UBIC_TEXT("Paste attribute"),
          [path = AttributePath(&target), copy = CopyOf(subtree)](TUbicModel& model) {
            return Attach(At(model, path), FittedToOptions(DuplicateSubtree(*copy), model));
          }};
}

TEdit DuplicateAttribute(const TUbicAttribute& attribute) {
  return {UBIC_TEXT("Duplicate attribute"), [path = AttributePath(&attribute)](TUbicModel& model) {
            return Attach(*model.Root(), DuplicateSubtree(At(model, path)));
          }};
}

TEdit MoveAttribute(const TUbicAttribute& attribute, int offset) {
  return {UBIC_TEXT("Move attribute"),
          [path = AttributePath(&attribute), offset](TUbicModel& model) {
            TUbicAttribute& moved = At(model, path);
            TUbicAttribute& parent = *moved.Parent();
            const int index = parent.IndexOfInput(&moved);
            if (index + offset < 0 || index + offset >= parent.InputCount() || offset == 0) {
              throw std::logic_error("An attribute cannot move past the end of its level");
            }
            if (offset < 0) {
              parent.MoveInputUp(index);
            } else {
              parent.MoveInputDown(index);
            }
            return FocusOn(&moved);
          }};
}

TEdit DragAttribute(const TUbicAttribute& attribute, const TUbicAttribute* onto) {
  return {UBIC_TEXT("Drag attribute"),
          [path = AttributePath(&attribute), ontoPath = AttributePath(onto)](TUbicModel& model) {
            TUbicAttribute& dragged = At(model, path);
            TUbicAttribute& target = ontoPath.empty() ? *model.Root() : At(model, ontoPath);
            if (!CanDrag(dragged, &target)) {
              throw std::logic_error("An attribute cannot become an input of its own subtree");
            }
            return Attach(target, dragged.Parent()->DetachInput(&dragged));
          }};
}

TEdit RenameAttribute(const TUbicAttribute& attribute, const std::string& name) {
  return TextEdit(UBIC_TEXT("Rename attribute"), "attribute name", attribute,
                  [name](TUbicAttribute& renamed) { renamed.SetName(name); });
}

std::vector<const TUbicAttribute*> FunctionsLostByAdding(const TUbicAttribute& parent) {
  return WithFunctions({&parent});
}

std::vector<const TUbicAttribute*> FunctionsLostByDeleting(const TUbicAttribute& attribute) {
  return WithFunctions({attribute.IsBasic() ? attribute.Parent() : &attribute});
}

std::vector<const TUbicAttribute*> FunctionsLostByCutting(const TUbicAttribute& attribute) {
  return WithFunctions({attribute.Parent()});
}

std::vector<const TUbicAttribute*> FunctionsLostByDragging(const TUbicAttribute& attribute,
                                                           const TUbicAttribute* onto) {
  return WithFunctions({onto, attribute.Parent()});
}

bool CanDrag(const TUbicAttribute& attribute, const TUbicAttribute* onto) {
  return attribute.Parent() != nullptr &&
         (onto == nullptr || (onto != &attribute && !onto->HasAncestor(&attribute)));
}

TEdit DescribeAttribute(const TUbicAttribute& attribute, const std::string& description) {
  return TextEdit(
      UBIC_TEXT("Edit description"), "attribute description", attribute,
      [description](TUbicAttribute& described) { described.SetDescription(description); });
}

TEdit ChooseScale(const TUbicAttribute& attribute, const TUbicScale* scale) {
  std::shared_ptr<const TUbicScale> copy;
  if (scale != nullptr) {
    auto chosen = std::make_shared<TUbicDiscreteScale>();
    chosen->Assign(*scale);
    chosen->CheckAcceptable();
    copy = std::move(chosen);
  }
  return {UBIC_TEXT("Change scale"), [path = AttributePath(&attribute), copy](TUbicModel& model) {
            TUbicAttribute& changed = At(model, path);
            if (!copy) {
              changed.DeleteScale();
            } else {
              auto scale = std::make_unique<TUbicDiscreteScale>();
              scale->Assign(*copy);
              changed.SetScale(std::move(scale));
              // Values the chosen scale lacks are no longer known.
              for (int k = 0; k < changed.OptionValues().Count(); ++k) {
                changed.SetOptionText(k, HeldValues(changed.Scale(), changed.OptionText(k)));
              }
            }
            return FocusOn(&changed);
          }};
}

TEdit EditScale(const TUbicAttribute& attribute, const TScaleChange& change) {
  if (!change.Result) throw std::logic_error("A scale change without its scale");
  change.Result->CheckAcceptable();
  return {UBIC_TEXT("Edit scale"), [path = AttributePath(&attribute), change](TUbicModel& model) {
            TUbicAttribute& edited = At(model, path);
            const TUbicScale* oldScale = edited.Scale();
            if (edited.DiscreteScale() != nullptr) {
              for (const TScaleChange::TStep& step : change.Steps) {
                if (step.Insert) {
                  edited.InsertScaleValue(step.Index, "");
                } else {
                  edited.DeleteScaleValue(step.Index);
                }
              }
            }
            auto scale = std::make_unique<TUbicDiscreteScale>();
            scale->Assign(*change.Result);
            TUbicScale* newScale = scale.get();
            edited.SetScale(std::move(scale));
            if (edited.Funct() != nullptr) edited.Funct()->Recompute();
            TUbicAttribute* parent = edited.Parent();
            if (parent != nullptr && parent->Funct() != nullptr) parent->Funct()->Recompute();
            // The remembered scale is never left naming the scale that was replaced.
            if (change.MakeDefault) {
              model.SetLastScale(newScale);
            } else if (model.LastScale() == oldScale) {
              model.SetLastScale(nullptr);
            }
            return FocusOn(&edited);
          }};
}

namespace {

// The index in the attribute's present scale of the value at Index after Steps; nothing for a
// value the steps inserted.
std::optional<int> ValueBeforeSteps(const std::vector<TScaleChange::TStep>& steps, int index) {
  for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
    if (step->Insert) {
      if (index == step->Index) return std::nullopt;
      if (index > step->Index) --index;
    } else if (index >= step->Index) {
      ++index;
    }
  }
  return index;
}

}  // namespace

TValueUse UseLostByDeletingValue(const TUbicAttribute& attribute,
                                 const std::vector<TScaleChange::TStep>& steps, int index) {
  const std::optional<int> value = ValueBeforeSteps(steps, index);
  const TUbicScale* scale = attribute.Scale();
  if (!value || scale == nullptr || *value < 0 || *value >= scale->Count()) return {};
  TValueUse use;
  if (attribute.IsBasic()) {
    const char code = ValueCode(*value);
    for (int k = 0; k < attribute.OptionValues().Count(); ++k) {
      if (attribute.OptionText(k).find(code) != std::string::npos) ++use.Options;
    }
  }
  if (const TUbicFunction* own = attribute.Funct()) {
    for (int r = 0; r < own->RuleCount(); ++r) {
      if (own->RuleEntered(r) && own->RuleLow(r) <= *value && *value <= own->RuleHigh(r)) {
        ++use.Rules;
      }
    }
  }
  const TUbicAttribute* parent = attribute.Parent();
  if (const TUbicFunction* rules = parent != nullptr ? parent->Funct() : nullptr) {
    const int input = parent->IndexOfInput(&attribute);
    for (int r = 0; r < rules->RuleCount(); ++r) {
      if (rules->RuleEntered(r) && rules->RuleInput(input, r) == *value) ++use.Rules;
    }
  }
  return use;
}

TEdit SetFunction(const TUbicAttribute& attribute, const TUbicFunction& function) {
  auto copy = std::make_shared<TUbicFunction>();
  copy->Assign(function);
  return {UBIC_TEXT("Edit function"), [path = AttributePath(&attribute), copy](TUbicModel& model) {
            TUbicAttribute& owner = At(model, path);
            if (!owner.CanHaveFunction()) {
              throw std::logic_error("A function for an attribute that can have none");
            }
            // Made for the attribute anew, so that it belongs to the model it goes into.
            auto function = std::make_unique<TUbicFunction>();
            function->Initialize(&owner);
            if (function->RuleCount() != copy->RuleCount()) {
              throw std::logic_error("A function of another table for an attribute");
            }
            function->SetRules(copy->Rules().Strings());
            function->SetWeights(copy->Weights());
            function->SetUseWeights(copy->UseWeights());
            owner.SetFunct(std::move(function));
            return FocusOn(&owner);
          }};
}

TEdit DeleteFunction(const TUbicAttribute& attribute) {
  return {UBIC_TEXT("Delete function"), [path = AttributePath(&attribute)](TUbicModel& model) {
            TUbicAttribute& owner = At(model, path);
            owner.SetFunct(nullptr);
            return FocusOn(&owner);
          }};
}

TEdit AddOption(int position, const std::string& name) {
  return {UBIC_TEXT("Add option"), [position, name](TUbicModel& model) {
            return FocusOnOption(InsertOption(model, position, name));
          }};
}

TEdit DeleteOption(int option) {
  return {UBIC_TEXT("Delete option"), [option](TUbicModel& model) {
            CheckOption(model, option);
            model.DeleteOption(option);
            return FocusOnOption(std::min(option, model.OptionCount() - 1));
          }};
}

TEdit PasteOption(int position, const std::vector<std::string>& copied) {
  if (copied.empty()) throw std::logic_error("A pasted option without a name");
  return {UBIC_TEXT("Paste option"), [position, copied](TUbicModel& model) {
            const int option = InsertOption(model, position, copied[0]);
            std::vector<TUbicAttribute*> basic;
            model.Root()->CollectBasicAttributes(basic);
            PasteOptionFromClipboard(model, option, basic, copied);
            return FocusOnOption(option);
          }};
}

TEdit AddChangedOption(int option, const std::string& name,
                       const std::vector<TBasicChange>& changes) {
  std::vector<std::pair<std::vector<int>, int>> values;
  for (const TBasicChange& change : changes) {
    values.emplace_back(AttributePath(change.Attribute), change.To);
  }
  return {UBIC_TEXT("Add option from target"), [option, name, values](TUbicModel& model) {
            CheckOption(model, option);
            const int added = InsertOption(model, option + 1, name);
            std::vector<TUbicAttribute*> basic;
            model.Root()->CollectBasicAttributes(basic);
            for (TUbicAttribute* attribute : basic) {
              attribute->SetOptionText(added, attribute->OptionText(option));
            }
            for (const auto& [path, value] : values) {
              TUbicAttribute& changed = At(model, path);
              if (!changed.IsBasic()) {
                throw std::logic_error("Only a basic attribute's values can be entered");
              }
              changed.SetOptionValue(added, value);
            }
            return FocusOnOption(added);
          }};
}

TEdit RenameOption(int option, const std::string& name) {
  return {UBIC_TEXT("Rename option"),
          [option, name](TUbicModel& model) {
            CheckOption(model, option);
            model.SetOptionName(option, name);
            return FocusOnOption(option);
          },
          std::string("option name ").append(std::to_string(option))};
}

TEdit SetOptionValue(const TUbicAttribute& attribute, int option, const std::string& text) {
  return {UBIC_TEXT("Change value"),
          [path = AttributePath(&attribute), option, text](TUbicModel& model) {
            TUbicAttribute& changed = At(model, path);
            CheckOption(model, option);
            if (!changed.IsBasic()) {
              throw std::logic_error("Only a basic attribute's values can be entered");
            }
            changed.SetOptionText(option, text);
            return TEditFocus{path, option};
          }};
}

namespace {

// Sets Option's value on the basic attribute at Path to the weights ValueOf reads for it.
TEditFocus SetWeightedAt(TUbicModel& model, const std::vector<int>& path, int option,
                         const std::function<TWeightedValue(const TUbicAttribute&)>& valueOf) {
  TUbicAttribute& changed = At(model, path);
  CheckOption(model, option);
  if (!changed.IsBasic()) throw std::logic_error("Only a basic attribute's values can be entered");
  changed.SetOptionWeighted(option, valueOf(changed));
  return TEditFocus{path, option};
}

}  // namespace

TEdit SetOptionValue(const TUbicAttribute& attribute, int option, const TWeightedValue& value) {
  if (value.Weights.empty()) return SetOptionValue(attribute, option, value.Codes);
  return {"Change value", [path = AttributePath(&attribute), option, value](TUbicModel& model) {
            return SetWeightedAt(model, path, option,
                                 [&value](const TUbicAttribute&) { return value; });
          }};
}

TEdit SetOptionWeights(const TUbicAttribute& attribute, int option, const std::string& text) {
  return {"Change value", [path = AttributePath(&attribute), option, text](TUbicModel& model) {
            return SetWeightedAt(model, path, option, [&](const TUbicAttribute& changed) {
              return ParseWeights(changed.Scale(), text, model.Options()[option],
                                  changed.GetName());
            });
          }};
}

TEdit SelectOptions(const std::string& selection) {
  return {UBIC_TEXT("Select options"), [selection](TUbicModel& model) {
            model.SetOptionSelection(selection);
            return TEditFocus{};
          }};
}

TImportedOptions ReadOptionsFile(const TUbicModel& model, std::istream& stream,
                                 const std::string& fileName) {
  // The file is read into a copy of the tree, so that a file that fails half way leaves the
  // model untouched.
  TUbicModel copy;
  ReadModelDocument(copy, *ModelDocument(model, false));
  ReplaceOptions(copy, stream, fileName);
  TImportedOptions imported;
  for (int k = 0; k < copy.OptionCount(); ++k) imported.Names.push_back(copy.Options()[k]);
  for (const TUbicAttribute* attribute : PreOrderAttributes(copy)) {
    const bool basic = attribute->IsBasic();
    imported.Values.push_back(basic ? attribute->OptionValues().Strings()
                                    : std::vector<std::string>{});
    imported.Weights.push_back(basic ? attribute->OptionWeights().Strings()
                                     : std::vector<std::string>{});
  }
  return imported;
}

TEdit ImportOptions(const TImportedOptions& imported, bool replace) {
  auto shared = std::make_shared<const TImportedOptions>(imported);
  return {UBIC_TEXT("Import options"), [shared, replace](TUbicModel& model) {
            const std::vector<TUbicAttribute*> attributes = PreOrderAttributes(model);
            if (attributes.size() != shared->Values.size()) {
              throw std::logic_error("Imported options of another tree");
            }
            if (replace) model.ClearOptions();
            const int first = model.OptionCount();
            for (const std::string& name : shared->Names) model.AddOption(name);
            for (std::size_t a = 0; a < attributes.size(); ++a) {
              const std::vector<std::string>& values = shared->Values[a];
              for (std::size_t k = 0; k < values.size(); ++k) {
                attributes[a]->SetOptionText(first + static_cast<int>(k), values[k]);
              }
              if (a < shared->Weights.size()) {
                TStrList weights;
                for (const std::string& field : shared->Weights[a]) weights.Add(field);
                attributes[a]->TakeOptionWeights(first, weights);
              }
            }
            return FocusOnOption(shared->Names.empty() ? -1 : first);
          }};
}

TEdit RenameModel(const std::string& name) {
  return {UBIC_TEXT("Rename model"),
          [name](TUbicModel& model) {
            model.SetName(name);
            return TEditFocus{};
          },
          "model name"};
}

TEdit DescribeModel(const std::string& description) {
  return {UBIC_TEXT("Edit model description"),
          [description](TUbicModel& model) {
            model.SetDescription(description);
            return TEditFocus{};
          },
          "model description"};
}

}  // namespace ubic::edits
