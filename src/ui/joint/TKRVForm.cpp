#include "ui/joint/TKRVForm.h"

#include "joint/InteractionSigns.h"
#include "ui/app/QtText.h"
#include "ui/app/WindowRegistry.h"
#include "ui/joint/TKRVSzemForm.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/RowChoice.h"
#include "workstation/JointTexts.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

// The glyphs are linked into the window library: its resources are registered by hand.
static void InitJointGlyphs() {
    Q_INIT_RESOURCE(JointGlyphs);
}

namespace quelvarin::ui {

namespace texts = window_texts::joint_exam;
using joint::SignColumn;

namespace {

// The person's column and button carry a frame while the person is current.
const QString kMarker = QStringLiteral("border: 2px solid #000080;");

QString Numbered(const char* prefix, int number) {
    return QString::fromLatin1(prefix) + QString::number(number);
}

} // namespace

TKRVForm::TKRVForm(JointDesk& joint, TopicHelpDesk& topics, WindowContext& context, QWidget* main)
    : QDialog(main), m_joint(joint), m_context(context) {
    InitJointGlyphs();
    setObjectName(QStringLiteral("TKRVForm"));
    setWindowTitle(ToQt(texts::kCaption));
    setModal(true);

    auto* print = Named(new QPushButton(ToQt(texts::kPrint), this), QStringLiteral("PrintButton"));
    auto* help = Named(new QPushButton(ToQt(texts::kHelp), this), QStringLiteral("HelpButton"));
    connect(print, &QPushButton::clicked, this, &TKRVForm::Print);
    connect(help, &QPushButton::clicked, this, [&topics] { topics.ShowTopic(texts::kHelpTopic); });

    auto* top = new QHBoxLayout;
    top->addWidget(MakePersons(), 1);
    top->addWidget(MakeCard());
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(print);
    buttons->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(top);
    layout->addWidget(MakeSigns());
    layout->addWidget(MakeRecord(), 1);
    layout->addLayout(buttons);

    // Delete clears the selected row only while this window has the focus; a text field with
    // the focus keeps the key for its own editing.
    auto* clear = new QShortcut(QKeySequence(Qt::Key_Delete), this);
    clear->setObjectName(QStringLiteral("ClearRowKey"));
    clear->setContext(Qt::WindowShortcut);
    connect(clear, &QShortcut::activated, this, &TKRVForm::ClearRow);

    // The card steps and row clicks move the workstation's card; so may another window.
    connect(&context.signals, &SessionSignals::selectionChanged, this, &TKRVForm::ShowCard);
    resize(900, 640);
    ShowRecord();
}

QWidget* TKRVForm::MakePersons() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* seats = new QButtonGroup(box);
    seats->setExclusive(true);
    const std::array<std::string_view, 2> nameNames = {texts::kLeftNameName, texts::kRightNameName};
    for (int person = 1; person <= 2; ++person) {
        auto i = static_cast<std::size_t>(person - 1);
        const auto& caption = m_joint.Joint().Persons()[i].caption;
        m_persons[i] =
            Named(new QPushButton(ToQt(caption), box), Numbered("Person", person) + QStringLiteral("Button"));
        m_persons[i]->setCheckable(true);
        seats->addButton(m_persons[i], person);
        m_names[i] =
            Named(new QLineEdit(box), Numbered("Person", person) + QStringLiteral("Name"), nameNames[i]);
        m_names[i]->setReadOnly(true);
        auto* dataButton = Named(new QPushButton(ToQt(texts::kPersonalData), box),
                                 Numbered("Person", person) + QStringLiteral("Data"),
                                 texts::kPersonalDataHint, texts::kPersonalDataHint);
        dataButton->setFixedWidth(28);
        int column = (person - 1) * 3;
        grid->addWidget(m_persons[i], 0, column, 1, 2);
        grid->addWidget(m_names[i], 1, column);
        grid->addWidget(dataButton, 1, column + 1);
        connect(m_persons[i], &QPushButton::clicked, this, [this, person] {
            m_joint.SelectPerson(person);
            ShowRecord();
        });
        connect(dataButton, &QPushButton::clicked, this, [this, person] { OpenPersonalData(person); });
    }
    grid->setColumnMinimumWidth(2, 12);
    return box;
}

QWidget* TKRVForm::MakeCard() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto* previous = Named(new QPushButton(ToQt(texts::kPreviousCard), box), QStringLiteral("PreviousCard"),
                           texts::kPreviousCardHint, texts::kPreviousCardHint);
    auto* next = Named(new QPushButton(ToQt(texts::kNextCard), box), QStringLiteral("NextCard"),
                       texts::kNextCardHint, texts::kNextCardHint);
    m_cardLabel = Named(new QLabel(box), QStringLiteral("CardLabel"));
    m_cardPicture = Named(new QLabel(box), QStringLiteral("CardPicture"), texts::kCardPictureName);
    m_cardPicture->setFixedSize(48, 64);
    m_cardPicture->setScaledContents(true);
    for (auto* step : {previous, next}) {
        step->setFixedWidth(28);
        bool forward = step == next;
        connect(step, &QPushButton::clicked, this, [this, forward] {
            m_joint.StepCard(forward);
            ShowCard();
            setWindowTitle(QString::number(m_joint.State().CurrentCard()));
        });
    }
    row->addWidget(previous);
    row->addWidget(m_cardLabel);
    row->addWidget(next);
    row->addWidget(m_cardPicture);
    return box;
}

