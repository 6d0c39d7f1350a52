#include "shell/dialogs_view.h"

#include <QFileDialog>
#include <QMessageBox>

namespace orvane {

void QtDialogs::Message(const QString& text, const QString& font) {
  QMessageBox box(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok, parent_);
  QFont f = box.font();
  if (!font.isEmpty()) f.setFamily(font);
  box.setFont(f);
  box.exec();
}

void QtDialogs::PlainMessage(const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok, parent_);
  box.exec();
}

std::optional<QString> QtDialogs::OpenFile(const QString& filter) {
  const QString path = QFileDialog::getOpenFileName(parent_, QString(), QString(), filter);
  if (path.isEmpty()) return std::nullopt;
  return path;
}

std::optional<QString> QtDialogs::SaveFile(const QString& filter) {
  const QString path = QFileDialog::getSaveFileName(parent_, QString(), QString(), filter);
  if (path.isEmpty()) return std::nullopt;
  return path;
}

void ScriptedDialogs::Message(const QString& text, const QString&) {
  shown.push_back(text);
  if (!answers.empty()) answers.pop_front();
}

void ScriptedDialogs::PlainMessage(const QString& text) { Message(text, QString()); }

std::optional<QString> ScriptedDialogs::TakePath() {
  if (answers.empty()) return std::nullopt;  // nobody answers: as if cancelled
  const Answer a = answers.front();
  answers.pop_front();
  if (!a.accept) return std::nullopt;
  return a.path;
}

std::optional<QString> ScriptedDialogs::OpenFile(const QString&) { return TakePath(); }
std::optional<QString> ScriptedDialogs::SaveFile(const QString&) { return TakePath(); }

}  // namespace orvane
