#pragma once

#include "ui/app/WindowContext.h"
#include "ui/widgets/ToolWindow.h"
#include "workstation/ExperienceTypeGraphDesk.h"
#include "workstation/TopicHelpDesk.h"

#include <array>

class QLabel;
class QPlainTextEdit;
class QTimer;
class QToolButton;

namespace quelvarin::ui {

class ChartMarker;

// "grafikus ÉLMÉNYTÍPUS": the protocol's ÉT as a point on the chart of the twelve types with
// the type's text beside it ("V"), or the text of the type under the pointer ("T"). The three
// markers blink while the window is shown. It follows the figures while it is shown.
class TETgrafForm : public ToolWindow {
    Q_OBJECT
public:
    TETgrafForm(ExperienceTypeGraphDesk& graph, TopicHelpDesk& topics, WindowContext& context, QWidget* main);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FollowProtocol();
    // Everything the desk has: field, highlights, markers, text and mode.
    void ShowState();
    void Blink();

    ExperienceTypeGraphDesk& m_graph;
    QLabel* m_field;
    std::array<QLabel*, et_chart::kTypeCount> m_types{};
    QPlainTextEdit* m_text;
    QToolButton* m_learning;
    QToolButton* m_examination;
    ChartMarker* m_protocolMarker = nullptr;
    ChartMarker* m_learningMarker = nullptr;
    ChartMarker* m_listMarker = nullptr;
    QTimer* m_blink;
};

} // namespace quelvarin::ui