QWidget* TKRVForm::MakeSigns() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    m_editGroup = new QButtonGroup(this);
    m_editGroup->setExclusive(true);
    struct Column {
        SignColumn column;
        int perRow;
    };
    const Column columns[] = {{SignColumn::Opening, 2},
                              {SignColumn::Bargaining, 4},
                              {SignColumn::Decision, 2},
                              {SignColumn::Quality, 2}};
    for (const auto& column : columns) {
        auto* group = new QGroupBox(ToQt(joint::ColumnCaption(column.column)), box);
        group->setObjectName(QStringLiteral("SignColumn%1").arg(static_cast<int>(column.column) + 1));
        auto* grid = new QGridLayout(group);
        grid->setSpacing(2);
        int placed = 0;
        for (const auto& sign : joint::InteractionSigns()) {
            if (sign.column != column.column) {
                continue;
            }
            auto* button = Named(new QPushButton(group), Numbered("Sign", sign.number), sign.name);
            QIcon glyph(QStringLiteral(":/joint/glyphs/sign%1.png").arg(sign.number));
            if (glyph.isNull() || glyph.availableSizes().isEmpty()) {
                button->setText(ToQt(sign.code)); // "pb" and "eh" are written out
            } else {
                button->setIcon(glyph);
                button->setIconSize(QSize(36, 20));
            }
            button->setFixedSize(44, 28);
            button->installEventFilter(this);
            m_signs[static_cast<std::size_t>(sign.number - 1)] = button;
            m_editGroup->addButton(button, sign.number);
            grid->addWidget(button, placed / column.perRow, placed % column.perRow);
            ++placed;
            int number = sign.number;
            connect(button, &QPushButton::clicked, this, [this, number] { PressSign(number); });
        }
        row->addWidget(group, column.perRow);
    }
    auto* descriptions = new QVBoxLayout;
    m_description = Named(new QPlainTextEdit(box), QStringLiteral("Description"), texts::kDescriptionName);
    m_description->setReadOnly(true);
    m_descriptionLines =
        Named(new QListWidget(box), QStringLiteral("DescriptionLines"), texts::kDescriptionListName);
    m_descriptionLines->setSelectionMode(QAbstractItemView::SingleSelection);
    m_descriptionLines->hide();
    descriptions->addWidget(m_description);
    descriptions->addWidget(m_descriptionLines);
    row->addLayout(descriptions, 4);
    connect(m_description, &QPlainTextEdit::textChanged, this, [this] {
        auto line = m_joint.Joint().DescriptionBeingEdited();
        if (!m_helpEditing || !line) {
            return;
        }
        auto text = m_description->toPlainText();
        m_joint.EditDescription(FromQt(text));
        if (auto* item = m_descriptionLines->item(*line - 1)) {
            item->setText(text);
        }
    });
    return box;
}

QWidget* TKRVForm::MakeRecord() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    const std::array<std::string_view, 2> names = {texts::kLeftColumnName, texts::kRightColumnName};
    const std::array<const char*, 2> objects = {"LeftColumn", "RightColumn"};
    for (std::size_t i = 0; i < 2; ++i) {
        m_columns[i] =
            Named(new QListWidget(box), QString::fromLatin1(objects[i]), names[i], texts::kColumnsHint);
        OnRowChosen(m_columns[i], [this](const QModelIndex& row) { ClickSignRow(row.row()); });
        connect(m_columns[i], &QListWidget::itemDoubleClicked, this, &TKRVForm::ClearRow);
        grid->addWidget(m_columns[i], 0, static_cast<int>(i));
    }
    m_texts = Named(new QListWidget(box), QStringLiteral("TextList"), texts::kTextListName);
    m_editor = Named(new QLineEdit(box), QStringLiteral("TextEditor"), texts::kEditorName);
    OnRowChosen(m_texts, [this](const QModelIndex& row) {
        m_joint.ClickTextRow(static_cast<std::size_t>(row.row()));
        ShowRecord();
        m_editor->setFocus();
    });
    connect(m_editor, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_joint.SetSelectedRowText(FromQt(text));
        if (auto row = m_joint.Joint().SelectedTextRow()) {
            if (auto* item = m_texts->item(static_cast<int>(*row))) {
                item->setText(ToQt(m_joint.Joint().Rows()[*row].text));
            }
        }
    });
    grid->addWidget(m_texts, 0, 2);
    grid->addWidget(m_editor, 1, 0, 1, 3);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 2);
    return box;
}

void TKRVForm::showEvent(QShowEvent* event) {
    m_joint.OpenJointExamination();
    setWindowTitle(ToQt(texts::kCaption));
    SetHelpEditing(m_joint.State().HelpEditMode());
    ShowNames();
    ShowRecord();
    QDialog::showEvent(event);
}

