#include "model/ContentsOrder.h"
#include "model/SymbolCatalogue.h"
#include "ui/app/QtText.h"
#include "ui/main/PickerPages.h"
#include "ui/widgets/RowChoice.h"
#include "workstation/MainWindowTexts.h"

#include <QEvent>

namespace quelvarin::ui {

namespace {
constexpr int kCodeRole = Qt::UserRole + 1;
}

ContentsPage::ContentsPage(PickerDesks desks, UiServices& services, QWidget* parent)
    : PickerPage(picker::Page::Contents, desks, services, parent), m_alphabetical(new QListWidget(this)),
      m_frequent(new QLabel(this)) {
    constexpr int kLeft = 6, kTop = 6, kWidth = 62, kHeight = 19;
    for (int column = 0; column < picker::kContentColumns; ++column) {
        for (int row = 0; row < picker::kContentRows; ++row) {
            AddBox(picker::ContentBoxAt(column, row),
                   {kLeft + column * (kWidth + 2), kTop + row * (kHeight + 2), kWidth, kHeight});
        }
    }

    // The same contents in alphabetical order: a row chosen scores its content.
    m_alphabetical->setObjectName(QStringLiteral("ContentsAlphabetical"));
    m_alphabetical->setAccessibleName(ToQt(window_texts::kContentsAlphabeticalName));
    m_alphabetical->setGeometry(kLeft + 4 * (kWidth + 2) + 6, kTop, 118, 13 * (kHeight + 2) - 2);
    m_alphabetical->setMouseTracking(true);
    for (auto code : ContentsInAlphabeticalOrder()) {
        auto* item = new QListWidgetItem(ToQt(NameOfCode(code)), m_alphabetical);
        item->setData(kCodeRole, code);
    }
    connect(m_alphabetical, &QListWidget::itemEntered, this, [this](QListWidgetItem* item) {
        auto code = static_cast<SignCode>(item->data(kCodeRole).toUInt());
        if (!HelpHoverAllowed()) {
            return;
        }
        m_alphabetical->setCurrentItem(item);
        Highlight(std::span<const SignCode>(&code, 1));
        PointAt(code);
    });
    OnRowChosen(m_alphabetical, [this](const QModelIndex& row) {
        Handle(m_desks.scoring.ChooseContentsRow(FromQt(row.data().toString())));
    });

    int y = kTop + 13 * (kHeight + 2) + 12;
    AddFigure(Figure::ContentRangeCount, {kLeft, y, 96, 20}, {kLeft + 98, y, 44, 20});
    AddFigure(Figure::HumanPercent, {200, y, 44, 20}, {246, y, 54, 20});
    y += 26;
    AddFigure(Figure::ContentSpread, {kLeft, y, 96, 20}, {kLeft + 98, y, 44, 20});
    AddFigure(Figure::AnimalPercent, {200, y, 44, 20}, {246, y, 54, 20});
    y += 26;
    AddFigure(Figure::ContentSum, {kLeft, y, 96, 20}, {kLeft + 98, y, 44, 20});
    AddFigure(Figure::ObjectPercent, {200, y, 44, 20}, {246, y, 54, 20});
    y += 32;
    m_frequent->setObjectName(QStringLiteral("FrequentContents"));
    m_frequent->setGeometry(kLeft, y, 250, 90);
    m_frequent->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_frequent->setFont(QFont(QStringLiteral("DejaVu Sans Mono"), 8));

    AddTopicHelpButton({330, 570, 62, 24});
}

void ContentsPage::Refresh(const PsychogramView& view) {
    PickerPage::Refresh(view);
    QStringList lines;
    for (const auto& line : view.frequentContents) {
        lines.append(ToQt(line));
    }
    m_frequent->setText(lines.join(QLatin1Char('\n')));
    m_frequent->setAccessibleName(lines.join(QStringLiteral("; ")));
    // The list scores nothing in HelpEditMode, where a click chooses a sign's help.
    m_alphabetical->setEnabled(!m_desks.help.State().HelpEditMode());
}

} // namespace quelvarin::ui
