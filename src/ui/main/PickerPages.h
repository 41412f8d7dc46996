#pragma once

#include "model/SpecialReactions.h"
#include "ui/main/PickerPage.h"

#include <QButtonGroup>
#include <QLabel>
#include <QListWidget>
#include <QTreeWidget>
#include <vector>

namespace quelvarin::ui {

class WindowRegistry;

// "felfogásmód": the thirteen location boxes, the answer counts and the apprehension figures.
class LocationPage : public PickerPage {
public:
    LocationPage(PickerDesks desks, UiServices& services, QWidget* parent);
};

// "determinánsok": the determinant boxes under their six family headings, and the typologies.
class DeterminantPage : public PickerPage {
public:
    DeterminantPage(PickerDesks desks, UiServices& services, WindowRegistry& windows, QWidget* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::map<QObject*, std::vector<SignCode>> m_familyOfHeading;
};

// "tartalmak": the 52 content boxes, the same contents in alphabetical order, the content figures.
class ContentsPage : public PickerPage {
public:
    ContentsPage(PickerDesks desks, UiServices& services, QWidget* parent);
    void Refresh(const PsychogramView& view) override;

private:
    QListWidget* m_alphabetical;
    QLabel* m_frequent;
};

// "gyakoriság": the vulgar answers of the current card, the vulgar and originality figures.
class FrequencyPage : public PickerPage {
public:
    FrequencyPage(PickerDesks desks, UiServices& services, QWidget* parent);
    void Refresh(const PsychogramView& view) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_heading;
    QTreeWidget* m_vulgar;
    QListWidget* m_originality;
    std::vector<QLabel*> m_originalityBoxes;
    int m_shownCard = -1;
};

// "kül.reakciók": the fifteen group buttons, the letter tabs and the reaction list.
class SpecialReactionsPage : public PickerPage {
public:
    SpecialReactionsPage(PickerDesks desks, UiServices& services, QWidget* parent);

private:
    void Fill(const std::vector<SpecialReactionRow>& rows);
    QButtonGroup* m_groups;
    QButtonGroup* m_letters;
    QListWidget* m_reactions;
};

} // namespace quelvarin::ui
