#include "ui/main/SignBox.h"

#include <QMouseEvent>

namespace quelvarin::ui {

SignBox::SignBox(SignCode code, const QString& caption, QWidget* parent)
    : QPushButton(caption, parent), m_code(code) {
    setObjectName(QStringLiteral("SignBox%1").arg(code));
    setAccessibleName(caption);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QPushButton::clicked, this, [this] { Q_EMIT leftClicked(m_code); });
}

void SignBox::SetShade(Shade shade) {
    if (shade == m_shade) {
        return;
    }
    m_shade = shade;
    QPalette colours = palette();
    switch (shade) {
    case Shade::Plain:
        colours = QPalette();
        break;
    case Shade::Source:
        colours.setColor(QPalette::Button, QColor(255, 255, 0));
        break;
    case Shade::Chosen:
        colours.setColor(QPalette::Button, QColor(0, 192, 0));
        break;
    }
    setPalette(colours);
}

bool SignBox::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && m_hint) {
        setToolTip(m_hint());
    }
    return QPushButton::event(event);
}

void SignBox::enterEvent(QEnterEvent* event) {
    QPushButton::enterEvent(event);
    if (m_hint) {
        setToolTip(m_hint());
    }
    Q_EMIT pointed(m_code);
}

void SignBox::focusInEvent(QFocusEvent* event) {
    QPushButton::focusInEvent(event);
    // The keyboard reaches the sign's help as the pointer does.
    Q_EMIT pointed(m_code);
}

void SignBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        Q_EMIT rightClicked(m_code);
        event->accept();
        return;
    }
    QPushButton::mousePressEvent(event);
}

} // namespace quelvarin::ui
