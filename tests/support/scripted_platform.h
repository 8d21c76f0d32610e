// A Platform for window tests: answers file dialogs and questions from a script and records
// every message, clipboard write, document opening and print job.
#pragma once

#include <QPainter>
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
  // Nothing queued answers 破棄: the window goes on as if nothing had been at stake.
  std::deque<UnsavedChoice> unsavedAnswers;
  std::vector<QString> unsavedQuestions;
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
  bool desktopOpensDocuments = true;  // false: a desktop without a viewer for the document
  std::vector<QString> helpWindows;   // documents shown in the program's own help window
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
  UnsavedChoice AskUnsaved(QWidget*, const QString& text) override {
    unsavedQuestions.push_back(text);
    if (unsavedAnswers.empty()) return UnsavedChoice::Discard;
    const UnsavedChoice answer = unsavedAnswers.front();
    unsavedAnswers.pop_front();
    return answer;
  }
  void SetClipboardText(const QString& text) override { clipboardText = text; }
  void SetClipboardImage(const QImage& image) override { clipboardImage = image; }
  bool OpenDocument(const QString& path) override {
    if (!desktopOpensDocuments) return false;
    openedDocuments.push_back(path);
    return true;
  }
  void ShowHelpWindow(QWidget*, const QString& path) override { helpWindows.push_back(path); }
  std::optional<QString> PrintImage(const QImage& image, const QString&,
                                    PagePlacement placement) override {
    if (printFailure) return printFailure;
    printedPages.push_back(image);
    placements.push_back(placement);
    return std::nullopt;
  }
  // The drawing as it would reach paper at 96 dpi, recorded like a printed image at screen size.
  std::optional<QString> PrintDrawing(const QSize& size, const QString&,
                                      const std::function<void(QPainter&)>& draw) override {
    if (printFailure) return printFailure;
    QImage page(size, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
      QPainter painter(&page);
      draw(painter);
    }
    printedPages.push_back(page);
    placements.push_back(PagePlacement::ScreenSize);
    return std::nullopt;
  }

  QString LastMessage() const { return messages.empty() ? QString() : messages.back().text; }

 private:
  static std::optional<QString> Next(std::deque<std::optional<QString>>& answers) {
    if (answers.empty() || !answers.front()) {
      if (!answers.empty()) answers.pop_front();
      return std::nullopt;
    }
    const QString answer = *answers.front();
    answers.pop_front();
    return answer;
  }
};

}  // namespace coilspring::testing
