#include "ui/personal/TSzemAdForm.h"

#include "model/ExaminationDate.h"
#include "ui/app/QtText.h"
#include "ui/app/WindowRegistry.h"
#include "ui/personal/TKlinListForm.h"
#include "ui/personal/TListaForm.h"
#include "ui/widgets/Named.h"
#include "workstation/PersonalDataTexts.h"

#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace quelvarin::ui {

namespace texts = window_texts;

namespace {

// The date picker shows the protocol's short date; an empty or unreadable one shows blank.
const QDate kNoDate(1752, 9, 14);

QDate ToQDate(std::string_view text) {
    auto date = ParseShortDate(text);
    return date ? QDate(date->year, date->month, date->day) : kNoDate;
}

// Sets a text only when it differs: the cursor and the selection stay.
void ShowText(QLineEdit* edit, const QString& text) {
    if (edit->text() != text) {
        QSignalBlocker blocker(edit);
        edit->setText(text);
    }
}

ChoiceListKind ListOf(PersonalField field) {
    switch (field) {
    case PersonalField::Diagnosis:
        return ChoiceListKind::Diagnosis;
    case PersonalField::Ward:
        return ChoiceListKind::Ward;
    case PersonalField::Examiner:
        return ChoiceListKind::Examiner;
    default:
        return ChoiceListKind::Occupation;
    }
}

} // namespace

