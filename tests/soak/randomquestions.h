#pragma once

#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "ui/questions.h"

namespace ubic::soak {

// Answers every question at random, both ways, and notes what was asked and answered; file
// dialogs get the file a command chose beforehand, or are cancelled.
class TRandomQuestions : public TQuestions {
 public:
  explicit TRandomQuestions(std::mt19937& random) : FRandom(random) {}

  // The file the next file dialog chooses; without one it is cancelled.
  void ChooseNext(std::optional<TFileChoice> choice) { FNextFile = std::move(choice); }
  // What the questions of the last command were and how they were answered; then forgets them.
  std::string TakeLog() { return std::exchange(FLog, {}); }
  // The error messages shown since the last call.
  std::vector<std::string> TakeErrors() { return std::exchange(FErrors, {}); }

  TAnswer Confirm(const std::string& text, bool withCancel) override {
    static constexpr TAnswer answers[] = {TAnswer::Yes, TAnswer::No, TAnswer::Cancel};
    return Note(text, answers[FRandom() % (withCancel ? 3 : 2)]);
  }
  TAnswer WarnYesNo(const std::string& text) override {
    return Note(text, FRandom() % 2 ? TAnswer::Yes : TAnswer::No);
  }
  TAnswer WarnOkCancel(const std::string& text) override {
    return Note(text, FRandom() % 2 ? TAnswer::Ok : TAnswer::Cancel);
  }
  void Warn(const std::string& text) override { Note(text, TAnswer::Ok); }
  void Error(const std::string& text) override {
    FErrors.push_back(text);
    Note(text, TAnswer::Ok);
  }
  void Inform(const std::string& text) override { Note(text, TAnswer::Ok); }
  std::optional<TFileChoice> ChooseOpenFile(const TFileDialogSpec& spec) override {
    return ChooseFile(spec);
  }
  std::optional<TFileChoice> ChooseSaveFile(const TFileDialogSpec& spec) override {
    return ChooseFile(spec);
  }

 private:
  TAnswer Note(const std::string& text, TAnswer answer) {
    static constexpr const char* names[] = {"Yes", "No", "Cancel", "OK"};
    FLog += " [" + text.substr(0, 60) + " -> " + names[static_cast<int>(answer)] + "]";
    return answer;
  }

  std::optional<TFileChoice> ChooseFile(const TFileDialogSpec& spec) {
    std::optional<TFileChoice> choice = std::exchange(FNextFile, std::nullopt);
    FLog += " [" + spec.Title + " -> " + (choice ? choice->FileName : "cancelled") + "]";
    return choice;
  }

  std::mt19937& FRandom;
  std::optional<TFileChoice> FNextFile;
  std::string FLog;
  std::vector<std::string> FErrors;
};

}  // namespace ubic::soak
