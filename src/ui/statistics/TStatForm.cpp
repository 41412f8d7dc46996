#include "ui/statistics/TStatForm.h"

#include "ui/app/QtText.h"
#include "ui/widgets/Named.h"
#include "workstation/StatisticsTexts.h"

#include <QButtonGroup>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace quelvarin::ui {

using Target = StatisticsFilesDesk::Target;

TStatForm::TStatForm(StatisticsFilesDesk& desk, WindowContext& context, QWidget* main)
    : QDialog(main), m_desk(desk),
      m_existing(Named(new QRadioButton(ToQt(window_texts::kToExistingFile), this),
                       QStringLiteral("ExistingFileChoice"))),
      m_new(Named(new QRadioButton(ToQt(window_texts::kToNewFile), this), QStringLiteral("NewFileChoice"))),
      m_files(Named(new QListWidget(this), QStringLiteral("StatisticsFiles"),
                    window_texts::kStatisticsFilesName)),
      m_namePanel(Named(new QWidget(this), QStringLiteral("NewNamePanel"))),
      m_name(Named(new QLineEdit(m_namePanel), QStringLiteral("NewName"), window_texts::kNewNameLabel)),
      m_attach(
          Named(new QPushButton(ToQt(window_texts::kAttachButton), this), QStringLiteral("AttachButton"))) {
    setObjectName(QStringLiteral("TStatForm"));
    setWindowTitle(ToQt(window_texts::kAttachCaption));
    setModal(true);
    auto* cancel =
        Named(new QPushButton(ToQt(window_texts::kCancelAttachButton), this), QStringLiteral("CancelButton"));
    // Unchecked both at every opening, so the group is exclusive only while one is chosen.
    auto* choice = new QButtonGroup(this);
    choice->addButton(m_existing);
    choice->addButton(m_new);
    m_name->setMaxLength(static_cast<int>(statistics::kMaxNameLength));

    auto* nameRow = new QHBoxLayout(m_namePanel);
    nameRow->setContentsMargins(0, 0, 0, 0);
    nameRow->addWidget(
        Named(new QLabel(ToQt(window_texts::kNewNameLabel), m_namePanel), QStringLiteral("NewNameLabel")));
    nameRow->addWidget(m_name);
    nameRow->addWidget(
        Named(new QLabel(ToQt(window_texts::kDatSuffix), m_namePanel), QStringLiteral("NewNameSuffix")));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_attach);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_existing);
    layout->addWidget(m_files);
    layout->addWidget(m_new);
    layout->addWidget(m_namePanel);
    layout->addStretch();
    layout->addLayout(buttons);
    resize(380, 300);

    connect(m_existing, &QRadioButton::clicked, this, [this] { ChooseTarget(Target::Existing); });
    connect(m_new, &QRadioButton::clicked, this, [this] { ChooseTarget(Target::New); });
    connect(m_files, &QListWidget::currentRowChanged, this, [this](int row) {
        m_desk.ChooseFile(row < 0 ? std::nullopt : std::optional<std::size_t>(static_cast<std::size_t>(row)));
        m_attach->setEnabled(m_desk.MayAttach());
    });
    connect(m_name, &QLineEdit::textEdited, this, &TStatForm::NameEdited);
    connect(m_attach, &QPushButton::clicked, this, &TStatForm::Attach);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    // The code decides which files may take the row.
    connect(&context.signals, &SessionSignals::personalDataChanged, this, &TStatForm::Recheck);
}

void TStatForm::showEvent(QShowEvent* event) {
    m_desk.OpenAttachDialog();
    auto* group = m_existing->group();
    group->setExclusive(false);
    m_existing->setChecked(false);
    m_new->setChecked(false);
    group->setExclusive(true);
    m_files->hide();
    m_namePanel->hide();
    m_name->clear();
    ListFiles();
    m_attach->setEnabled(false);
    QDialog::showEvent(event);
}

bool TStatForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        Recheck();
    }
    return QDialog::event(event);
}

void TStatForm::ChooseTarget(Target target) {
    m_desk.ChooseTarget(target);
    m_files->setVisible(target == Target::Existing);
    m_namePanel->setVisible(target == Target::New);
    if (target == Target::New) {
        m_name->setFocus();
    }
    m_attach->setEnabled(m_desk.MayAttach());
}

void TStatForm::ListFiles() {
    const QSignalBlocker quiet(m_files);
    m_files->clear();
    m_files->addItems(ToQt(m_desk.ListedFiles()));
    m_files->setCurrentRow(-1);
}

void TStatForm::Recheck() {
    m_desk.Recheck();
    m_attach->setEnabled(m_desk.MayAttach());
}

void TStatForm::NameEdited(const QString& typed) {
    auto name = ToQt(m_desk.TypeName(FromQt(typed)));
    if (name != typed) {
        m_name->setText(name);
        m_name->setCursorPosition(static_cast<int>(name.size()));
    }
    m_attach->setEnabled(m_desk.MayAttach());
}

void TStatForm::Attach() {
    if (m_desk.Attach()) {
        ListFiles();
        accept();
        return;
    }
    m_attach->setEnabled(m_desk.MayAttach());
}

} // namespace quelvarin::ui
