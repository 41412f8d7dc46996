#include "ui/app/WindowRegistry.h"

#include "ui/app/QtText.h"
#include "ui/app/ShowGate.h"
#include "ui/widgets/WindowToggle.h"
#include "workstation/MainWindowTexts.h"
#include "workstation/WindowNames.h"

#include <QAction>
#include <QDialog>
#include <QKeySequence>
#include <algorithm>
#include <cassert>

namespace quelvarin::ui {

namespace texts = window_texts;
namespace menu = window_texts::menu;

namespace {

// How the main window shows a window: the menu item's caption and name, the toolbar button of
// a window shown beside it, and the key.
struct Showing {
    std::string_view window;
    const char* name;
    std::string_view caption;
    const texts::ToolbarButton* button = nullptr;
    QKeyCombination key = {};
};

// clang-format off
const Showing kShowings[] = {
    {"JelSugForm", "JelolGomb", menu::kShowScoringHelp, &texts::kScoringHelpButton, Qt::Key_F5},
    {"ErtSugForm", "ErtelmGomb", menu::kShowInterpretationHelp, &texts::kInterpretationHelpButton, Qt::Key_F6},
    {"LokTabForm", "LokGomb", menu::kShowLocationTables, &texts::kLocationTablesButton},
    {"FeleletForm", "RawAnswersItem", menu::kShowRawAnswers},
    {"EredmenyForm", "GlossaryItem", menu::kGlossary},
    {"FiokForm", "CountersItem", menu::kShowCounters},
    {"ValaszForm", "FeleletGomb", menu::kShowAnswerTexts, &texts::kAnswerTextButton, Qt::Key_F7},
    {"NeigerForm", "NeigerItem", menu::kNeiger},
    {"KonfBeForm", "LoadLayoutItem", menu::kLoadLayout},
    {"KonfKiForm", "SaveLayoutItem", menu::kSaveLayout},
    {"KiegInfForm", "SupplementaryItem", menu::kSupplementary},
    {"SzemAdForm", "PersonalDataItem", menu::kPersonalData},
    {"AlkoholForm", "AlcoholismItem", menu::kAlcoholism},
    {"ETgrafForm", "ExperienceTypeGraphItem", menu::kShowExperienceTypeGraph},
    {"AboutForm", "ProgramInfoItem", menu::kProgramInfo, nullptr, Qt::Key_F1},
    {"KRVForm", "JointExaminationItem", menu::kNewJointExamination},
    {"SzertForm", "InterpretationItem", menu::kInterpretation},
    {"TextEdForm", "TextFileItem", menu::kTextFile},
    {"SzenziParaForm", "SensitivityParanoiaItem", menu::kSensitivityParanoia},
    {"StatForm", "AttachCurrentItem", menu::kAttachCurrent},
    {"CsopCsatForm", "AttachBatchItem", menu::kAttachBatch},
};
// clang-format on

// The place of a name in the creation order; the list's length for a name not in it.
std::size_t PlaceOf(std::string_view name) {
    return static_cast<std::size_t>(std::find(kWindowNames.begin(), kWindowNames.end(), name) -
                                    kWindowNames.begin());
}

} // namespace

void WindowRegistry::MakeWindows(QWidget* main) {
    Register(kWindowNames.front(), main);
    m_maker(*this, main);
}

void WindowRegistry::Register(std::string_view name, QWidget* window) {
    auto place = PlaceOf(name);
    bool inOrder =
        place < kWindowNames.size() && (m_entries.empty() || PlaceOf(m_entries.back().name) < place);
    assert(inOrder && "windows are made once each, in the order of the layout names");
    if (inOrder) {
        m_entries.push_back({kWindowNames[place], window});
    }
}

std::vector<WindowRegistry::Entry> WindowRegistry::Entries() const {
    std::vector<Entry> entries;
    for (auto name : kWindowNames) {
        entries.push_back({name, Window(name)});
    }
    return entries;
}

QWidget* WindowRegistry::Window(std::string_view name) const {
    auto it =
        std::find_if(m_entries.begin(), m_entries.end(), [name](const Entry& e) { return e.name == name; });
    return it == m_entries.end() ? nullptr : it->window;
}

void WindowRegistry::Show(std::string_view name) const {
    auto* window = Window(name);
    if (!window) {
        return;
    }
    if (auto* gate = dynamic_cast<ShowGate*>(window); gate && !gate->PrepareToShow()) {
        return;
    }
    if (auto* dialog = qobject_cast<QDialog*>(window); dialog && dialog->isModal()) {
        dialog->open();
        return;
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void WindowRegistry::MakeActions(QWidget* owner) {
    for (const auto& showing : kShowings) {
        auto* window = Window(showing.window);
        Actions actions{showing.window};
        if (showing.button) {
            auto* toggle = new QAction(ToQt(showing.button->caption), owner);
            toggle->setObjectName(QString::fromLatin1(showing.name));
            toggle->setToolTip(ToQt(showing.button->hint));
            toggle->setStatusTip(ToQt(showing.button->hint));
            toggle->setShortcut(QKeySequence(showing.key));
            toggle->setCheckable(true);
            // The same toggle as the menu has it: check and button follow the window together.
            auto* mirror = new QAction(ToQt(showing.caption), owner);
            mirror->setObjectName(toggle->objectName() + QStringLiteral("Item"));
            mirror->setCheckable(true);
            QObject::connect(mirror, &QAction::triggered, toggle, &QAction::setChecked);
            QObject::connect(toggle, &QAction::toggled, mirror, &QAction::setChecked);
            if (window) {
                BindToggle(toggle, window);
            }
            actions.toggle = toggle;
            actions.item = mirror;
        } else {
            auto* item = new QAction(ToQt(showing.caption), owner);
            item->setObjectName(QString::fromLatin1(showing.name));
            item->setShortcut(QKeySequence(showing.key));
            auto name = actions.name;
            QObject::connect(item, &QAction::triggered, owner, [this, name] { Show(name); });
            actions.item = item;
        }
        for (auto* action : {actions.toggle, actions.item}) {
            if (action) {
                action->setEnabled(window != nullptr);
            }
        }
        m_actions.push_back(actions);
    }
}

const WindowRegistry::Actions* WindowRegistry::ActionsOf(std::string_view name) const {
    auto it =
        std::find_if(m_actions.begin(), m_actions.end(), [name](const Actions& a) { return a.name == name; });
    return it == m_actions.end() ? nullptr : &*it;
}

QAction* WindowRegistry::Toggle(std::string_view name) const {
    const auto* actions = ActionsOf(name);
    return actions ? actions->toggle : nullptr;
}

QAction* WindowRegistry::MenuItem(std::string_view name) const {
    const auto* actions = ActionsOf(name);
    return actions ? actions->item : nullptr;
}

} // namespace quelvarin::ui
