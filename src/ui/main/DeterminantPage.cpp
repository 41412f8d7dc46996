#include "model/DeterminantFamilies.h"
#include "model/SymbolCatalogue.h"
#include "ui/app/QtText.h"
#include "ui/app/WindowRegistry.h"
#include "ui/main/PickerPages.h"
#include "workstation/MainWindowTexts.h"

#include <QEvent>
#include <QPushButton>

namespace quelvarin::ui {

DeterminantPage::DeterminantPage(PickerDesks desks, UiServices& services, WindowRegistry& windows,
                                 QWidget* parent)
    : PickerPage(picker::Page::Determinants, desks, services, parent) {
    constexpr int kLeft = 8, kWidth = 74, kHeight = 19, kGap = 3;
    int y = 4;
    int heading = 0;
    for (const auto& family : DeterminantFamilies()) {
        auto* label = new QLabel(ToQt(family.heading), this);
        label->setObjectName(QStringLiteral("FamilyHeading%1").arg(heading++));
        label->setGeometry(kLeft, y, 200, 16);
        label->setStyleSheet(QStringLiteral("font-weight: bold"));
        label->setMouseTracking(true);
        label->installEventFilter(this);
        m_familyOfHeading[label] = family.members;
        y += 17;
        // The stems with a form level, three boxes a row ("+", "+/-", "-"); then the others.
        std::size_t i = 0;
        const auto& members = family.members;
        for (; i < members.size() && members[i] <= codes::kLastFormLevelDeterminant; i += 3) {
            for (std::size_t level = 0; level < 3; ++level) {
                AddBox(members[i + level],
                       {kLeft + static_cast<int>(level) * (kWidth + kGap), y, kWidth, kHeight});
            }
            y += kHeight + 2;
        }
        int x = kLeft;
        for (; i < members.size(); ++i) {
            AddBox(members[i], {x, y, kWidth, kHeight});
            x += kWidth + kGap;
        }
        if (x != kLeft) {
            y += kHeight + 2;
        }
        y += 3;
    }

    // The typologies beside the boxes.
    constexpr int kFiguresLeft = 244;
    int fy = 24;
    for (auto figure : {Figure::FormPlusPercent1, Figure::FormPlusPercent2, Figure::ExperienceType,
                        Figure::SecondaryFormula, Figure::InnerTension}) {
        AddFigure(figure, {kFiguresLeft, fy, 40, 20}, {kFiguresLeft + 42, fy, 76, 20});
        fy += 28;
    }
    // The experience-type graph comes with its own window.
    auto* graph = new QPushButton(ToQt(window_texts::kExperienceTypeGraphButton), this);
    graph->setObjectName(QStringLiteral("ExperienceTypeGraphButton"));
    graph->setToolTip(ToQt(window_texts::kExperienceTypeGraphHint));
    graph->setAccessibleName(ToQt(window_texts::kExperienceTypeGraphHint));
    graph->setGeometry(kFiguresLeft + 42, fy, 40, 22);
    connect(graph, &QPushButton::clicked, this, [&windows] { windows.Show("ETgrafForm"); });

    AddTopicHelpButton({330, 570, 62, 24});
}

bool DeterminantPage::eventFilter(QObject* watched, QEvent* event) {
    if (auto it = m_familyOfHeading.find(watched); it != m_familyOfHeading.end()) {
        if (event->type() == QEvent::Enter) {
            Highlight(it->second);
        } else if (event->type() == QEvent::Leave) {
            RestoreColours();
        }
    }
    return PickerPage::eventFilter(watched, event);
}

} // namespace quelvarin::ui
