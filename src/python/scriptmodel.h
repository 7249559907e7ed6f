#pragma once

#include <cstdint>
#include <functional>
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
class EScriptError : public std::exception {
 public:
  explicit EScriptError(std::string message) : FMessage(std::move(message)) {}
  const char* what() const noexcept override { return FMessage.c_str(); }

  // The option being evaluated when the error came, if one was: its place among those given.
  std::optional<std::size_t> Row;
  // Says which option it was, by the label the script gave it.
  void NameOption(const std::string& label) { FMessage += " (option " + label + ")"; }

 private:
  std::string FMessage;
};

// A name of an attribute, an option or a value that the model does not have. Known are the
// names it might have meant, among which the module finds the closest.
class EUnknownName : public EScriptError {
 public:
  EUnknownName(std::string message, std::string name, std::vector<std::string> known)
      : EScriptError(std::move(message)), Name(std::move(name)), Known(std::move(known)) {}

  std::string Name;
  std::vector<std::string> Known;
};

// A column of options to evaluate: a basic attribute's name (UTF-8) and a value text for each
// option as an options file holds it (a value name, several joined by ";", "*" or nothing for
// undefined). A few texts fill most columns: each is kept once.
class TOptionColumn {
 public:
  // A column of empty texts, to be Set.
  TOptionColumn(std::string name, std::size_t rows) : FName(std::move(name)), FCells(rows, 0) {}
  // A column whose different texts are known already; each cell is an index into Texts, whose
  // first text is empty. Such a column is not Set.
  TOptionColumn(std::string name, std::vector<std::string> texts, std::vector<std::uint32_t> cells)
      : FName(std::move(name)), FCells(std::move(cells)), FTexts(std::move(texts)) {}

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
  // The option of a row as the script knows it (UTF-8), for the messages of bad weights; the
  // row's number from 1 without it.
  std::function<std::string(std::size_t row)> Label;
};

// The results of evaluating options: every attribute's name in pre-order and its value text for
// each option, exactly as the evaluation table of the program and the tool gives it.
class TEvaluation {
 public:
  // An attribute's different value texts, and the index of each option's text among them.
  struct TColumn {
    std::string Name;
    std::vector<std::string> Texts;
    std::vector<std::uint32_t> Cells;
  };

  // The texts of the options of Model as they are evaluated now.
  explicit TEvaluation(const TUbicModel& model);
  TEvaluation(std::vector<TColumn> columns, std::size_t rows)
      : FRows(rows), FColumns(std::move(columns)) {}

  std::size_t Rows() const { return FRows; }
  const std::vector<TColumn>& Columns() const { return FColumns; }

 private:
  std::size_t FRows = 0;
  std::vector<TColumn> FColumns;
};

// A model as a script holds it: a document, through whose named edits every change goes, and
// lasting names for its attributes. A script keeps an attribute by a number that the edits do
// not disturb: it names the same attribute until that attribute goes.
class TScriptModel final : public TDocumentObserver {
 public:
  using TAttributeId = std::uint64_t;

  // A new model with one attribute.
  TScriptModel();
  // A model made elsewhere, never saved: a copy sent from another process.
  explicit TScriptModel(std::unique_ptr<TUbicModel> model);
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
  const TUbicAttribute& Attribute(TAttributeId id) const;
  // The first attribute of that name in pre-order, nil if none.
  const TUbicAttribute* Find(const std::string& utf8Name) const;
  // The option of that name (the first one if several share it); EUnknownName if none.
  int OptionIndex(const std::string& utf8Name) const;
  // The names of the basic attributes (UTF-8), in pre-order.
  std::vector<std::string> BasicNames() const;

  // The evaluator of options by value indices for the model as it is now, made once per state.
  std::shared_ptr<const TCodeEvaluator> CodeEvaluator();
  // Options evaluated without changing the model. Unknown attributes and values raise
  // EUnknownName, whose Row tells the option of an unknown value.
  std::unique_ptr<TEvaluation> Evaluate(const TOptionColumns& options);
  // The model's own options.
  std::unique_ptr<TEvaluation> EvaluateOwn() const;
  // A copy of the tree whose options are those given, numbered from 1, not yet evaluated.
  // Raises the errors of Evaluate; bad weights raise EScriptError naming the option.
  std::unique_ptr<TUbicModel> ModelOfOptions(const TOptionColumns& options) const;

  void DocumentChanging() override;
  void DocumentChanged(const TDocumentChange& change) override;

 private:
  explicit TScriptModel(std::unique_ptr<TUbicDocument> document, std::string remarks);
  // Options of single values or none, evaluated by the tables of the code evaluator when they
  // are quick to make; nil for the others.
  std::unique_ptr<TEvaluation> EvaluateByCodes(const TOptionColumns& options);
  // Options evaluated by the model's own evaluation, on a copy of its tree.
  std::unique_ptr<TEvaluation> EvaluateOnCopy(const TOptionColumns& options) const;

  std::unique_ptr<TUbicDocument> FDocument;
  std::vector<std::string> FRemarks;
  TAttributeId FNextId = 1;
  std::unordered_map<TAttributeId, const TUbicAttribute*> FAttributes;
  std::unordered_map<const TUbicAttribute*, TAttributeId> FIds;
  // Where each known attribute was before a change that rebuilt the tree.
  std::unordered_map<TAttributeId, std::vector<int>> FPaths;
  std::shared_ptr<const TCodeEvaluator> FCodeEvaluator;
  bool FForgetAttributes = false;
};

// The remarks of a file's import or export as UTF-8 lines, empty ones left out.
std::vector<std::string> RemarkLines(const std::string& remarks);

}  // namespace ubic::python
