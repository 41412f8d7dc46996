#include "workstation/CodingWindows.h"

#include "indices/Attetel.h"
#include "indices/Szei.h"

namespace quelvarin {

void CodingTabs::Choose(std::optional<int> tab) {
    bool inStrip = tab && *tab >= 0 && *tab < static_cast<int>(m_tabs.size());
    m_chosen = inStrip ? tab : std::nullopt;
}

std::vector<std::string> CodingTabs::Captions() const {
    std::vector<std::string> captions;
    for (const auto& tab : m_tabs) {
        captions.emplace_back(tab.caption);
    }
    return captions;
}

std::vector<std::string> CodingTabs::Description() const {
    if (!m_chosen) {
        return {};
    }
    const auto& lines = *m_tabs[static_cast<std::size_t>(*m_chosen)].description;
    return {lines.begin(), lines.end()};
}

std::string_view CodingTabs::Code() const {
    return m_chosen ? m_tabs[static_cast<std::size_t>(*m_chosen)].code : std::string_view{};
}

namespace {

CodingTabs SzeiTabs() {
    std::vector<CodingTabs::Tab> tabs;
    for (const auto& category : szei::Categories()) {
        tabs.push_back({category.code, category.code, &category.description});
    }
    return CodingTabs(std::move(tabs));
}

} // namespace

SzeiCoding::SzeiCoding() : m_tabs(SzeiTabs()) {}

bool SzeiCoding::ClickRow(std::string_view code) {
    m_tabs.Choose(szei::TabAfterClick(code, m_tabs.Chosen()));
    m_mode = CodingMode::Coding;
    return szei::ClickOpensModally(code);
}

void SzeiCoding::ShowCategory(int tab) {
    m_tabs.Choose(tab);
    m_mode = CodingMode::ReadOnly;
}

bool SzeiCoding::ChooseTab(std::optional<int> tab) {
    if (m_mode != CodingMode::Coding) {
        return false;
    }
    m_tabs.Choose(tab);
    return true;
}

CodingTabs TransferenceTabs() {
    std::vector<CodingTabs::Tab> tabs;
    for (const auto& category : attetel::Categories()) {
        tabs.push_back({category.tab, category.Code(), &category.description});
    }
    return CodingTabs(std::move(tabs));
}

} // namespace quelvarin
