#include "ui/widgets/TabStrip.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QToolButton>

namespace quelvarin::ui {

TabStrip::TabStrip(const QStringList& captions, const QString& namePrefix, QWidget* parent)
    : QWidget(parent), m_group(new QButtonGroup(this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (int tab = 0; tab < captions.size(); ++tab) {
        auto* button = new QToolButton(this);
        button->setText(captions[tab]);
        button->setObjectName(namePrefix + QString::number(tab));
        button->setAccessibleName(captions[tab]);
        button->setCheckable(true);
        button->setFocusPolicy(Qt::StrongFocus);
        button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        button->setMinimumWidth(28);
        m_group->addButton(button, tab);
        layout->addWidget(button);
    }
    layout->addStretch();
    m_group->setExclusive(true);
    connect(m_group, &QButtonGroup::idClicked, this, &TabStrip::tabChosen);
}

std::optional<int> TabStrip::Tab() const {
    int tab = m_group->checkedId();
    return tab >= 0 ? std::optional<int>(tab) : std::nullopt;
}

void TabStrip::SetTab(std::optional<int> tab) {
    if (auto* button = tab ? m_group->button(*tab) : nullptr) {
        button->setChecked(true);
        return;
    }
    // An exclusive group keeps one button down: released with the exclusivity off.
    m_group->setExclusive(false);
    for (auto* button : m_group->buttons()) {
        button->setChecked(false);
    }
    m_group->setExclusive(true);
}

QAbstractButton* TabStrip::Button(int tab) const {
    return m_group->button(tab);
}

} // namespace quelvarin::ui
