#include "ui/app/QtText.h"
#include "ui/main/PickerPages.h"
#include "workstation/MainWindowTexts.h"

namespace quelvarin::ui {

LocationPage::LocationPage(PickerDesks desks, UiServices& services, QWidget* parent)
    : PickerPage(picker::Page::Locations, desks, services, parent) {
    constexpr int kLeft = 8, kTop = 10, kWidth = 60, kHeight = 26, kGap = 4;
    int y = kTop;
    for (auto row : picker::LocationRows()) {
        int x = kLeft;
        for (auto code : row) {
            AddBox(code, {x, y, kWidth, kHeight});
            x += kWidth + kGap;
        }
        y += kHeight + kGap;
    }

    y += 16;
    AddFigure(Figure::Answers, {kLeft, y, 86, 20}, {kLeft + 88, y, 40, 20});
    AddFigure(Figure::AnswersEarly, {200, y, 80, 20}, {282, y, 40, 20});
    y += 26;
    AddFigure(Figure::ColourIndex, {kLeft, y, 86, 20}, {kLeft + 88, y, 40, 20});
    AddFigure(Figure::AnswersLate, {200, y, 80, 20}, {282, y, 40, 20});

    y += 40;
    auto* grouping = new QLabel(ToQt(window_texts::kApprehensionGrouping), this);
    grouping->setObjectName(QStringLiteral("ApprehensionGroupingLabel"));
    grouping->setGeometry(kLeft, y, 150, 20);
    y += 24;
    int x = kLeft;
    for (auto figure : {Figure::GSum, Figure::DSum, Figure::DdSum, Figure::ZwSum}) {
        AddFigure(figure, {x, y, 26, 20}, {x + 28, y, 40, 20});
        x += 84;
    }
    y += 34;
    AddFigure(Figure::ApprehensionFormula, {kLeft, y, 26, 22}, {kLeft + 28, y, 300, 22});

    AddTopicHelpButton({330, 570, 62, 24});
}

} // namespace quelvarin::ui
