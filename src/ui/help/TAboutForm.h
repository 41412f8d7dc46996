#pragma once

#include "platform/InstallPaths.h"

#include <QDialog>

namespace quelvarin::ui {

// "programinfó": the product's name, its version from ver.num, a picture and the credits.
class TAboutForm : public QDialog {
    Q_OBJECT
public:
    TAboutForm(const InstallPaths& paths, QWidget* parent);
};

} // namespace quelvarin::ui
