#include "model/SpecialReactions.h"
#include "ui/app/QtText.h"
#include "ui/main/PickerPages.h"
#include "ui/widgets/RowChoice.h"
#include "workstation/MainWindowTexts.h"

#include <QPushButton>
#include <QToolButton>

namespace quelvarin::ui {

namespace {

constexpr int kCodeRole = Qt::UserRole + 1;

// No button of an exclusive group down (exclusivity alone keeps one down).
void ReleaseAll(QButtonGroup* group) {
    group->setExclusive(false);
    for (auto* button : group->buttons()) {
        button->setChecked(false);
    }
    group->setExclusive(true);
}

} // namespace

SpecialReactionsPage::SpecialReactionsPage(PickerDesks desks, UiServices& services, QWidget* parent)
    : PickerPage(picker::Page::SpecialReactions, desks, services, parent), m_groups(new QButtonGroup(this)),
      m_letters(new QButtonGroup(this)), m_reactions(new QListWidget(this)) {
    constexpr int kLeft = 6, kWidth = 125, kHeight = 24;
    // The fifteen groups, three a row: a group fills the list and releases the letter tabs.
    for (int group = 1; group <= kSpecialReactionGroupCount; ++group) {
        auto* button = new QPushButton(ToQt(SpecialReactionGroupName(group)), this);
        button->setObjectName(QStringLiteral("ReactionGroup%1").arg(group));
        button->setCheckable(true);
        int column = (group - 1) % 3, row = (group - 1) / 3;
        button->setGeometry(kLeft + column * (kWidth + 3), 4 + row * (kHeight + 2), kWidth, kHeight);
        m_groups->addButton(button, group);
    }
    m_groups->setExclusive(true);
    connect(m_groups, &QButtonGroup::idClicked, this, [this](int group) {
        ReleaseAll(m_letters);
        Fill(SpecialReactionsOfGroup(group));
    });

    // The alphabet tabs: a tab fills the list with the names of its initials and releases
    // every group button.
    int x = kLeft;
    int index = 0;
    for (const auto& tab : SpecialReactionLetterTabs()) {
        auto* button = new QToolButton(this);
        button->setText(ToQt(tab.caption));
        button->setObjectName(QStringLiteral("LetterTab%1").arg(index));
        button->setAccessibleName(ToQt(tab.caption));
        button->setCheckable(true);
        button->setAutoRaise(false);
        button->setFocusPolicy(Qt::StrongFocus);
        // Side by side as the tabs of a strip: 22 tabs in the page's width.
        auto font = button->font();
        font.setPixelSize(10);
        button->setFont(font);
        int width = tab.caption.size() > 1 ? 23 : 15;
        button->setGeometry(x, 138, width, 22);
        x += width;
        m_letters->addButton(button, index++);
    }
    m_letters->setExclusive(true);
    connect(m_letters, &QButtonGroup::idClicked, this, [this](int tab) {
        ReleaseAll(m_groups);
        Fill(SpecialReactionsOfTab(SpecialReactionLetterTabs()[static_cast<std::size_t>(tab)].caption));
    });

    m_reactions->setObjectName(QStringLiteral("ReactionList"));
    m_reactions->setAccessibleName(ToQt(window_texts::kColumnHeadings[4]));
    m_reactions->setGeometry(kLeft, 166, 381, 364);
    m_reactions->setMouseTracking(true);
    connect(m_reactions, &QListWidget::itemEntered, this, [this](QListWidgetItem* item) {
        if (!HelpHoverAllowed()) {
            return;
        }
        m_reactions->setCurrentItem(item);
        PointAt(static_cast<SignCode>(item->data(kCodeRole).toUInt()));
    });
    OnRowChosen(m_reactions, [this](const QModelIndex& row) {
        Handle(m_desks.scoring.ChooseSpecialReactionRow(FromQt(row.data().toString())));
    });

    AddTopicHelpButton({330, 570, 62, 24});
}

void SpecialReactionsPage::Fill(const std::vector<SpecialReactionRow>& rows) {
    m_reactions->clear();
    for (const auto& row : rows) {
        auto* item = new QListWidgetItem(ToQt(row.name), m_reactions);
        item->setData(kCodeRole, row.code);
    }
}

} // namespace quelvarin::ui
