#pragma once

#include "ui/app/WindowContext.h"
#include "workstation/StatisticsFilesDesk.h"

#include <QDialog>
#include <filesystem>

class QPlainTextEdit;

namespace quelvarin::ui {

// A finished statistics file, read-only and unwrapped (a row is 357 fields), under the caption
// its caller gives.
class TStatMutatForm : public QDialog {
    Q_OBJECT
public:
    TStatMutatForm(StatisticsFilesDesk& desk, WindowContext& context, QWidget* main);

    // Shows the file maximised and modal; false (and nothing shown) when it cannot be read.
    bool ShowFile(const QString& caption, const std::filesystem::path& file);

private:
    StatisticsFilesDesk& m_desk;
    QPlainTextEdit* m_text;
};

} // namespace quelvarin::ui
