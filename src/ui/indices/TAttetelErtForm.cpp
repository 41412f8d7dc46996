#include "ui/indices/TAttetelErtForm.h"

#include "ui/app/QtText.h"
#include "ui/widgets/Named.h"
#include "workstation/CodingWindowTexts.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <array>
#include <vector>

namespace quelvarin::ui {

namespace texts = window_texts;
using namespace transference_bars;

namespace {

constexpr int kMargin = 8;
constexpr int kLabelLeft = 4;
constexpr int kLegendTop = 8;
constexpr int kBarHeight = 10;
constexpr int kRowsTop = 40;
constexpr int kRowHeight = 32;
constexpr int kChartHeight = kRowsTop + static_cast<int>(attetel::kEvaluatedCount) * kRowHeight;
const QColor kReferenceColour(120, 120, 200);
const QColor kCurrentColour(200, 40, 40);

} // namespace

// The bars, painted; the legends, the categories and the values are labels, which a screen
// reader reads (a value described by its category).
class TransferenceChart : public QWidget {
public:
    explicit TransferenceChart(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("AttetelOszlopok"));
        int x = kMargin;
        for (auto legend : {texts::kNormalDistributionLegend, texts::kCurrentDistributionLegend}) {
            auto* label = new QLabel(ToQt(legend), this);
            label->move(x + 24, kLegendTop - 2);
            label->adjustSize();
            m_legendLeft.push_back(x);
            x += 24 + label->width() + 16;
        }
        for (std::size_t i = 0; i < m_values.size(); ++i) {
            int top = kRowsTop + static_cast<int>(i) * kRowHeight;
            // The labels fit the room left of the bars, as the bars' place is fixed.
            m_labels[i] = Named(new QLabel(this), QStringLiteral("AttetelKategoria%1").arg(i));
            m_labels[i]->setGeometry(kLabelLeft, top + 4, kBarsLeft - kLabelLeft - 2, 16);
            auto font = m_labels[i]->font();
            font.setPixelSize(10);
            m_labels[i]->setFont(font);
            m_values[i] = Named(new QLabel(this), QStringLiteral("AttetelErtek%1").arg(i));
            m_values[i]->setGeometry(0, top + 8, 40, 16);
        }
    }

    void Show(const TransferenceEvaluationView& view) {
        m_view = view;
        for (std::size_t i = 0; i < m_values.size(); ++i) {
            const auto& bar = view.bars[i];
            m_labels[i]->setText(ToQt(bar.label));
            m_values[i]->setText(ToQt(bar.value));
            m_values[i]->setAccessibleDescription(ToQt(bar.label));
            m_values[i]->move(bar.valueLeft, m_values[i]->y());
        }
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(Qt::NoPen);
        const QColor colours[] = {kReferenceColour, kCurrentColour};
        for (std::size_t i = 0; i < m_legendLeft.size(); ++i) {
            painter.setBrush(colours[i]);
            painter.drawRect(m_legendLeft[i], kLegendTop, 20, kBarHeight);
        }
        for (std::size_t i = 0; i < m_view.bars.size(); ++i) {
            int top = kRowsTop + static_cast<int>(i) * kRowHeight;
            painter.setBrush(kReferenceColour);
            painter.drawRect(kBarsLeft, top, m_view.bars[i].referenceLength, kBarHeight);
            painter.setBrush(kCurrentColour);
            painter.drawRect(kBarsLeft, top + kBarHeight + 2, m_view.bars[i].length, kBarHeight);
        }
    }

private:
    TransferenceEvaluationView m_view;
    std::vector<int> m_legendLeft;
    std::array<QLabel*, attetel::kEvaluatedCount> m_labels{};
    std::array<QLabel*, attetel::kEvaluatedCount> m_values{};
};

TAttetelErtForm::TAttetelErtForm(IndicesDesk& indices, WindowContext&, QWidget* main)
    : QDialog(main), m_indices(indices), m_chart(new TransferenceChart(this)) {
    setObjectName(QStringLiteral("TAttetelErtForm"));
    setWindowTitle(ToQt(texts::kTransferenceEvaluationCaption));
    setModal(true);
    m_chart->move(0, 0);
    auto* done =
        Named(new QPushButton(ToQt(texts::kEvaluationDone), this), QStringLiteral("AttetelRendbenGomb"));
    done->setDefault(true);
    done->setGeometry(kMargin, kChartHeight + 8, 80, 26);
    connect(done, &QPushButton::clicked, this, &QDialog::accept);
}

void TAttetelErtForm::showEvent(QShowEvent* event) {
    auto view = m_indices.TransferenceEvaluation();
    m_chart->Show(view);
    m_chart->resize(view.windowWidth, kChartHeight);
    setFixedSize(view.windowWidth, kChartHeight + 44);
    QDialog::showEvent(event);
}

} // namespace quelvarin::ui
