#include "ui/app/QtText.h"
#include "ui/main/PickerPages.h"
#include "ui/widgets/RowChoice.h"
#include "workstation/MainWindowTexts.h"

#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QMouseEvent>

namespace quelvarin::ui {

namespace texts = window_texts;

FrequencyPage::FrequencyPage(PickerDesks desks, UiServices& services, QWidget* parent)
    : PickerPage(picker::Page::Frequencies, desks, services, parent), m_heading(new QLabel(this)),
      m_vulgar(new QTreeWidget(this)), m_originality(new QListWidget(this)) {
    constexpr int kLeft = 6;
    m_heading->setObjectName(QStringLiteral("VulgarHeading"));
    m_heading->setGeometry(kLeft, 4, 380, 20);
    m_heading->setStyleSheet(QStringLiteral("font-weight: bold"));

    // The location, content and class of each vulgar answer of the card, in aligned columns:
    // a row chosen is chosen in all three.
    m_vulgar->setObjectName(QStringLiteral("VulgarLists"));
    m_vulgar->setAccessibleName(ToQt(texts::kVulgarGroup));
    m_vulgar->setGeometry(kLeft, 26, 381, 200);
    m_vulgar->setColumnCount(3);
    m_vulgar->setHeaderHidden(true);
    m_vulgar->setRootIsDecorated(false);
    m_vulgar->setColumnWidth(0, 110);
    m_vulgar->setColumnWidth(1, 210);
    m_vulgar->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_vulgar->setMouseTracking(true);
    m_vulgar->installEventFilter(this);
    OnRowChosen(m_vulgar, [this](const QModelIndex& row) {
        Handle(m_desks.scoring.ChooseVulgarRow(FromQt(row.siblingAtColumn(2).data().toString())));
    });

    int y = 236;
    auto* vulgarGroup = new QGroupBox(ToQt(texts::kVulgarGroup), this);
    vulgarGroup->setGeometry(kLeft, y, 185, 120);
    auto* originalGroup = new QGroupBox(ToQt(texts::kOriginalGroup), this);
    originalGroup->setGeometry(kLeft + 196, y, 185, 120);
    const Figure vulgar[] = {Figure::V1, Figure::V2, Figure::V3, Figure::VPercent};
    const Figure original[] = {Figure::OPlus, Figure::OPlusMinus, Figure::OMinus, Figure::OPercent};
    for (int i = 0; i < 4; ++i) {
        int fy = y + 22 + i * 24;
        AddFigure(vulgar[i], {kLeft + 12, fy, 60, 20}, {kLeft + 76, fy, 44, 20});
        auto* box = AddFigure(original[i], {kLeft + 208, fy, 60, 20}, {kLeft + 272, fy, 44, 20});
        if (i < 3) {
            // The right button adds an original answer of the class; the left one brings O% up
            // to date.
            box->Value()->installEventFilter(this);
            box->Value()->setProperty("originalityCode",
                                      picker::OriginalityBoxes()[static_cast<std::size_t>(i)]);
            m_originalityBoxes.push_back(box->Value());
        }
    }
    vulgarGroup->lower();
    originalGroup->lower();

    m_originality->setObjectName(QStringLiteral("OriginalityList"));
    m_originality->setAccessibleName(ToQt(texts::kOriginalGroup));
    m_originality->setGeometry(kLeft + 208, y + 132, 108, 62);
    for (auto row : picker::OriginalityRows()) {
        m_originality->addItem(ToQt(row));
    }
    m_originality->setMouseTracking(true);
    m_originality->installEventFilter(this);
    OnRowChosen(m_originality, [this](const QModelIndex& row) {
        Handle(m_desks.scoring.ChooseOriginalityRow(FromQt(row.data().toString())));
    });

    AddTopicHelpButton({330, 570, 62, 24});
}

void FrequencyPage::Refresh(const PsychogramView& view) {
    PickerPage::Refresh(view);
    m_heading->setText(ToQt(view.vulgarHeading));
    // The selected answer's card; none before an answer is selected.
    const auto& state = m_desks.scoring.State();
    int card = state.CurrentAnswer() ? state.CurrentCard() : 0;
    if (card == m_shownCard) {
        return;
    }
    m_shownCard = card;
    m_vulgar->clear();
    for (const auto& entry : m_desks.scoring.CurrentVulgarEntries()) {
        auto* item = new QTreeWidgetItem(m_vulgar);
        item->setText(0, ToQt(entry.location));
        item->setText(1, ToQt(entry.content));
        item->setText(2, ToQt(entry.vulgarClass));
    }
}

bool FrequencyPage::eventFilter(QObject* watched, QEvent* event) {
    // The mouse over the vulgar or originality lists empties the help windows.
    if ((watched == m_vulgar || watched == m_originality) && event->type() == QEvent::Enter &&
        HelpHoverAllowed() && m_desks.help.State().LastHelpCode() != Session::kNoHelpCode) {
        m_desks.help.ForgetShownHelp();
    }
    if (event->type() == QEvent::MouseButtonPress) {
        auto* label = qobject_cast<QLabel*>(watched);
        if (label && std::find(m_originalityBoxes.begin(), m_originalityBoxes.end(), label) !=
                         m_originalityBoxes.end()) {
            auto code = static_cast<SignCode>(label->property("originalityCode").toUInt());
            auto* press = static_cast<QMouseEvent*>(event);
            Handle(press->button() == Qt::RightButton ? m_desks.scoring.RightClickOriginalityBox(code)
                                                      : m_desks.scoring.ClickSignBox(code));
            return true;
        }
    }
    return PickerPage::eventFilter(watched, event);
}

} // namespace quelvarin::ui