void TKRVForm::done(int result) {
    m_joint.CloseJointExamination(); // a failed write is told; the edited lines stay for the next close
    SetHelpEditing(false);
    QDialog::done(result);
}

bool TKRVForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter) {
        auto found = std::find(m_signs.begin(), m_signs.end(), watched);
        if (found != m_signs.end()) {
            if (auto line = m_joint.PointAtSign(static_cast<int>(found - m_signs.begin()) + 1)) {
                QSignalBlocker quiet(m_description);
                m_description->setPlainText(ToQt(*line));
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TKRVForm::SetHelpEditing(bool editing) {
    m_helpEditing = editing;
    // While editing the sign buttons stay pressed, one at a time; leaving releases them all.
    m_editGroup->setExclusive(false);
    for (auto* button : m_signs) {
        button->setChecked(false);
        button->setCheckable(editing);
    }
    m_editGroup->setExclusive(true);
    m_description->setReadOnly(!editing);
    m_descriptionLines->setVisible(editing);
    if (editing) {
        m_descriptionLines->clear();
        for (const auto& line : m_joint.Joint().Descriptions()) {
            m_descriptionLines->addItem(ToQt(line));
        }
    }
}

void TKRVForm::PressSign(int sign) {
    auto pressed = m_joint.SignButton(sign);
    if (pressed.description) {
        m_descriptionLines->setCurrentRow(sign - 1);
        QSignalBlocker quiet(m_description);
        m_description->setPlainText(ToQt(*pressed.description));
        return;
    }
    if (pressed.recorded) {
        ShowRecord();
        m_editor->setFocus();
    }
}

void TKRVForm::ClickSignRow(int row) {
    m_joint.ClickSignRow(static_cast<std::size_t>(row));
    ShowRecord();
    m_editor->setFocus();
}

void TKRVForm::ClearRow() {
    m_joint.ClearSelectedRow();
    ShowRecord();
}

void TKRVForm::Print() {
    auto page = m_joint.WriteJointReport();
    if (!page) {
        return; // the desk told why
    }
    auto path = ToQt(page->string());
    if (!m_context.services.OpenDocument(path)) {
        m_context.services.ShowMessage(this, ToQt(texts::CannotOpenReport(page->string())),
                                       MessageKind::Warning);
    }
}

void TKRVForm::OpenPersonalData(int person) {
    auto* window = m_context.windows.Get<TKRVSzemForm>("KRVSzemForm");
    if (!window) {
        return;
    }
    window->ShowPerson(person);
    connect(window, &QDialog::finished, this, &TKRVForm::ShowNames, Qt::UniqueConnection);
    window->open();
}

void TKRVForm::ShowNames() {
    for (std::size_t i = 0; i < 2; ++i) {
        m_names[i]->setText(ToQt(m_joint.Joint().Persons()[i].name));
    }
}

void TKRVForm::ShowRecord() {
    const auto& record = m_joint.Joint();
    const auto& rows = record.Rows();
    std::array<QStringList, 2> cells;
    QStringList stepTexts;
    for (const auto& row : rows) {
        cells[0].append(ToQt(row.left));
        cells[1].append(ToQt(row.right));
        stepTexts.append(ToQt(row.text));
    }
    auto fill = [](QListWidget* list, const QStringList& items, std::optional<std::size_t> selected) {
        QSignalBlocker quiet(list);
        // Rows are only ever added: the items stay, so that a click and the double click after
        // it land on the same row.
        for (int row = 0; row < items.size(); ++row) {
            if (row < list->count()) {
                list->item(row)->setText(items[row]);
            } else {
                list->addItem(items[row]);
            }
        }
        if (selected) {
            list->setCurrentRow(static_cast<int>(*selected));
        }
    };
    for (std::size_t i = 0; i < 2; ++i) {
        fill(m_columns[i], cells[i], record.SelectedSignRow());
        bool current = record.CurrentPerson() == static_cast<int>(i) + 1;
        m_persons[i]->setChecked(current);
        m_persons[i]->setStyleSheet(current ? kMarker : QString());
        m_columns[i]->setStyleSheet(current ? QStringLiteral("QListWidget { %1 }").arg(kMarker) : QString());
    }
    fill(m_texts, stepTexts, record.SelectedTextRow());
    if (auto row = record.SelectedTextRow()) {
        m_texts->scrollToItem(m_texts->item(static_cast<int>(*row)));
    }
    m_editor->setText(ToQt(record.EditorText()));
    m_editor->setEnabled(record.SelectedTextRow().has_value() && *record.SelectedTextRow() > 0);
    ShowCard();
}

void TKRVForm::ShowCard() {
    const auto& state = m_joint.State();
    m_cardLabel->setText(ToQt(m_joint.CardLabel()));
    int card = state.CurrentCard();
    m_cardPicture->setPixmap(
        card >= 1 && card <= 10 ? QPixmap(ToQt(state.Paths().CardGlyphFile(card).string())) : QPixmap());
}

} // namespace quelvarin::ui
