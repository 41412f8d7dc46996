#include "ui/main/SignPicker.h"

#include "ui/app/QtText.h"
#include "ui/main/PickerPages.h"

namespace quelvarin::ui {

SignPicker::SignPicker(PickerDesks desks, QWidget* parent) : QTabWidget(parent), m_desks(desks) {
    setObjectName(QStringLiteral("SignPicker"));
    // The five tabs side by side within the picker's width.
    setStyleSheet(QStringLiteral("QTabBar::tab { padding: 4px 6px; }"));
    setUsesScrollButtons(false);
    m_pages = {new LocationPage(desks, this), new DeterminantPage(desks, this), new ContentsPage(desks, this),
               new FrequencyPage(desks, this), new SpecialReactionsPage(desks, this)};
    for (std::size_t i = 0; i < m_pages.size(); ++i) {
        auto* page = m_pages[i];
        page->setObjectName(QStringLiteral("PickerPage%1").arg(i));
        addTab(page, ToQt(picker::Pages()[i].tab));
        connect(page, &PickerPage::subVariantMenuWanted, this, &SignPicker::subVariantMenuWanted);
        connect(page, &PickerPage::topicHelpWanted, this, &SignPicker::topicHelpWanted);
    }
    Refresh();
}

void SignPicker::Refresh() {
    auto view = BuildPsychogramView(m_desks.scoring.State());
    for (auto* page : m_pages) {
        page->Refresh(view);
    }
}

} // namespace quelvarin::ui
