#include "ui/indices/TSzenziParaForm.h"

#include "ui/app/QtText.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/ValueLabel.h"
#include "workstation/IndexWindowTexts.h"

#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace quelvarin::ui {

namespace texts = window_texts::index_windows;

namespace {

const QColor kZoneHighlight(144, 238, 144); // light green

const std::array<QString, 3> kZoneNames = {QStringLiteral("HealthyZone"), QStringLiteral("NonPsychoticZone"),
                                           QStringLiteral("PsychoticZone")};

QString Lines(const std::array<std::string_view, 2>& lines) {
    auto text = ToQt(lines[0]);
    if (!lines[1].empty()) {
        text += QLatin1Char('\n') + ToQt(lines[1]);
    }
    return text;
}

// A zone's panel: its diagnosis with the chance, and the alternatives with theirs.
QFrame* MakeZonePanel(QWidget* parent, const texts::ZonePanel& panel, const QString& name) {
    auto* frame = Named(new QFrame(parent), name, panel.indicated.lines[0]);
    frame->setFrameShape(QFrame::Box);
    frame->setAutoFillBackground(true);
    auto* layout = new QGridLayout(frame);
    auto* diagnosis = new QLabel(Lines(panel.indicated.lines), frame);
    auto bold = diagnosis->font();
    bold.setBold(true);
    diagnosis->setFont(bold);
    layout->addWidget(diagnosis, 0, 0, 1, 2);
    layout->addWidget(new QLabel(ToQt(texts::kChanceCaption), frame), 1, 0);
    layout->addWidget(new QLabel(ToQt(panel.indicated.chance), frame), 1, 1, Qt::AlignRight);
    int row = 2;
    for (const auto& alternative : panel.alternatives) {
        if (alternative.lines[0].empty()) {
            continue;
        }
        if (row == 2) {
            layout->addWidget(new QLabel(ToQt(texts::kAlternativesCaption), frame), row++, 0, 1, 2);
        }
        layout->addWidget(new QLabel(Lines(alternative.lines), frame), row, 0);
        layout->addWidget(new QLabel(ToQt(alternative.chance), frame), row++, 1, Qt::AlignRight);
    }
    layout->setRowStretch(row, 1);
    return frame;
}

} // namespace

TSzenziParaForm::TSzenziParaForm(IndicesDesk& indices, WindowContext&, QWidget* main)
    : QDialog(main), m_indices(indices),
      m_table(
          Named(new QTableWidget(this), QStringLiteral("CategoryTable"), texts::kSensitivityParanoiaCaption)),
      m_sum(ValueLabel(this, QStringLiteral("SumValue"), texts::kSumCaption)),
      m_index(ValueLabel(this, QStringLiteral("IndexValue"), texts::kIndexCaption)),
      m_note(Named(new QLabel(this), QStringLiteral("NoAnswersNote"))) {
    setObjectName(QStringLiteral("TSzenziParaForm"));
    setWindowTitle(ToQt(texts::kSensitivityParanoiaCaption));
    setModal(true);
    auto* formula = Named(new QLabel(ToQt(texts::kFormulaLine), this), QStringLiteral("FormulaLine"));
    // The line's blanks are part of it.
    formula->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    QStringList heads;
    for (auto head : texts::kColumnHeads) {
        heads.append(ToQt(head));
    }
    m_table->setColumnCount(static_cast<int>(heads.size()));
    m_table->setHorizontalHeaderLabels(heads);
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    // Every row in sight: "Feleletszám" and the eleven categories.
    constexpr int kRows = 1 + static_cast<int>(szenzipara::kCategoryCount);
    int rowHeight = m_table->fontMetrics().height() + 6;
    m_table->verticalHeader()->setDefaultSectionSize(rowHeight);
    m_table->setMinimumHeight(m_table->horizontalHeader()->sizeHint().height() + kRows * rowHeight +
                              2 * m_table->frameWidth());
    auto bold = m_note->font();
    bold.setBold(true);
    m_note->setFont(bold);

    auto* figures = new QHBoxLayout;
    figures->addWidget(new QLabel(ToQt(texts::kSumCaption), this));
    figures->addWidget(m_sum);
    figures->addSpacing(24);
    figures->addWidget(new QLabel(ToQt(texts::kIndexCaption), this));
    figures->addWidget(m_index);
    figures->addStretch();

    auto* zones = new QGridLayout;
    zones->addWidget(Named(new QLabel(ToQt(texts::kZoneScale), this), QStringLiteral("ZoneScale")), 0, 0, 1,
                     3, Qt::AlignHCenter);
    for (std::size_t i = 0; i < m_zones.size(); ++i) {
        const auto& panel = texts::kZonePanels[i];
        int column = static_cast<int>(i);
        zones->addWidget(new QLabel(ToQt(panel.range), this), 1, column, Qt::AlignHCenter);
        m_zones[i] = MakeZonePanel(this, panel, kZoneNames[i]);
        zones->addWidget(m_zones[i], 2, column);
    }

    auto* close = Named(new QPushButton(ToQt(texts::kClose), this), QStringLiteral("CloseButton"));
    close->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(formula);
    layout->addWidget(m_table, 1);
    layout->addLayout(figures);
    layout->addWidget(m_note);
    layout->addLayout(zones);
    layout->addLayout(buttons);
    resize(640, 560);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

void TSzenziParaForm::showEvent(QShowEvent* event) {
    m_indices.ComputeSensitivityParanoia();
    Refresh();
    QDialog::showEvent(event);
}

void TSzenziParaForm::Refresh() {
    auto view = m_indices.SensitivityParanoiaTable();
    m_table->setRowCount(static_cast<int>(view.rows.size()));
    for (int row = 0; row < static_cast<int>(view.rows.size()); ++row) {
        const auto& shown = view.rows[static_cast<std::size_t>(row)];
        const std::array<std::string_view, 4> cells = {shown.label, shown.weight, shown.frequency,
                                                       shown.product};
        for (int column = 0; column < static_cast<int>(cells.size()); ++column) {
            auto* item = new QTableWidgetItem(ToQt(cells[static_cast<std::size_t>(column)]));
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            if (column > 0) {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            m_table->setItem(row, column, item);
        }
    }
    m_sum->setText(ToQt(view.sum));
    m_index->setText(ToQt(view.index));
    m_note->setText(ToQt(view.note));
    m_note->setVisible(!view.note.empty());
    for (std::size_t i = 0; i < m_zones.size(); ++i) {
        bool reached = view.zone && static_cast<std::size_t>(*view.zone) == i;
        QPalette colours = palette();
        if (reached) {
            colours.setColor(QPalette::Window, kZoneHighlight);
        }
        m_zones[i]->setPalette(colours);
        m_zones[i]->setAccessibleDescription(reached ? ToQt(texts::kZoneReached) : QString());
    }
}

} // namespace quelvarin::ui
