#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "model/model.h"
#include "xml.h"

namespace ubic {

// The program's own model file (".ubm"): an XML document with the option names and the whole
// attribute tree, every text as the model holds it.

// The bytes of Model's file.
std::string ModelFileText(const TUbicModel& model);
// Writes the model. The old file stays as it was if writing fails.
void SaveToFile(const TUbicModel& model, const std::string& fileName);
// Reads a file into Model, which the caller has just created: a failed read leaves a model that
// the caller discards. Afterwards the model needs evaluation.
void LoadFromFile(TUbicModel& model, const std::string& fileName);
// The same from Text, the bytes of the file FileName, which error messages name.
void LoadFromText(TUbicModel& model, const std::string& text, const std::string& fileName);

// The document element of Model's file: the option names and the whole attribute tree, without
// the attributes' option values when WithOptionValues is false.
std::unique_ptr<TXmlItem> ModelDocument(const TUbicModel& model, bool withOptionValues = true);
// Replaces Model's options and tree by those of Document, a document element of the own format.
void ReadModelDocument(TUbicModel& model, const TXmlItem& document);

// A file makes its reader build tables of at most this many rules together: one table beyond it,
// or one that would take the file's tables beyond it, is refused before it is built. So a small
// file cannot make the reader spend unbounded time and memory, with many large tables or with
// one table built over and over.
inline constexpr long long kMaxReadRules = 1'000'000;

// The rules one read of a file may still build.
class TRuleBudget {
 public:
  // Takes the table of Attribute, which is about to be built. Raises EUbicError with the "too
  // much" message of a new table when the table alone exceeds the bound, and with the message of
  // the file when it exceeds what is left.
  void Take(const TUbicAttribute& attribute);

 private:
  long long FLeft = kMaxReadRules;
};

// The element structure of one attribute and its subtree, shared with the subtree transfer.
void WriteAttribute(const TUbicAttribute& attribute, TXmlItem& parent,
                    bool withOptionValues = true);
// Reads an attribute and its subtree; their tables are taken from Budget.
std::unique_ptr<TUbicAttribute> ReadAttribute(const TXmlItem& item, TRuleBudget& budget);
// Appends one SCALEVALUE element per value of Scale to Item: its NAME and DESCRIPTION when not
// empty and its GROUP. The jKIV format writes values the same way.
void WriteScaleValues(const TUbicScale& scale, TXmlItem& item);

// Raises the error of a file that is not of the expected format. The file name, which the system
// gives in UTF-8, enters the message as Windows-1250 text like the rest of it.
[[noreturn]] void UnknownFileFormat(const std::string& fileName);
// Raises EUbicError naming the file when the beginning of its Content is binary data rather
// than text (HoldsBinaryData): a picture or a program opened by mistake is named for what it is,
// as quoting it would show its bytes as symbols.
void RefuseBinaryContent(std::string_view content, const std::string& fileName);
// How much of a file RefuseBinaryContent looks at.
inline constexpr std::size_t kBinaryProbe = 4096;

// Attributes are read at most this deep from any file, so that no file builds a tree whose
// recursive walks exhaust the stack, and every tree read can be written in the own format and read
// back: there an attribute at level L has elements down to depth L + 4 (the document element, the
// attribute, SCALE, SCALEVALUE and its NAME), which the XML reader reads up to XmlMaxDepth.
inline constexpr int kMaxReadLevel = XmlMaxDepth - 4;
// Raises EUbicError when the attribute Name would be read at a Level beyond kMaxReadLevel.
void CheckReadableLevel(const std::string& name, int level);

}  // namespace ubic
