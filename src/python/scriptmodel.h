#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "codeevaluator.h"
#include "document/document.h"
#include "files/evaluationtable.h"

namespace ubic::python {

// A call of a script that names what the model does not have; the message is UTF-8.
class EScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A column of options to evaluate: a basic attribute's name (UTF-8) and a value text for each
// option as an options file holds it (a value name, several joined by ";", "*" or nothing for
// undefined). A few texts fill most columns: each is kept once.
class TOptionColumn {
 public:
  TOptionColumn(std::string name, std::size_t rows) : FName(std::move(name)), FCells(rows, 0) {}

  const std::string& Name() const { return FName; }
  void Set(std::size_t row, std::string_view text);
  // The different texts, the first of them empty, and the index of each option's text.
  const std::vector<std::string>& Texts() const { return FTexts; }
  const std::vector<std::uint32_t>& Cells() const { return FCells; }

 private:
  struct THash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
      return std::hash<std::string_view>()(text);
    }
  };

  std::string FName;
  std::vector<std::uint32_t> FCells;
  std::vector<std::string> FTexts{std::string()};
  std::unordered_map<std::string, std::uint32_t, THash, std::equal_to<>> FIndex{{{}, 0}};
};

struct TOptionColumns {
  std::vector<TOptionColumn> Columns;
  std::size_t Rows = 0;
};

// The results of evaluating options: every attribute's name in pre-order and its value text for
// each option, exactly as the evaluation table of the program and the tool gives it.
class TEvaluation {
 public:
  TEvaluation(std::unique_ptr<TUbicModel> copy, const TUbicModel& model);

  std::size_t Rows() const { return FRows; }
  const std::vector<std::string>& Names() const { return FNames; }
  // The text of Attribute's value for option Row; alive as long as the evaluation.
  const std::string& Text(std::size_t attribute, std::size_t row) const {
    return *FTexts[attribute][row];
  }

 private:
  std::unique_ptr<TUbicModel> FCopy;
  std::size_t FRows = 0;
  std::vector<std::string> FNames;
  std::vector<std::unique_ptr<TValueCells>> FCells;
  std::vector<std::vector<const std::string*>> FTexts;
};

// A model as a script holds it: a document, through whose named edits every change goes, and
// lasting names for its attributes. A script keeps an attribute by a number that the edits do
// not disturb: it names the same attribute until that attribute goes.
class TScriptModel final : public TDocumentObserver {
 public:
  using TAttributeId = std::uint64_t;

  // A new model with one attribute.
  TScriptModel();
  // The model of a file, read in Format or by the file's extension.
  TScriptModel(const std::string& fileName, std::optional<TModelFormat> format);
  TScriptModel(const TScriptModel&) = delete;
  TScriptModel& operator=(const TScriptModel&) = delete;
  ~TScriptModel();

  TUbicDocument& Document() { return *FDocument; }
  const TUbicModel& Model() const { return FDocument->Model(); }
  // The remarks of reading the file, one UTF-8 line each.
  const std::vector<std::string>& Remarks() const { return FRemarks; }

  // Runs an edit as one step of the document. When it fails the model is put back as it was,
  // and every attribute is the one it was.
  void Run(const TEdit& edit) { FDocument->Run(edit); }
  // A step back or forward brings another tree: no attribute a script holds is in it.
  void Undo();
  void Redo();

  TAttributeId IdOf(const TUbicAttribute& attribute);
  // The attribute of Id; EScriptError once it has gone.
  TUbicAttribute& Attribute(TAttributeId id) const;
  // The first attribute of that name in pre-order, nil if none.
  TUbicAttribute* Find(const std::string& utf8Name) const;
  // The option of that name (the first one if several share it); EScriptError if none.
  int OptionIndex(const std::string& utf8Name) const;

  // The evaluator of options by value indices for the model as it is now, made once per state.
  std::shared_ptr<const TCodeEvaluator> CodeEvaluator();
  // Options evaluated on a copy of the model, which stays as it is. Unknown attributes and values
  // raise EScriptError.
  std::unique_ptr<TEvaluation> Evaluate(const TOptionColumns& options) const;
  // The model's own options.
  std::unique_ptr<TEvaluation> EvaluateOwn() const;

  void DocumentChanging() override;
  void DocumentChanged(const TDocumentChange& change) override;

 private:
  explicit TScriptModel(std::unique_ptr<TUbicDocument> document, std::string remarks);

  std::unique_ptr<TUbicDocument> FDocument;
  std::vector<std::string> FRemarks;
  TAttributeId FNextId = 1;
  std::unordered_map<TAttributeId, TUbicAttribute*> FAttributes;
  std::unordered_map<const TUbicAttribute*, TAttributeId> FIds;
  // Where each known attribute was before a change that rebuilt the tree.
  std::unordered_map<TAttributeId, std::vector<int>> FPaths;
  std::shared_ptr<const TCodeEvaluator> FCodeEvaluator;
  bool FForgetAttributes = false;
};

// The remarks of a file's import or export as UTF-8 lines, empty ones left out.
std::vector<std::string> RemarkLines(const std::string& remarks);

}  // namespace ubic::python
