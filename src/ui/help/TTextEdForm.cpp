#include "ui/help/TTextEdForm.h"

#include "ui/app/QtText.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/RowsModel.h"
#include "workstation/TextFileTexts.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QVBoxLayout>

namespace quelvarin::ui {

namespace texts = window_texts;

TTextEdForm::TTextEdForm(TextFileDesk& files, WindowContext& context, QWidget* main)
    : QDialog(main), m_files(files), m_services(context.services),
      m_model(new RowsModel([this] { return m_files.File().Rows(); }, this)),
      m_list(Named(new QListView(this), QStringLiteral("TextLines"), texts::kTextEditorCaption)),
      m_index(Named(new QLabel(this), QStringLiteral("LineIndex"))) {
    setObjectName(QStringLiteral("TTextEdForm"));
    setWindowTitle(ToQt(texts::kTextEditorCaption));
    setModal(true);
    auto* bar = new QMenuBar(this);
    auto* file = bar->addMenu(ToQt(texts::kTextEditorMenu));
    auto* open = Named(file->addAction(ToQt(texts::kTextEditorOpen)), QStringLiteral("OpenTextFileAction"));
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    m_save = Named(file->addAction(ToQt(texts::kTextEditorSave)), QStringLiteral("SaveTextFileAction"));
    m_save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_list->setModel(m_model);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 4);
    layout->setMenuBar(bar);
    layout->addWidget(m_list);
    layout->addWidget(m_index);
    resize(520, 420);

    connect(open, &QAction::triggered, this, [this] {
        if (m_files.Open()) {
            Refresh(-1);
        }
    });
    connect(m_save, &QAction::triggered, this, [this] { m_files.Save(); });
    connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& row) {
                m_index->setText(row.isValid() ? ToQt(m_files.LineLabel(static_cast<std::size_t>(row.row())))
                                               : QString());
            });
    Refresh(-1);
}

void TTextEdForm::Refresh(int chosen) {
    m_model->Refresh();
    const auto& file = m_files.File();
    setWindowTitle(file.HasFile() ? ToQt(file.Path().string()) : ToQt(texts::kTextEditorCaption));
    m_list->setCurrentIndex(m_model->index(chosen, 0));
    // Saving needs an open file.
    m_save->setEnabled(file.HasFile());
}

void TTextEdForm::showEvent(QShowEvent* event) {
    Refresh(-1);
    QDialog::showEvent(event);
}

void TTextEdForm::done(int result) {
    m_files.Close();
    Refresh(-1);
    QDialog::done(result);
}

void TTextEdForm::RowMenu(QPoint globalPosition) {
    int row = m_list->currentIndex().isValid() ? m_list->currentIndex().row() : -1;
    bool open = m_files.File().HasFile();
    bool chosen = open && row >= 0;
    // "insert" without a line chosen adds one after the last; "edit" and "delete" need a line.
    auto item = m_services.ChooseFromMenu(
        this, globalPosition, {ToQt(texts::kInsertRow), ToQt(texts::kEditRow), ToQt(texts::kDeleteRow)},
        {open, chosen, chosen});
    if (!item) {
        return;
    }
    auto at = static_cast<std::size_t>(row);
    switch (*item) {
    case 0:
        if (m_files.InsertLine(chosen ? std::optional<std::size_t>(at) : std::nullopt)) {
            Refresh(chosen ? row : static_cast<int>(m_files.File().Rows().size()) - 1);
        }
        break;
    case 1:
        // The dialog offers the line as it is; cancelling leaves it.
        if (!chosen) {
            break;
        }
        if (auto text = m_services.AskForText(this, ToQt(texts::kEditRowTitle), ToQt(texts::kEditRowPrompt),
                                              m_model->Row(row))) {
            m_files.ReplaceLine(at, FromQt(*text));
            Refresh(row);
        }
        break;
    case 2:
        if (chosen && m_files.RemoveLine(at)) {
            Refresh(std::min(row, static_cast<int>(m_files.File().Rows().size()) - 1));
        }
        break;
    default:
        break;
    }
}

bool TTextEdForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_list && event->type() == QEvent::ContextMenu) {
        RowMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    if (watched == m_list && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Menu) {
        auto current = m_list->currentIndex();
        RowMenu(m_list->mapToGlobal(current.isValid() ? m_list->visualRect(current).center() : QPoint(4, 4)));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace quelvarin::ui
