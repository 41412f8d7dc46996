#include "ui/main/PickerPage.h"

#include "model/SymbolCatalogue.h"
#include "ui/app/QtText.h"
#include "workstation/MainWindowTexts.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPushButton>

namespace quelvarin::ui {

namespace texts = window_texts;

PickerPage::PickerPage(picker::Page page, PickerDesks desks, UiServices& services, QWidget* parent)
    : QWidget(parent), m_desks(desks), m_services(services), m_page(page) {
    setMouseTracking(true);
}

SignBox* PickerPage::AddBox(SignCode code, QRect where) {
    auto* box = new SignBox(code, ToQt(NameOfCode(code)), this);
    // The hint counts the sign as it stands when the hint is shown: after a click, the click.
    box->SetHint([this, code] { return ToQt(m_desks.help.SignBoxHint(code)); });
    box->setGeometry(where);
    m_boxes.push_back(box);
    m_boxOfCode[code] = box;
    connect(box, &SignBox::pointed, this, [this](quint16 pointed) { PointAt(pointed); });
    connect(box, &SignBox::leftClicked, this,
            [this](quint16 clicked) { Handle(m_desks.scoring.ClickSignBox(clicked)); });
    return box;
}

FigureDisplay* PickerPage::AddFigure(Figure figure, QRect caption, QRect value) {
    auto* display = new FigureDisplay(figure, this, caption, value);
    m_figures.push_back(display);
    connect(display, &FigureDisplay::entered, this,
            [this](Figure entered) { Highlight(SourceBoxesOf(entered)); });
    connect(display, &FigureDisplay::left, this, &PickerPage::RestoreColours);
    return display;
}

QPushButton* PickerPage::AddTopicHelpButton(QRect where) {
    auto* button = new QPushButton(ToQt(texts::kTopicHelpButton), this);
    button->setObjectName(QStringLiteral("TopicHelpButton%1").arg(static_cast<int>(m_page)));
    button->setGeometry(where);
    auto file = ToQt(picker::Pages()[static_cast<std::size_t>(m_page)].topicFile);
    connect(button, &QPushButton::clicked, this, [this, file] { m_desks.topics.ShowTopic(FromQt(file)); });
    return button;
}

void PickerPage::Refresh(const PsychogramView& view) {
    for (auto* display : m_figures) {
        display->Show(view[display->Which()]);
    }
}

void PickerPage::RestoreColours() {
    for (auto* box : m_boxes) {
        box->SetShade(SignBox::Shade::Plain);
    }
}

void PickerPage::Highlight(std::span<const SignCode> codes) {
    RestoreColours();
    for (auto code : codes) {
        if (auto it = m_boxOfCode.find(code); it != m_boxOfCode.end()) {
            it->second->SetShade(SignBox::Shade::Source);
        }
    }
}

void PickerPage::Handle(const EntryResult& result) {
    if (result.outcome == EntryOutcome::HelpShown) {
        RestoreColours();
        if (auto it = m_boxOfCode.find(result.code); it != m_boxOfCode.end()) {
            it->second->SetShade(SignBox::Shade::Chosen);
        }
        return;
    }
    if (result.menu == SubVariantMenu::None) {
        return;
    }
    const auto& popup = result.menu == SubVariantMenu::FH ? texts::kFHMenu : texts::kDzwMenu;
    QStringList items;
    for (auto caption : popup.items) {
        items.append(ToQt(caption));
    }
    auto* main = window();
    if (auto chosen =
            m_services.ChooseFromMenu(main, main->mapToGlobal(QPoint(popup.left, popup.top)), items)) {
        m_desks.scoring.ChooseSubVariant(*chosen);
    }
}

bool PickerPage::HelpHoverAllowed() const {
    // Ctrl held lets the mouse travel to a help window without loading every sign it crosses.
    return !m_desks.help.State().HelpEditMode() &&
           !(QGuiApplication::queryKeyboardModifiers() & Qt::ControlModifier);
}

void PickerPage::PointAt(SignCode code) {
    if (HelpHoverAllowed()) {
        m_desks.help.PointAtSign(code);
    }
}

void PickerPage::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    if (m_page == picker::Page::SpecialReactions || !HelpHoverAllowed()) {
        return;
    }
    // The help windows are emptied once, not at every move over the empty page.
    if (m_desks.help.State().LastHelpCode() != Session::kNoHelpCode) {
        RestoreColours();
        m_desks.help.ForgetShownHelp();
    }
}

} // namespace quelvarin::ui
