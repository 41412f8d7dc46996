#include "ui/help/TAboutForm.h"

#include "ui/app/QtText.h"
#include "ui/widgets/Named.h"
#include "workstation/AppTexts.h"
#include "workstation/ProgramInfoTexts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace quelvarin::ui {

namespace texts = window_texts;

TAboutForm::TAboutForm(const ProgramInfoDesk& info, WindowContext&, QWidget* main) : QDialog(main) {
    setObjectName(QStringLiteral("TAboutForm"));
    setWindowTitle(ToQt(texts::kProgramInfoCaption));
    setModal(true);
    auto* picture = Named(new QLabel(this), QStringLiteral("ProgramPicture"), texts::kProgramName);
    picture->setPixmap(QPixmap(ToQt(info.Picture().string())));
    auto* name = Named(new QLabel(ToQt(info.ProductName()), this), QStringLiteral("ProductName"));
    name->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 16px"));
    auto* version = Named(new QLabel(ToQt(info.Version()), this), QStringLiteral("VersionLabel"));
    auto* credits = Named(new QLabel(ToQt(texts::kCredits), this), QStringLiteral("Credits"));
    auto* close = Named(new QPushButton(ToQt(texts::kClose), this), QStringLiteral("CloseButton"));
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
