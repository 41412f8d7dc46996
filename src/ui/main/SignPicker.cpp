#include "ui/main/SignPicker.h"

#include "ui/app/QtText.h"
#include "ui/main/PickerPages.h"

namespace quelvarin::ui {

SignPicker::SignPicker(PickerDesks desks, WindowContext& context, QWidget* parent)
    : QTabWidget(parent), m_desks(desks) {
    setObjectName(QStringLiteral("SignPicker"));
    // The five tabs side by side within the picker's width.
    setStyleSheet(QStringLiteral("QTabBar::tab { padding: 4px 6px; }"));
    setUsesScrollButtons(false);
    auto& services = context.services;
    m_pages = {new LocationPage(desks, services, this),
               new DeterminantPage(desks, services, context.windows, this),
               new ContentsPage(desks, services, this), new FrequencyPage(desks, services, this),
               new SpecialReactionsPage(desks, services, this)};
    for (std::size_t i = 0; i < m_pages.size(); ++i) {
        auto* page = m_pages[i];
        page->setObjectName(QStringLiteral("PickerPage%1").arg(i));
        addTab(page, ToQt(picker::Pages()[i].tab));
    }
    auto& signals = context.signals;
    connect(&signals, &SessionSignals::figuresRecomputed, this, &SignPicker::Refresh);
    connect(&signals, &SessionSignals::selectionChanged, this, &SignPicker::Refresh);
    connect(&signals, &SessionSignals::protocolReplaced, this, &SignPicker::Refresh);
    connect(&signals, &SessionSignals::modeChanged, this, &SignPicker::Refresh);
    Refresh();
}

void SignPicker::Refresh() {
    auto view = m_desks.scoring.Psychogram();
    for (auto* page : m_pages) {
        page->Refresh(view);
    }
}

} // namespace quelvarin::ui
