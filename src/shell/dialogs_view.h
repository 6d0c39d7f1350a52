#pragma once
// The window's modal questions: the message box, the plain message box, the file dialogs.
// The scenario runner and the screen tests answer them from a queue instead.

#include <QString>
#include <deque>
#include <optional>

class QWidget;

namespace orvane {

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // `RefreshFormMessagDialog`: modal, no icon, one OK button, in the skin font.
  virtual void Message(const QString& text, const QString& font) = 0;
  // A plain message box with an empty title and one OK button.
  virtual void PlainMessage(const QString& text) = 0;
  // An existing file to open, or nothing when cancelled. `filter` as "LoadFile(*.bin)".
  virtual std::optional<QString> OpenFile(const QString& filter) = 0;
  // A file to save to (the dialog asks before replacing one), or nothing when cancelled.
  virtual std::optional<QString> SaveFile(const QString& filter) = 0;
};

class QtDialogs final : public Dialogs {
 public:
  explicit QtDialogs(QWidget* parent) : parent_(parent) {}
  void Message(const QString& text, const QString& font) override;
  void PlainMessage(const QString& text) override;
  std::optional<QString> OpenFile(const QString& filter) override;
  std::optional<QString> SaveFile(const QString& filter) override;

 private:
  QWidget* parent_;
};

// Answers from a queue; every message shown is recorded.
class ScriptedDialogs final : public Dialogs {
 public:
  struct Answer {
    bool accept = true;
    QString path;
  };
  std::deque<Answer> answers;
  std::deque<QString> shown;  // message texts, in order

  void Message(const QString& text, const QString& font) override;
  void PlainMessage(const QString& text) override;
  std::optional<QString> OpenFile(const QString& filter) override;
  std::optional<QString> SaveFile(const QString& filter) override;

 private:
  std::optional<QString> TakePath();
};

}  // namespace orvane
