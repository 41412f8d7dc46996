#pragma once

#include "ui/app/WindowContext.h"
#include "workstation/ProgramInfoDesk.h"

#include <QDialog>

namespace quelvarin::ui {

// "programinfó": the product's name, its version from ver.num, a picture and the credits.
class TAboutForm : public QDialog {
    Q_OBJECT
public:
    TAboutForm(const ProgramInfoDesk& info, WindowContext& context, QWidget* main);
};

} // namespace quelvarin::ui
