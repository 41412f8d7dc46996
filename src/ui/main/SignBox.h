#pragma once

#include "model/SignCode.h"

#include <QPushButton>
#include <functional>

namespace quelvarin::ui {

// A box of the sign picker bound to one sign: a click scores it, the mouse over it loads its
// help, and a figure or a family heading may colour it.
class SignBox : public QPushButton {
    Q_OBJECT
public:
    enum class Shade { Plain, Source, Chosen }; // white; yellow: a figure's source; green: HelpEditMode

    SignBox(SignCode code, const QString& caption, QWidget* parent);

    SignCode Code() const { return m_code; }
    // Where the box's hint comes from, asked each time the hint is shown.
    void SetHint(std::function<QString()> hint) { m_hint = std::move(hint); }
    void SetShade(Shade shade);
    Shade CurrentShade() const { return m_shade; }

Q_SIGNALS:
    void pointed(quint16 code);      // the mouse came over the box, or the keyboard's focus
    void leftClicked(quint16 code);  // a click or the space bar
    void rightClicked(quint16 code); // the right mouse button

protected:
    bool event(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    SignCode m_code;
    std::function<QString()> m_hint;
    Shade m_shade = Shade::Plain;
};

} // namespace quelvarin::ui
