#pragma once

#include "ui/app/UiServices.h"
#include "ui/main/FigureDisplay.h"
#include "ui/main/SignBox.h"
#include "workstation/PickerLayout.h"
#include "workstation/PsychogramView.h"
#include "workstation/ScoringDesk.h"
#include "workstation/SignHelpDesk.h"
#include "workstation/TopicHelpDesk.h"

#include <QWidget>
#include <map>
#include <span>
#include <vector>

class QPushButton;

namespace quelvarin::ui {

// What the pages of the sign picker work with.
struct PickerDesks {
    ScoringDesk& scoring;
    SignHelpDesk& help;
    TopicHelpDesk& topics;
};

// A page of the sign picker: its sign boxes, its figures and its "súgó" button. The mouse over
// an empty part of the page empties the help windows and restores the boxes' colours.
class PickerPage : public QWidget {
    Q_OBJECT
public:
    PickerPage(picker::Page page, PickerDesks desks, UiServices& services, QWidget* parent);

    picker::Page Which() const { return m_page; }
    // The figures of the page and its boxes' state, from the session.
    virtual void Refresh(const PsychogramView& view);
    void RestoreColours();
    const std::vector<SignBox*>& Boxes() const { return m_boxes; }

protected:
    SignBox* AddBox(SignCode code, QRect where);
    FigureDisplay* AddFigure(Figure figure, QRect caption, QRect value);
    QPushButton* AddTopicHelpButton(QRect where);
    // Lights the boxes of these codes yellow (the sources of a figure or a family).
    void Highlight(std::span<const SignCode> codes);
    // What a scoring call returned: in HelpEditMode the chosen box turns green; the sub-variant
    // menu follows an FH or Dzw entry, at its place in the main window.
    void Handle(const EntryResult& result);
    bool HelpHoverAllowed() const;
    // The mouse over a sign: its hint and, outside HelpEditMode and without Ctrl, its help.
    void PointAt(SignCode code);

    void mouseMoveEvent(QMouseEvent* event) override;

    PickerDesks m_desks;
    UiServices& m_services;

private:
    picker::Page m_page;
    std::vector<SignBox*> m_boxes;
    std::map<SignCode, SignBox*> m_boxOfCode;
    std::vector<FigureDisplay*> m_figures;
};

} // namespace quelvarin::ui
