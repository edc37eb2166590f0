#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/Dialogs.h"

namespace brimdock::testing {

// Dialogs that show nothing: they record what the window said.
class ScriptedDialogs : public Dialogs {
 public:
  void SetOwner(HWND owner) override { owner_ = owner; }
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  void ShowError(const std::string& text) override { errors.push_back(text); }
  std::string InputBox(const std::string& title, const std::string& prompt,
                       const std::string& defaultText) override {
    prompts.push_back(title + "|" + prompt + "|" + defaultText);
    const auto answer = Take(inputAnswers, std::nullopt);
    return answer ? *answer : defaultText;
  }
  Answer Confirm(const std::string& question) override {
    questions.push_back(question);
    return Take(confirmAnswers, Answer::No);
  }
  std::optional<std::string> SelectDirectory(const std::string& startFolder) override {
    directoryStarts.push_back(startFolder);
    return Take(directoryAnswers, std::nullopt);
  }
  std::optional<std::vector<std::string>> OpenFiles() override {
    ++openFilesShown;
    if (openFilesAnswers.empty()) return std::nullopt;
    std::optional<std::vector<std::string>> answer;
    answer.swap(openFilesAnswers.front());
    openFilesAnswers.pop_front();
    return answer;
  }

  std::optional<Color> PickColor(Color initial) override {
    colorStarts.push_back(initial);
    return Take(colorAnswers, std::nullopt);
  }
  // Each scripted font answer presses Apply with each of its applied fonts, then confirms with
  // its confirmed font or cancels.
  struct FontAnswer {
    std::vector<FontSpec> applied;
    std::optional<FontSpec> confirmed;
  };
  std::optional<FontSpec> PickFont(const FontSpec& initial,
                                   const std::function<void(const FontSpec&)>& apply) override {
    fontStarts.push_back(initial);
    const FontAnswer answer = Take(fontAnswers, FontAnswer{});
    for (const FontSpec& font : answer.applied) apply(font);
    return answer.confirmed;
  }
  std::optional<std::string> OpenPicture() override {
    ++openPictureShown;
    return Take(pictureAnswers, std::nullopt);
  }

  std::vector<std::string> messages;
  std::vector<std::string> errors;
  // What the dialogs were shown with.
  std::vector<std::string> prompts;  // "title|prompt|default"
  std::vector<std::string> questions;
  std::vector<std::string> directoryStarts;
  int openFilesShown = 0;
  std::vector<Color> colorStarts;
  std::vector<FontSpec> fontStarts;
  int openPictureShown = 0;
  // Scripted answers, taken in order; an input answer of nothing means Cancel.
  std::deque<std::optional<std::string>> inputAnswers;
  std::deque<Answer> confirmAnswers;
  std::deque<std::optional<std::string>> directoryAnswers;
  std::deque<std::optional<std::vector<std::string>>> openFilesAnswers;
  std::deque<std::optional<Color>> colorAnswers;
  std::deque<FontAnswer> fontAnswers;
  std::deque<std::optional<std::string>> pictureAnswers;

 private:
  // The next scripted answer, or the fallback when none is left.
  template <typename T, typename Fallback>
  static T Take(std::deque<T>& answers, Fallback fallback) {
    if (answers.empty()) return T(fallback);
    T answer = std::move(answers.front());
    answers.pop_front();
    return answer;
  }
  HWND owner_ = nullptr;
};

}  // namespace brimdock::testing
