#include "ui/help/TTextEdForm.h"

#include "ui/app/QtText.h"
#include "workstation/TextFileTexts.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QVBoxLayout>

namespace quelvarin::ui {

namespace texts = window_texts;

TTextEdForm::TTextEdForm(UiServices& services, Notifier& notifier, QWidget* parent)
    : QDialog(parent), m_services(services), m_notifier(notifier), m_list(new QListWidget(this)),
      m_index(new QLabel(this)) {
    setObjectName(QStringLiteral("TTextEdForm"));
    setWindowTitle(ToQt(texts::kTextEditorCaption));
    setModal(true);
    auto* bar = new QMenuBar(this);
    auto* file = bar->addMenu(ToQt(texts::kTextEditorMenu));
    auto* open = file->addAction(ToQt(texts::kTextEditorOpen));
    open->setObjectName(QStringLiteral("OpenTextFileAction"));
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    m_save = file->addAction(ToQt(texts::kTextEditorSave));
    m_save->setObjectName(QStringLiteral("SaveTextFileAction"));
    m_save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_list->setObjectName(QStringLiteral("TextLines"));
    m_list->setAccessibleName(windowTitle());
    m_list->installEventFilter(this);
    m_index->setObjectName(QStringLiteral("LineIndex"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 4);
    layout->setMenuBar(bar);
    layout->addWidget(m_list);
    layout->addWidget(m_index);
    resize(520, 420);

    connect(open, &QAction::triggered, this, [this] {
        auto chosen = m_services.ChooseFileToOpen(
            this, {ToQt(texts::kTextEditorOpenTitle), {}, ToQt(texts::kTextEditorAllFiles), {}, {}});
        if (chosen) {
            OpenFile(*chosen);
        }
    });
    connect(m_save, &QAction::triggered, this, [this] {
        m_lines.Save(m_notifier);
        UpdateActions();
    });
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        m_index->setText(row >= 0 ? ToQt(RowIndexLabel(static_cast<std::size_t>(row))) : QString());
    });
    UpdateActions();
}

void TTextEdForm::OpenFile(const QString& path) {
    if (m_lines.Open(FromQt(path), m_notifier)) {
        setWindowTitle(path);
        Refill(-1);
    }
    UpdateActions();
}

void TTextEdForm::Refill(int selected) {
    m_list->clear();
    for (const auto& row : m_lines.Rows()) {
        m_list->addItem(ToQt(row));
    }
    m_list->setCurrentRow(selected);
}

void TTextEdForm::UpdateActions() {
    // Saving needs an open file.
    m_save->setEnabled(m_lines.HasFile());
}

void TTextEdForm::RowMenu(QPoint globalPosition) {
    int row = m_list->currentRow();
    // Each item works on the selected line: without one, all three are greyed.
    bool selected = m_lines.HasFile() && row >= 0;
    auto chosen = m_services.ChooseFromMenu(
        this, globalPosition, {ToQt(texts::kInsertRow), ToQt(texts::kEditRow), ToQt(texts::kDeleteRow)},
        {selected, selected, selected});
    if (!chosen || !selected) {
        return;
    }
    auto at = static_cast<std::size_t>(row);
    switch (*chosen) {
    case 0:
        m_lines.InsertBefore(at);
        Refill(static_cast<int>(at));
        break;
    case 1:
        // The dialog offers the line as it is; cancelling leaves it.
        if (auto text = m_services.AskForText(this, ToQt(texts::kEditRowTitle), ToQt(texts::kEditRowPrompt),
                                              m_list->item(row)->text())) {
            m_lines.Replace(at, FromQt(*text));
            Refill(row);
        }
        break;
    case 2:
        m_lines.Remove(at);
        Refill(std::min(row, static_cast<int>(m_lines.Rows().size()) - 1));
        break;
    default:
        break;
    }
    UpdateActions();
}

bool TTextEdForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_list && event->type() == QEvent::ContextMenu) {
        RowMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    if (watched == m_list && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Menu) {
        RowMenu(m_list->mapToGlobal(m_list->visualItemRect(m_list->currentItem()).center()));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace quelvarin::ui
