#include "ui/main/FigureDisplay.h"

#include "ui/app/QtText.h"

#include <QEvent>

namespace quelvarin::ui {

FigureDisplay::FigureDisplay(Figure figure, QWidget* page, QRect caption, QRect value)
    : QObject(page), m_figure(figure), m_caption(new QLabel(page)), m_value(new QLabel(page)) {
    auto name = QStringLiteral("Figure%1").arg(static_cast<int>(figure));
    m_caption->setObjectName(name + QStringLiteral("Caption"));
    m_value->setObjectName(name);
    m_caption->setGeometry(caption);
    m_value->setGeometry(value);
    m_value->setFrameShape(QFrame::Panel);
    m_value->setFrameShadow(QFrame::Sunken);
    m_value->setAutoFillBackground(true);
    m_value->setBackgroundRole(QPalette::Base);
    m_value->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_value->setFocusPolicy(Qt::StrongFocus);
    m_caption->setBuddy(m_value);
    for (auto* label : {m_caption, m_value}) {
        label->setMouseTracking(true);
        label->installEventFilter(this);
    }
}

void FigureDisplay::Show(const FigureText& text) {
    auto caption = ToQt(text.caption);
    m_caption->setText(caption);
    m_value->setText(ToQt(text.value));
    m_value->setToolTip(ToQt(text.hint));
    m_caption->setToolTip(text.labelHint.empty() ? ToQt(text.hint) : ToQt(text.labelHint));
    // A screen reader reads the value, described by its caption ("G!-D-(Dd)-", "FT:").
    m_value->setAccessibleName(ToQt(text.value));
    m_value->setAccessibleDescription(caption);
}

bool FigureDisplay::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter) {
        Q_EMIT entered(m_figure);
    } else if (event->type() == QEvent::Leave) {
        Q_EMIT left();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quelvarin::ui