TSzemAdForm::TSzemAdForm(PersonalDataDesk& personal, TopicHelpDesk& topics, WindowContext& context,
                         QWidget* main)
    : QDialog(main), m_personal(personal), m_context(context) {
    setObjectName(QStringLiteral("TSzemAdForm"));
    setWindowTitle(ToQt(texts::kPersonalDataCaption));
    setModal(true);

    auto* form = new QFormLayout;
    auto add = [&](std::string_view label, QWidget* field) {
        auto* caption = new QLabel(ToQt(label), this);
        caption->setBuddy(field);
        form->addRow(caption, field);
    };
    add(texts::kNameLabel, TextField(QStringLiteral("NevDoboz"), texts::kNameLabel, PersonalField::Name));
    add(texts::kCodeLabel, TextField(QStringLiteral("KodDoboz"), texts::kCodeLabel, PersonalField::Code));
    add(texts::kNumberLabel,
        TextField(QStringLiteral("SzamDoboz"), texts::kNumberLabel, PersonalField::Number));
    add(texts::kOccupationLabel,
        ChoiceField(QStringLiteral("FoglalkozasDoboz"), texts::kOccupationLabel, PersonalField::Occupation));

    m_sex = Named(new QComboBox(this), QStringLiteral("NemDoboz"), texts::kSexLabel);
    m_sex->addItems({ToQt(texts::kMale), ToQt(texts::kFemale)});
    connect(m_sex, &QComboBox::currentIndexChanged, this,
            [this] { m_personal.SetField(PersonalField::Sex, FromQt(m_sex->currentText())); });
    add(texts::kSexLabel, m_sex);

    m_age = Named(new QSpinBox(this), QStringLiteral("KorDoboz"), texts::kAgeLabel);
    m_age->setRange(kLowestAge, kHighestAge);
    connect(m_age, &QSpinBox::valueChanged, this, [this](int age) { m_personal.SetAge(age); });
    add(texts::kAgeLabel, m_age);

    add(texts::kDiagnosisLabel,
        ChoiceField(QStringLiteral("DgDoboz"), texts::kDiagnosisLabel, PersonalField::Diagnosis));

    // Checked when the examiner leaves it or presses Enter, so that a level can be typed.
    m_education = Named(new QComboBox(this), QStringLiteral("IskolaDoboz"), texts::kEducationLabel);
    m_education->setEditable(true);
    m_education->setInsertPolicy(QComboBox::NoInsert);
    connect(m_education->lineEdit(), &QLineEdit::editingFinished, this, &TSzemAdForm::CommitEducation);
    connect(m_education, &QComboBox::activated, this, &TSzemAdForm::CommitEducation);
    add(texts::kEducationLabel, m_education);

    add(texts::kWardLabel,
        ChoiceField(QStringLiteral("OsztalyDoboz"), texts::kWardLabel, PersonalField::Ward));

    m_date = Named(new QDateEdit(this), QStringLiteral("DatumDoboz"), texts::kDateLabel);
    m_date->setDisplayFormat(QStringLiteral("yyyy.MM.dd."));
    m_date->setCalendarPopup(true);
    m_date->setMinimumDate(kNoDate);
    m_date->setSpecialValueText(QStringLiteral(" "));
    connect(m_date, &QDateEdit::dateChanged, this, [this](QDate date) {
        if (date != kNoDate) {
            m_personal.SetDate(ShortDateText({date.year(), date.month(), date.day()}));
        }
    });
    add(texts::kDateLabel, m_date);

    add(texts::kExaminerLabel,
        ChoiceField(QStringLiteral("VvDoboz"), texts::kExaminerLabel, PersonalField::Examiner));

    // The clinical questions with their buttons.
    m_questions =
        Named(new QListWidget(this), QStringLiteral("KlinikaiKerdesek"), texts::kClinicalQuestionsLabel);
    m_questions->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto* questionsLabel = new QLabel(ToQt(texts::kClinicalQuestionsLabel), this);
    questionsLabel->setBuddy(m_questions);
    auto* addQuestion =
        Named(new QPushButton(ToQt(texts::kAddQuestionButton), this), QStringLiteral("HozzaadGomb"),
              texts::kAddQuestionHint, texts::kAddQuestionHint);
    auto* deleteQuestion =
        Named(new QPushButton(ToQt(texts::kDeleteQuestionButton), this), QStringLiteral("TorolGomb"),
              texts::kDeleteQuestionHint, texts::kDeleteQuestionHint);
    auto* editList = Named(new QPushButton(ToQt(texts::kEditListButton), this), QStringLiteral("ListaGomb"),
                           {}, texts::kEditListHint);
    for (auto* button : {addQuestion, deleteQuestion}) {
        button->setFixedWidth(28);
    }
    connect(addQuestion, &QPushButton::clicked, this, [this] {
        if (auto* picker = m_context.windows.Get<TKlinListForm>("KlinListForm")) {
            picker->open();
        }
    });
    connect(deleteQuestion, &QPushButton::clicked, this, [this] {
        std::vector<int> rows;
        for (const auto& index : m_questions->selectionModel()->selectedRows()) {
            rows.push_back(index.row());
        }
        m_personal.DeleteClinicalQuestions(rows);
    });
    connect(editList, &QPushButton::clicked, this, [this] { EditList(ChoiceListKind::ClinicalQuestions); });
    auto* questionButtons = new QVBoxLayout;
    questionButtons->addWidget(addQuestion);
    questionButtons->addWidget(deleteQuestion);
    questionButtons->addStretch();
    auto* questions = new QGridLayout;
    questions->addWidget(questionsLabel, 0, 0);
    questions->addWidget(m_questions, 1, 0);
    questions->addLayout(questionButtons, 1, 1);

    auto* ok = Named(new QPushButton(ToQt(texts::kOkButton), this), QStringLiteral("RendbenGomb"));
    auto* help = Named(new QPushButton(ToQt(texts::kHelpButton), this), QStringLiteral("SugoGomb"));
    for (auto* button : {ok, help, editList}) {
        button->setAutoDefault(false);
    }
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(help, &QPushButton::clicked, this, [&topics] { topics.ShowTopic(texts::kPersonalDataTopic); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(help);
    buttons->addWidget(editList);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(questions);
    layout->addLayout(buttons);
    resize(460, 560);

    auto& signals = context.signals;
    connect(&signals, &SessionSignals::personalDataChanged, this, &TSzemAdForm::ShowFields);
    connect(&signals, &SessionSignals::protocolReplaced, this, &TSzemAdForm::ShowFields);
}

QLineEdit* TSzemAdForm::TextField(const QString& name, std::string_view label, PersonalField field) {
    auto* edit = Named(new QLineEdit(this), name, label);
    connect(edit, &QLineEdit::textEdited, this,
            [this, field](const QString& text) { m_personal.SetField(field, FromQt(text)); });
    m_texts.emplace_back(edit, field);
    return edit;
}

QComboBox* TSzemAdForm::ChoiceField(const QString& name, std::string_view label, PersonalField field) {
    auto* box = Named(new QComboBox(this), name, label, texts::kListEditableHint);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    connect(box, &QComboBox::currentTextChanged, this,
            [this, field](const QString& text) { m_personal.SetField(field, FromQt(text)); });
    box->lineEdit()->installEventFilter(this);
    box->lineEdit()->setProperty("choiceList", static_cast<int>(ListOf(field)));
    m_choices.emplace_back(box, field);
    return box;
}

bool TSzemAdForm::eventFilter(QObject* watched, QEvent* event) {
    // A double click on a drop-down edits its list.
    if (event->type() == QEvent::MouseButtonDblClick && watched->property("choiceList").isValid()) {
        EditList(static_cast<ChoiceListKind>(watched->property("choiceList").toInt()));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TSzemAdForm::EditList(ChoiceListKind list) {
    auto* editor = m_context.windows.Get<TListaForm>("ListaForm");
    if (!editor) {
        return;
    }
    // The choices are read again once the editor closes, whichever way.
    connect(editor, &QDialog::finished, this, &TSzemAdForm::ShowChoices, Qt::SingleShotConnection);
    editor->Edit(list);
}

void TSzemAdForm::showEvent(QShowEvent* event) {
    bool fresh = m_personal.Open();
    ShowChoices();
    ShowFields();
    QDialog::showEvent(event);
    // After "új Ro." the code proposed from the last save is typed over, never passed on unseen;
    // opened from the menu, nothing is selected to be typed over by accident.
    auto* code = findChild<QLineEdit*>(QStringLiteral("KodDoboz"));
    if (fresh) {
        code->setFocus();
        code->selectAll();
    } else {
        code->deselect();
    }
}

void TSzemAdForm::hideEvent(QHideEvent* event) {
    // An education typed and not yet checked is checked before the window goes.
    CommitEducation();
    QDialog::hideEvent(event);
}

void TSzemAdForm::CommitEducation() {
    // Enter and the focus leaving both end an edit: the same text is checked once.
    auto text = FromQt(m_education->currentText());
    if (text != m_personal.State().CurrentProtocol().personal.education) {
        m_personal.CommitEducation(text);
    }
    ShowFields();
}

void TSzemAdForm::ShowChoices() {
    for (auto [box, field] : m_choices) {
        QSignalBlocker blocker(box);
        auto text = box->currentText();
        box->clear();
        box->addItems(ToQt(m_personal.Choices(ListOf(field))));
        box->setCurrentIndex(-1);
        box->setEditText(text);
    }
    QSignalBlocker blocker(m_education);
    auto text = m_education->currentText();
    m_education->clear();
    for (auto level : m_personal.EducationChoices()) {
        m_education->addItem(ToQt(level));
    }
    m_education->setCurrentIndex(m_education->findText(text));
    m_education->setEditText(text);
}

void TSzemAdForm::ShowFields() {
    const auto& personal = m_personal.State().CurrentProtocol().personal;
    for (auto [edit, field] : m_texts) {
        ShowText(edit, ToQt(m_personal.FieldText(field)));
    }
    for (auto [box, field] : m_choices) {
        ShowText(box->lineEdit(), ToQt(m_personal.FieldText(field)));
    }
    {
        QSignalBlocker blocker(m_sex);
        m_sex->setCurrentIndex(m_sex->findText(ToQt(personal.sex)));
    }
    {
        QSignalBlocker blocker(m_age);
        m_age->setValue(personal.age);
    }
    {
        QSignalBlocker blocker(m_education);
        auto education = ToQt(personal.education);
        m_education->setCurrentIndex(m_education->findText(education));
        ShowText(m_education->lineEdit(), education);
    }
    {
        QSignalBlocker blocker(m_date);
        m_date->setDate(ToQDate(personal.date));
    }
    auto questions = ToQt(m_personal.ClinicalQuestions());
    QStringList shown;
    for (int row = 0; row < m_questions->count(); ++row) {
        shown.append(m_questions->item(row)->text());
    }
    if (shown != questions) {
        m_questions->clear();
        m_questions->addItems(questions);
    }
}

} // namespace quelvarin::ui
