#pragma once

#include "ui/app/WindowContext.h"
#include "workstation/JointDesk.h"

#include <QDialog>
#include <array>

class QPlainTextEdit;
class QPushButton;

namespace quelvarin::ui {

// "KRV személyi adatok": the free text of the two persons of the joint examination, one at a
// time in one text area; the two toggle buttons choose whose. Closing it makes the first line
// of each text that person's name.
class TKRVSzemForm : public QDialog {
    Q_OBJECT
public:
    TKRVSzemForm(JointDesk& joint, WindowContext& context, QWidget* main);

    // The person whose text the window shows next (1 or 2).
    void ShowPerson(int person);

public Q_SLOTS:
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ShowTexts();

    JointDesk& m_joint;
    int m_person = 1;
    std::array<QPushButton*, 2> m_persons{};
    QPlainTextEdit* m_text;
};

} // namespace quelvarin::ui
