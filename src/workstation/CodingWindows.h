#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// What the coding windows of SZEI and of the transference scale show: a strip of category tabs
// of which one or none is chosen, the chosen category's description, and the code "jelöld !"
// stores.
namespace quelvarin {

class CodingTabs {
public:
    struct Tab {
        std::string_view caption;
        std::string_view code;
        const std::vector<std::string_view>* description; // heading first
    };
    explicit CodingTabs(std::vector<Tab> tabs) : m_tabs(std::move(tabs)) {}

    const std::vector<Tab>& Tabs() const { return m_tabs; }
    std::vector<std::string> Captions() const;
    std::optional<int> Chosen() const { return m_chosen; }
    // A tab out of the strip chooses none.
    void Choose(std::optional<int> tab);
    // The chosen category's description lines, trailing blanks kept; none without a tab.
    std::vector<std::string> Description() const;
    // The code of the chosen category; "" without a tab.
    std::string_view Code() const;

private:
    std::vector<Tab> m_tabs;
    std::optional<int> m_chosen;
};

// The SZEI coding window codes the answer selected in the SZEI column; opened from the
// evaluation window it only shows a category (its buttons hidden, its tabs disabled).
enum class CodingMode { Coding, ReadOnly };
enum class WindowOpening { Modal, Modeless };

class SzeiCoding {
public:
    SzeiCoding();

    const CodingTabs& Tabs() const { return m_tabs; }
    std::optional<int> Tab() const { return m_tabs.Chosen(); }
    CodingMode Mode() const { return m_mode; }
    // "jelöld !" can store: a tab is chosen in coding mode.
    bool CanMark() const { return m_mode == CodingMode::Coding && Tab(); }

    // A click on a row of the SZEI column showing `code`: the tab of the row's category (none for
    // "0" or a text that is no category, unchanged for "?"), coding mode. True when the click
    // opens the window modally (an uncoded row).
    bool ClickRow(std::string_view code);
    // A category shown from the evaluation window: its tab, read only.
    void ShowCategory(int tab);
    // A tab chosen in the window; ignored while it only shows a category.
    bool ChooseTab(std::optional<int> tab);

private:
    CodingTabs m_tabs;
    CodingMode m_mode = CodingMode::Coding;
};

// The transference scale's eight categories, their headings as codes.
CodingTabs TransferenceTabs();

} // namespace quelvarin
