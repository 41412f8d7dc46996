#include "ui/app/DesktopServices.h"

#include "ui/app/QtText.h"
#include "workstation/AppTexts.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace quelvarin::ui {

namespace {

QString Caption() {
    return ToQt(window_texts::kProgramName);
}

} // namespace

void DesktopServices::ShowMessage(QWidget* parent, const QString& text, MessageKind kind) {
    auto icon = kind == MessageKind::Warning ? QMessageBox::Warning : QMessageBox::Information;
    QMessageBox box(icon, Caption(), text, QMessageBox::NoButton, parent);
    box.addButton(ToQt(window_texts::kOk), QMessageBox::AcceptRole);
    box.exec();
}

bool DesktopServices::AskYesNo(QWidget* parent, const QString& question) {
    QMessageBox box(QMessageBox::Question, Caption(), question, QMessageBox::NoButton, parent);
    auto* yes = box.addButton(ToQt(window_texts::kYes), QMessageBox::YesRole);
    auto* no = box.addButton(ToQt(window_texts::kNo), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

std::optional<QString> DesktopServices::ChooseFileToOpen(QWidget* parent, const FileDialog& dialog) {
    auto file = QFileDialog::getOpenFileName(parent, dialog.title, dialog.folder, dialog.filter);
    return file.isEmpty() ? std::nullopt : std::optional<QString>(file);
}

std::optional<QString> DesktopServices::ChooseFileToSave(QWidget* parent, const FileDialog& dialog) {
    QFileDialog chooser(parent, dialog.title, dialog.folder, dialog.filter);
    chooser.setAcceptMode(QFileDialog::AcceptSave);
    chooser.setOption(QFileDialog::DontConfirmOverwrite);
    chooser.setDefaultSuffix(dialog.defaultSuffix);
    chooser.selectFile(dialog.proposedName);
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return chooser.selectedFiles().front();
}

std::optional<int> DesktopServices::ChooseFromMenu(QWidget* parent, QPoint globalPosition,
                                                   const QStringList& items, const QList<bool>& enabled) {
    QMenu menu(parent);
    for (qsizetype i = 0; i < items.size(); ++i) {
        menu.addAction(items[i])->setEnabled(i >= enabled.size() || enabled[i]);
    }
    auto* chosen = menu.exec(globalPosition);
    if (!chosen) {
        return std::nullopt;
    }
    return static_cast<int>(menu.actions().indexOf(chosen));
}

std::optional<QString> DesktopServices::AskForText(QWidget* parent, const QString& title,
                                                   const QString& prompt, const QString& initial) {
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(initial);
    dialog.setOkButtonText(ToQt(window_texts::kOk));
    dialog.setCancelButtonText(ToQt(window_texts::kCancel));
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.textValue();
}

bool DesktopServices::OpenDocument(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace quelvarin::ui
