#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <future>
#include <istream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "csv.h"
#include "model/model.h"
#include "model/namematch.h"

namespace ubic {

// An options file that cannot be read; the message, in UTF-8, names the file and the line.
class EOptionsFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The values of a basic attribute by name, for reading the cells of options.
class TValueNames {
 public:
  explicit TValueNames(const TUbicAttribute& attribute);

  // The value-set text of a cell (UTF-8): a value name, several joined by ";", or "*" or nothing
  // for undefined. Names are found as TNameIndex finds them, so "high " and "High" are "high"
  // unless the scale has both. An unknown or ambiguous name raises EOptionsFileError, whose
  // message does not say where.
  std::string ValueSet(std::string_view cell) const;
  // A cell that may give weights instead, "name=weight" joined by ";", for the option named
  // Option (Windows-1250); names are found as above. Bad weights raise EOptionsFileError.
  TWeightedValue Value(std::string_view cell, const std::string& option) const;

 private:
  // The index of the value a name stands for; an unknown or ambiguous name raises
  // EOptionsFileError.
  int IndexOf(const std::string& name) const;

  std::string FMessageName;
  TNameIndex FValues;
};

// The basic attributes that the columns of options fill, found by their names (UTF-8) as a file's
// header or a script gives them: a column takes the first basic attribute that its name stands
// for (see TNameIndex) and that no column before it took, so that columns named alike fill
// attributes named alike in the order of the tree.
class TColumnAttributes {
 public:
  explicit TColumnAttributes(const TUbicModel& model);

  // The position of the column's attribute among the model's basic attributes in depth-first
  // order (CollectBasicAttributes). A name that stands for no attribute left, or for several
  // spelled differently, raises EOptionsFileError, whose message does not say where.
  int Take(std::string_view name);

 private:
  TNameIndex FNames;
  std::vector<bool> FTaken;
};

// Replaces the model's options by those of a CSV file: a header row whose first field is a label
// and whose other fields name basic attributes, then one row per option with its name and one
// value per column (a value name, several joined by ";", or "*" or nothing for undefined).
// Fields are separated by commas, semicolons or tabs, whichever the header uses, and quoted as
// CSV quotes them; every row has as many fields as the header, and blank lines are left out.
// The file's texts are UTF-8. FileName is used as given in the messages of errors
// (EOptionsFileError), which name the line of the record. The whole file is read before the
// model changes, so that a file's error leaves the model as it was.
void ReplaceOptions(TUbicModel& model, const std::string& csvText, const std::string& fileName);
// The same with the file read from Stream a block at a time.
void ReplaceOptions(TUbicModel& model, std::istream& stream, const std::string& fileName);

// The same, all or nothing: after an error the model's options, their values and the selection
// are as they were.
void ImportOptions(TUbicModel& model, std::istream& stream, const std::string& fileName);

// The model's options as such a file, comma-separated, each record handed to Write as it is
// made: a header of "Option" and the basic attributes' names in depth-first order, then a row per
// option. Reading it back gives the options, their names and values as they are; only codes of
// values that a scale lacks, which no rule can use, are left out.
void OptionsCsv(const TUbicModel& model, const std::function<void(const std::string&)>& write);

// Reads such a file a part at a time, for files too large to hold whole: the header when it is
// made, then the options in parts, each replacing the model's options by the next ones. While
// the model works on one part, the next is read from the file by a thread of its own, which
// touches no model object.
class TOptionsFileReader {
 public:
  // Reads the header; the model keeps its options until ReadOptions.
  TOptionsFileReader(TUbicModel& model, std::istream& stream, std::string fileName, int partSize);
  TOptionsFileReader(TUbicModel& model, std::string csvText, std::string fileName, int partSize);
  TOptionsFileReader(const TOptionsFileReader&) = delete;
  TOptionsFileReader& operator=(const TOptionsFileReader&) = delete;
  ~TOptionsFileReader();

  // Replaces the model's options by the next PartSize options of the file, fewer at its end;
  // false when no option was left. An error of the file is raised by the call that reaches it.
  bool ReadOptions();
  // Instead of ReadOptions: replaces the model's options by all those of the file,
  // which is read whole first, so that each of the model's lists is made once at its full
  // length. After an error of the file the model is as it was.
  void ReplaceAllOptions();

 private:
  // The index of a value-set text among those of its column; kNoText before it is needed.
  using TTextIndex = std::uint32_t;
  static constexpr TTextIndex kNoText = UINT32_MAX;
  // A cell met before and its value-set text.
  struct TKnownCell {
    bool Used = false;
    std::string Cell;
    std::string Text;
    std::string Weights;  // the weights field beside Text, empty for a plain value
    TTextIndex Index = kNoText;
  };
  // One column of the file: the basic attribute it fills, its name in messages, its values by
  // name and the cells met, each in the slot its hash chooses (a later one takes its place).
  // Read whole, the column keeps each different value-set text once, the undefined first.
  struct TColumn {
    TUbicAttribute* Attribute;
    TValueNames Names;
    std::vector<TKnownCell> Known;
    std::vector<std::string> Texts{std::string()};
    // Beside each text, its weights field; all empty until a cell gives weights.
    std::vector<std::string> WeightFields{std::string()};
    bool Weighted = false;
    // By text, and for a text with weights by text, a zero character and the weights.
    std::unordered_map<std::string, TTextIndex> IndexOfText{{std::string(), 0}};
  };
  // Options read from the file: their names, and per column a value-set text per option. A part
  // is used again, and its columns' lists are handed to the model whole where they can be.
  struct TPart {
    std::vector<std::string> Names;
    std::deque<TStrList> Columns;
    // The weights fields of each column, left empty until a cell of the column gives weights.
    std::deque<TStrList> Weights;
  };

  // Every option of a file: their names, and per column the index of each option's text among
  // the column's texts. Four bytes a cell instead of a string: a large file fits.
  struct TAllOptions {
    std::vector<std::string> Names;
    std::vector<std::vector<TTextIndex>> Cells;
  };

  // Message, UTF-8, with the file and Line where it happened.
  std::string Located(const std::string& message, int line) const;
  // The next record that is not a blank line where values are expected.
  bool Next();
  void ReadHeader();
  TPart ReadPart(TPart part);
  // The line of the record just read, checked to have a field for each of the header's.
  int OptionLine() const;
  void ReadOption(TPart& part);
  void ReadOption(TAllOptions& all);
  void Fill(TPart& part);
  void Fill(const TAllOptions& all);
  TKnownCell& ValueSet(TColumn& column, std::string_view cell, int line) const;
  TTextIndex TextIndex(TColumn& column, std::string_view cell, int line) const;
  TWeightedValue ParseValue(const TColumn& column, std::string_view cell, int line) const;

  TUbicModel& FModel;
  TCsvReader FReader;
  std::string FFileName;
  int FPartSize;
  std::vector<TColumn> FColumns;
  bool FHeaderRead = false;
  std::vector<std::string_view> FFields;
  // The part the model took last, to be filled again.
  TPart FSpare;
  // The part being read ahead; last, so that it is waited for before the rest goes.
  std::future<TPart> FNext;
};

}  // namespace ubic
