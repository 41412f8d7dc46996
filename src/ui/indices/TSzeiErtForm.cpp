#include "ui/indices/TSzeiErtForm.h"

#include "ui/app/QtText.h"
#include "ui/widgets/Named.h"
#include "workstation/CodingWindowTexts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quelvarin::ui {

namespace texts = window_texts;

TSzeiErtForm::TSzeiErtForm(IndicesDesk& indices, WindowContext&, QWidget* main)
    : QDialog(main), m_indices(indices),
      m_interpretation(Named(new QPlainTextEdit(this), QStringLiteral("SzeiErtelmezes"),
                             texts::kSzeiInterpretationLabel)) {
    setObjectName(QStringLiteral("TSzeiErtForm"));
    setWindowTitle(ToQt(texts::kSzeiEvaluationCaption));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(ToQt(texts::kSzeiEvaluationHeading), this);
    auto font = heading->font();
    font.setBold(true);
    heading->setFont(font);
    layout->addWidget(heading);

    auto* rows = new QGridLayout;
    auto view = indices.SzeiEvaluation();
    for (std::size_t i = 0; i < view.rows.size(); ++i) {
        auto* label = new QLabel(ToQt(view.rows[i].label), this);
        auto* value = Named(new QLineEdit(this), QStringLiteral("SzeiErtek%1").arg(i), view.rows[i].label);
        value->setReadOnly(true);
        value->setFixedWidth(48);
        value->setAlignment(Qt::AlignRight);
        label->setBuddy(value);
        rows->addWidget(label, static_cast<int>(i), 0);
        rows->addWidget(value, static_cast<int>(i), 1);
        m_values[i] = value;
    }
    layout->addLayout(rows);

    auto* interpretationLabel = new QLabel(ToQt(texts::kSzeiInterpretationLabel), this);
    interpretationLabel->setBuddy(m_interpretation);
    m_interpretation->setReadOnly(true);
    m_interpretation->setFixedHeight(48);
    layout->addWidget(interpretationLabel);
    layout->addWidget(m_interpretation);

    // The categories' buttons, in the coding window's tab order, and "rendben".
    auto* buttons = new QHBoxLayout;
    const auto& tabs = indices.SzeiCodingWindow().Tabs().Tabs();
    for (std::size_t tab = 0; tab < tabs.size(); ++tab) {
        auto* button = Named(new QPushButton(ToQt(tabs[tab].caption), this),
                             QStringLiteral("SzeiKategoria") + ToQt(tabs[tab].caption), tabs[tab].caption,
                             texts::kSzeiCategoryHint);
        button->setFixedWidth(28);
        button->setAutoDefault(false);
        int shown = static_cast<int>(tab);
        connect(button, &QPushButton::clicked, this, [this, shown] { m_indices.ShowSzeiCategory(shown); });
        buttons->addWidget(button);
    }
    buttons->addStretch();
    auto* done =
        Named(new QPushButton(ToQt(texts::kEvaluationDone), this), QStringLiteral("SzeiRendbenGomb"));
    done->setDefault(true);
    connect(done, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(done);
    layout->addLayout(buttons);
    resize(470, 330);
}

void TSzeiErtForm::showEvent(QShowEvent* event) {
    auto view = m_indices.SzeiEvaluation();
    for (std::size_t i = 0; i < view.rows.size(); ++i) {
        m_values[i]->setText(ToQt(view.rows[i].value));
    }
    m_interpretation->setPlainText(ToQt(view.interpretation));
    QDialog::showEvent(event);
}

} // namespace quelvarin::ui
