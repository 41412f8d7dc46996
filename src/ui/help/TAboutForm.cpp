#include "ui/help/TAboutForm.h"

#include "ui/app/QtText.h"
#include "workstation/AppTexts.h"
#include "workstation/ProgramInfo.h"
#include "workstation/ProgramInfoTexts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace quelvarin::ui {

TAboutForm::TAboutForm(const InstallPaths& paths, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TAboutForm"));
    setWindowTitle(ToQt(window_texts::kProgramInfoCaption));
    setModal(true);
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("ProgramPicture"));
    picture->setPixmap(QPixmap(ToQt(paths.ProgramPictureFile().string())));
    picture->setAccessibleName(ToQt(window_texts::kProgramName));
    auto* name = new QLabel(ToQt(kProductName), this);
    name->setObjectName(QStringLiteral("ProductName"));
    name->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 16px"));
    auto* version = new QLabel(ToQt(VersionLabel(paths)), this);
    version->setObjectName(QStringLiteral("VersionLabel"));
    auto* credits = new QLabel(ToQt(window_texts::kCredits), this);
    credits->setObjectName(QStringLiteral("Credits"));
    auto* close = new QPushButton(ToQt(window_texts::kClose), this);
    close->setObjectName(QStringLiteral("CloseButton"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->addWidget(name);
    text->addWidget(version);
    text->addSpacing(12);
    text->addWidget(credits);
    text->addStretch();
    text->addWidget(close, 0, Qt::AlignRight);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(picture, 0, Qt::AlignTop);
    layout->addLayout(text);
}

} // namespace quelvarin::ui
