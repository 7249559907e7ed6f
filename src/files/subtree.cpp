#include "subtree.h"

#include "model/ubicstr.h"
#include "model/valuecode.h"
#include "model/valuetext.h"
#include "modelfile.h"
#include "xml.h"

namespace ubic {

namespace {

std::vector<std::string> TransferText(const TUbicAttribute& attribute) {
  TXmlItem root("SUBTREE");
  WriteAttribute(attribute, root);
  std::vector<std::string> lines;
  WriteXml(root, lines);
  return lines;
}

}  // namespace

std::vector<std::string> WriteSubtree(const TUbicModel& model, const TUbicAttribute* attribute) {
  return TransferText(attribute != nullptr ? *attribute : *model.Root());
}

std::unique_ptr<TUbicAttribute> ReadSubtree(const std::vector<std::string>& lines) {
  TXmlItem root;
  ReadXml(root, lines);
  if (root.Name != "SUBTREE") throw EUbicError(Translated(ubicstr::UnknownStringListFormat));
  const TXmlItem* attribute = root.FindItem("ATTRIBUTE");
  TRuleBudget budget;
  return attribute != nullptr ? ReadAttribute(*attribute, budget) : nullptr;
}

std::unique_ptr<TUbicAttribute> DuplicateSubtree(const TUbicAttribute& attribute) {
  return ReadSubtree(TransferText(attribute));
}

std::vector<std::string> CopyOptionToClipboard(
    const TUbicModel& model, int index, const std::vector<const TUbicAttribute*>& attributes) {
  std::vector<std::string> lines{model.Options()[index]};
  for (const TUbicAttribute* attribute : attributes) lines.push_back(attribute->OptionText(index));
  return lines;
}

void PasteOptionFromClipboard(TUbicModel& model, int index,
                              const std::vector<TUbicAttribute*>& attributes,
                              const std::vector<std::string>& clipboard) {
  if (clipboard.empty()) return;
  model.SetOptionName(index, clipboard[0]);
  for (std::size_t i = 0; i < attributes.size() && i + 1 < clipboard.size(); ++i) {
    attributes[i]->SetOptionText(index, HeldValues(attributes[i]->Scale(), clipboard[i + 1]));
  }
}

}  // namespace ubic
