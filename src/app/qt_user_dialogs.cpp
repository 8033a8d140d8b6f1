#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <memory>

#include "app/user_dialogs.hpp"

namespace tess {
namespace {

QString filterText(const FileFilter& filter) {
  return QString::fromStdString(filter.name + " (" + filter.pattern + ")");
}

std::optional<std::filesystem::path> chosen(const QString& name) {
  if (name.isEmpty()) return std::nullopt;
  return std::filesystem::path(name.toStdString());
}

class QtDialogs final : public UserDialogs {
 public:
  explicit QtDialogs(QWidget* parent) : parent_(parent) {}

  std::optional<std::filesystem::path> openFile(const std::string& caption,
                                                const FileFilter& filter) override {
    return chosen(QFileDialog::getOpenFileName(parent_, QString::fromStdString(caption), {},
                                               filterText(filter)));
  }
  std::optional<std::filesystem::path> saveFile(const std::string& caption,
                                                const FileFilter& filter) override {
    return chosen(QFileDialog::getSaveFileName(parent_, QString::fromStdString(caption), {},
                                               filterText(filter)));
  }
  void message(const std::string& title, const std::string& text, Icon icon) override {
    const QString t = QString::fromStdString(title), body = QString::fromStdString(text);
    if (icon == Icon::Error)
      QMessageBox::critical(parent_, t, body);
    else
      QMessageBox::information(parent_, t, body);
  }
  bool confirm(const std::string& title, const std::string& text) override {
    return QMessageBox::question(parent_, QString::fromStdString(title),
                                 QString::fromStdString(text),
                                 QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
  }
  SaveChoice askSaveChanges(const std::string& question) override {
    switch (QMessageBox::warning(parent_, "Tessarine", QString::fromStdString(question),
                                 QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                 QMessageBox::Save)) {
      case QMessageBox::Save: return SaveChoice::Save;
      case QMessageBox::Discard: return SaveChoice::Discard;
      default: return SaveChoice::Cancel;
    }
  }
  bool offerRecovery(const std::string& question) override {
    QMessageBox box(QMessageBox::Question, "Tessarine", QString::fromStdString(question),
                    QMessageBox::NoButton, parent_);
    QPushButton* restore = box.addButton("Restore", QMessageBox::AcceptRole);
    box.addButton("Discard", QMessageBox::DestructiveRole);
    box.setDefaultButton(restore);
    box.setEscapeButton(restore);
    box.exec();
    return box.clickedButton() == restore;
  }

 private:
  QWidget* parent_;
};

}  // namespace

std::unique_ptr<UserDialogs> makeQtDialogs(QWidget* parent) {
  return std::make_unique<QtDialogs>(parent);
}

}  // namespace tess
