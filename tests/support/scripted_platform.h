// A Platform for window tests: answers file dialogs and questions from a script and records
// every message, clipboard write, document opening and print job.
#pragma once

#include <deque>
#include <optional>
#include <vector>

#include "ui/platform/platform.h"

namespace coilspring::testing {

class ScriptedPlatform final : public Platform {
 public:
  // Answers for the next dialogs, in order; nothing queued means "cancel".
  std::deque<std::optional<QString>> openAnswers, saveAnswers;
  std::deque<bool> confirmAnswers;
  std::optional<QString> printFailure;  // set to make the printer fail

  struct Message {
    MessageKind kind;
    QString text;
  };
  std::vector<Message> messages;
  std::vector<FileDialogRequest> openRequests, saveRequests;
  std::vector<QString> questions;
  QString clipboardText;
  QImage clipboardImage;
  std::vector<QString> openedDocuments;
  std::vector<QImage> printedPages;
  std::vector<PagePlacement> placements;

  std::optional<QString> AskOpenFile(QWidget*, const FileDialogRequest& r) override {
    openRequests.push_back(r);
    return Next(openAnswers);
  }
  std::optional<QString> AskSaveFile(QWidget*, const FileDialogRequest& r) override {
    saveRequests.push_back(r);
    return Next(saveAnswers);
  }
  void ShowMessage(QWidget*, MessageKind kind, const QString& text) override {
    messages.push_back({kind, text});
  }
  bool Confirm(QWidget*, const QString& text) override {
    questions.push_back(text);
    if (confirmAnswers.empty()) return false;
    const bool answer = confirmAnswers.front();
    confirmAnswers.pop_front();
    return answer;
  }
  void SetClipboardText(const QString& text) override { clipboardText = text; }
  void SetClipboardImage(const QImage& image) override { clipboardImage = image; }
  bool OpenDocument(const QString& path) override {
    openedDocuments.push_back(path);
    return true;
  }
  std::optional<QString> PrintImage(const QImage& image, const QString&,
                                    PagePlacement placement) override {
    if (printFailure) return printFailure;
    printedPages.push_back(image);
    placements.push_back(placement);
    return std::nullopt;
  }

  QString LastMessage() const { return messages.empty() ? QString() : messages.back().text; }

 private:
  static std::optional<QString> Next(std::deque<std::optional<QString>>& answers) {
    if (answers.empty()) return std::nullopt;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

}  // namespace coilspring::testing
