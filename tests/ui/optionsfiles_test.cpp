// The Options page's CSV commands: options imported all or nothing, the evaluation exported as
// the command-line tool writes it.

#include <QAction>
#include <QFile>

#include <algorithm>

#include "foundation/textfile.h"
#include "ui/optionspage.h"
#include "ui_fixture.h"

namespace ubic {
namespace {

class OptionsFiles : public TUiTest {
 protected:
  TModelForm* OpenCar() {
    TModelForm* document = Main->CreateDocument(Example("car.ubm"));
    return document;
  }

  std::string Written(const char* name, const std::string& text) {
    const std::string file = TempFile(name);
    TSafeFileWriter writer(file);
    writer.Write(text);
    writer.Commit();
    return file;
  }
};

TEST_F(OptionsFiles, ExportWritesTheToolsCsv) {
  TModelForm* document = OpenCar();
  const std::string file = TempFile("car.csv");
  Questions.ChooseFile(TFileChoice{file, 1});
  Child<QAction>(Child<TOptionsPage>(document, "OptionsPage"), "OptExport")->trigger();
  const std::string text = ReadFileText(file);
  EXPECT_EQ(text.substr(0, text.find('\n', text.find('\n') + 1) + 1),
            "Attribute,Compact Hatchback,Family Estate,Sports Coupe,Electric City Car,Used SUV\n"
            "CAR,good,good,unacceptable,acceptable,acceptable;good\n");
  EXPECT_NE(text.find("\nSafety,high,high,high,high,medium;high\n"), std::string::npos);
  // A cancelled dialog writes nothing.
  Questions.ChooseFile(std::nullopt);
  Child<QAction>(Child<TOptionsPage>(document, "OptionsPage"), "OptExport")->trigger();
  EXPECT_EQ(ReadFileText(file), text);
}

TEST_F(OptionsFiles, ExportNamesTheFileCsvAndAsksBeforeReplacingIt) {
  TModelForm* document = OpenCar();
  const std::string file = Written("car.csv", "keep");
  // Typed without the extension, the name still meets the file there is.
  for (const TAnswer answer : {TAnswer::No, TAnswer::Cancel}) {
    Questions.ChooseFile(TFileChoice{TempFile("car"), 1});
    Questions.Answer(answer);
    Child<QAction>(Child<TOptionsPage>(document, "OptionsPage"), "OptExport")->trigger();
    EXPECT_EQ(ReadFileText(file), "keep");
  }
  EXPECT_EQ(Questions.Asked().back().Text,
            "File \"" + file + "\" already exists. Do you want to overwrite the file?");
  EXPECT_FALSE(QFile::exists(QString::fromStdString(TempFile("car"))));
  Questions.ChooseFile(TFileChoice{TempFile("car"), 1});
  Questions.Answer(TAnswer::Yes);
  Child<QAction>(Child<TOptionsPage>(document, "OptionsPage"), "OptExport")->trigger();
  EXPECT_EQ(ReadFileText(file).rfind("Attribute,Compact Hatchback,", 0), 0U);
  // "All files" writes the name as typed.
  Questions.ChooseFile(TFileChoice{TempFile("car.txt"), 2});
  Child<QAction>(Child<TOptionsPage>(document, "OptionsPage"), "OptExport")->trigger();
  EXPECT_EQ(ReadFileText(TempFile("car.txt")), ReadFileText(file));
}

TEST_F(OptionsFiles, ImportReplacesTheOptionsOrChangesNothing) {
  TModelForm* document = OpenCar();
  Child<QTabWidget>(document, "PageControl")
      ->setCurrentWidget(Child<TOptionsPage>(document, "OptionsPage"));
  const TUbicModel& model = document->Model();
  const std::string bad = Written("bad.csv", "Name,Safety\nVan,low\nCar,top\n");
  Questions.ChooseFile(TFileChoice{bad, 1});
  Child<QAction>(Child<TOptionsPage>(document, "OptionsPage"), "OptImport")->trigger();
  ASSERT_EQ(Questions.Asked().size(), 2U);
  EXPECT_EQ(Questions.Asked()[1].Kind, TScriptedQuestions::TKind::Error);
  EXPECT_EQ(Questions.Asked()[1].Text,
            "Unknown attribute value \"Safety\": \"top\" (" + bad + " line 3)");
  Questions.Clear();
  EXPECT_EQ(model.OptionCount(), 5);
  EXPECT_EQ(model.Options()[0], "Compact Hatchback");
  EXPECT_FALSE(document->Document().Modified());

  // The file's options replace the model's, join them, or, cancelled, change nothing; each
  // import is one step.
  const std::string good = Written("good.csv", "Name,Safety\nVan,low\n");
  Questions.ChooseFile(TFileChoice{good, 1});
  Questions.Answer(TAnswer::Cancel);
  Child<QAction>(Child<TOptionsPage>(document, "OptionsPage"), "OptImport")->trigger();
  EXPECT_EQ(Questions.Asked().back().Text,
            "Replace the 5 existing options by the 1 imported ones?\rYes replaces them, No adds "
            "the imported options after them.");
  EXPECT_EQ(model.OptionCount(), 5);
  EXPECT_FALSE(document->History().CanUndo());

  Questions.ChooseFile(TFileChoice{good, 1});
  Questions.Answer(TAnswer::Yes);
  Child<QAction>(Child<TOptionsPage>(document, "OptionsPage"), "OptImport")->trigger();
  ASSERT_EQ(model.OptionCount(), 1);
  EXPECT_EQ(model.Options()[0], "Van");
  EXPECT_TRUE(document->Document().Modified());
  EXPECT_EQ(Child<TOptionGrid>(Child<TOptionsPage>(document, "OptionsPage"), "Grid")
                ->Cells()
                .CellText({1, 1}),
            "Van");
  document->UndoStep(false);
  EXPECT_EQ(model.OptionCount(), 5);
  EXPECT_FALSE(document->Document().Modified());

  Questions.ChooseFile(TFileChoice{good, 1});
  Questions.Answer(TAnswer::No);
  Child<QAction>(Child<TOptionsPage>(document, "OptionsPage"), "OptImport")->trigger();
  ASSERT_EQ(model.OptionCount(), 6);
  EXPECT_EQ(model.Options()[0], "Compact Hatchback");
  EXPECT_EQ(model.Options()[5], "Van");
  EXPECT_EQ(Child<TOptionGrid>(Child<TOptionsPage>(document, "OptionsPage"), "Grid")
                ->Cells()
                .CellText({1, 6}),
            "Van");
  EXPECT_EQ(document->History().UndoName(), "Import options");
  Questions.Clear();
}

// Export options writes what Import options reads. Saved again by a spreadsheet set to a decimal
// comma, with a value retyped in capitals, the file imports to the options as they were; a row
// short of a field is an error that names its line.
TEST_F(OptionsFiles, ExportedOptionsImportBackUnchanged) {
  TModelForm* document = OpenCar();
  auto* page = Child<TOptionsPage>(document, "OptionsPage");
  Child<QTabWidget>(document, "PageControl")->setCurrentWidget(page);
  const TUbicModel& model = document->Model();
  auto options = [&model] {
    std::vector<std::vector<std::string>> state{model.Options().Strings()};
    std::vector<const TUbicAttribute*> basic;
    model.Root()->CollectBasicAttributes(basic);
    for (const TUbicAttribute* attribute : basic) {
      state.push_back(attribute->OptionValues().Strings());
    }
    return state;
  };
  const auto before = options();
  const std::string file = TempFile("car options.csv");
  Questions.ChooseFile(TFileChoice{file, 1});
  Child<QAction>(page, "OptExportOptions")->trigger();
  std::string text = ReadFileText(file);
  EXPECT_EQ(text.substr(0, text.find('\n', text.find('\n') + 1) + 1),
            "Option,Price,Running costs,Safety,Comfort,Boot size\n"
            "Compact Hatchback,up to 15000,low,high,basic,small\n");

  text.replace(text.find("medium;high"), 11, "@");
  std::replace(text.begin(), text.end(), ',', ';');
  text.replace(text.find('@'), 1, "\"MEDIUM;high\"");
  Questions.ChooseFile(TFileChoice{Written("edited.csv", text), 1});
  Questions.Answer(TAnswer::Yes);
  Child<QAction>(page, "OptImport")->trigger();
  EXPECT_EQ(options(), before);
  EXPECT_EQ(Child<TOptionGrid>(page, "Grid")->Cells().CellText({4, 5}), "medium;high");
  Questions.Clear();

  const std::string shortRow = Written("short.csv", "Option;Price\nA;up to 15000\nB\n");
  Questions.ChooseFile(TFileChoice{shortRow, 1});
  Child<QAction>(page, "OptImport")->trigger();
  ASSERT_EQ(Questions.Asked().size(), 2U);
  EXPECT_EQ(Questions.Asked()[1].Text,
            "The row has 1 field, the header 2 (" + shortRow + " line 3)");
  EXPECT_EQ(options(), before);
  Questions.Clear();
}

}  // namespace
}  // namespace ubic
