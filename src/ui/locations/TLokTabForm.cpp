#include "ui/locations/TLokTabForm.h"

#include "ui/app/QtText.h"
#include "ui/locations/PictureView.h"
#include "ui/locations/QtPictures.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/RowsModel.h"
#include "workstation/LocationTablesTexts.h"

#include <QContextMenuEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QShowEvent>
#include <QSignalBlocker>

namespace quelvarin::ui {

namespace texts = window_texts;

TLokTabForm::TLokTabForm(LocationTablesDesk& locations, WindowContext& context, QWidget* main)
    : ToolWindow(main), m_locations(locations), m_services(context.services),
      m_title(Named(new QLabel(this), QStringLiteral("CardTitle"))),
      m_picture(Named(new PictureView(this), QStringLiteral("CardPicture"), texts::kCardPictureName)),
      m_list(Named(new QListView(this), QStringLiteral("ListBox3"), texts::kLocationListName)),
      m_rows(new RowsModel([this] { return m_locations.View().labels; }, this)),
      m_sentence(Named(new QLabel(this), QStringLiteral("SituationSentence"))) {
    setObjectName(QStringLiteral("TLokTabForm"));
    setWindowTitle(ToQt(texts::kLocationTablesDesignCaption));
    locations.SetBitmapReader([](const std::filesystem::path& path) { return ReadBitmap(path); });

    auto* bar = new QMenuBar(this);
    auto* cards = Named(bar->addMenu(ToQt(texts::kCardsMenu)), QStringLiteral("TablakMenu"));
    for (int card = 1; card <= kCardCount; ++card) {
        auto* item =
            Named(cards->addAction(ToQt(texts::CardMenuItem(card))), ToQt(texts::CardMenuItemName(card)));
        connect(item, &QAction::triggered, this, [this, card] {
            m_locations.ChooseCard(card);
            Refresh();
        });
    }

    auto title = m_title->font();
    title.setBold(true);
    title.setPixelSize(14);
    m_title->setFont(title);
    m_list->setModel(m_rows);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setMouseTracking(true);
    m_list->setFixedWidth(210);
    m_list->installEventFilter(this);
    m_list->viewport()->installEventFilter(this);
    connect(m_list, &QListView::clicked, this, [this](const QModelIndex& row) { ChooseLocation(row.row()); });
    // The pointer over a location shows it in the caption.
    connect(m_list, &QListView::entered, this, [this](const QModelIndex& row) {
        setWindowTitle(ToQt(m_locations.HoverCaption(static_cast<std::size_t>(row.row()))));
    });

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(4, 0, 4, 4);
    layout->setMenuBar(bar);
    layout->addWidget(m_title, 0, 0, 1, 2);
    layout->addWidget(m_picture, 1, 0);
    layout->addWidget(m_list, 1, 1);
    layout->setRowStretch(1, 1);
    layout->setColumnStretch(0, 1);
    int row = 2;
    int number = 1;
    for (auto text : texts::kSituationLabels) {
        auto* label = Named(new QLabel(ToQt(text), this), QStringLiteral("SituationLabel%1").arg(number++));
        label->setWordWrap(true);
        layout->addWidget(label, row++, 0, 1, 2);
    }
    layout->addWidget(m_sentence, row, 0, 1, 2);
    resize(700, 720);

    auto& signals = context.signals;
    // The desk has loaded the card by the time these arrive.
    for (auto signal : {&SessionSignals::selectionChanged, &SessionSignals::modeChanged}) {
        connect(&signals, signal, this, [this] {
            if (isVisible()) {
                Refresh();
            }
        });
    }
    connect(&signals, &SessionSignals::protocolReplaced, this, [this] {
        if (isVisible()) {
            Refresh();
        }
    });
}

void TLokTabForm::Refresh() {
    const auto& view = m_locations.View();
    if (view.card == 0) {
        return;
    }
    setWindowTitle(ToQt(view.caption));
    m_title->setText(ToQt(view.title));
    m_sentence->setText(ToQt(view.sentence));
    m_rows->Refresh();
    {
        QSignalBlocker blocker(m_list->selectionModel());
        if (view.chosen) {
            m_list->setCurrentIndex(m_rows->index(static_cast<int>(*view.chosen)));
        } else {
            m_list->clearSelection();
            m_list->setCurrentIndex({});
        }
    }
    if (m_pictureShown != m_locations.PictureNumber()) {
        m_pictureShown = m_locations.PictureNumber();
        m_picture->SetImage(ImageOf(m_locations.ShownPicture()));
        m_picture->setAccessibleDescription(ToQt(view.picture.string()));
    }
}

void TLokTabForm::ChooseLocation(int row) {
    if (row >= 0) {
        m_locations.ChooseLocation(static_cast<std::size_t>(row));
    }
    Refresh();
}

void TLokTabForm::OfferSigns(QPoint at) {
    const auto& names = m_locations.View().signNames;
    if (names.empty()) {
        return;
    }
    if (auto item = m_services.ChooseFromMenu(this, at, ToQt(names))) {
        m_locations.ChooseSign(static_cast<std::size_t>(*item));
    }
}

bool TLokTabForm::eventFilter(QObject* watched, QEvent* event) {
    // Enter, the space bar or the menu key on the highlighted location, or the right button on a
    // location, chooses it and offers its signs.
    auto offerAt = [this](const QModelIndex& row, QPoint at) {
        if (!row.isValid()) {
            return false;
        }
        ChooseLocation(row.row());
        OfferSigns(at);
        return true;
    };
    auto current = m_list->currentIndex();
    auto atCurrent = m_list->viewport()->mapToGlobal(m_list->visualRect(current).center());
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        auto key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            return offerAt(current, atCurrent);
        }
    }
    if (event->type() == QEvent::ContextMenu) {
        auto* menu = static_cast<QContextMenuEvent*>(event);
        if (menu->reason() == QContextMenuEvent::Keyboard) {
            offerAt(current, atCurrent);
            return true;
        }
        if (watched == m_list->viewport()) {
            offerAt(m_list->indexAt(menu->pos()), menu->globalPos());
            return true;
        }
    }
    if (watched == m_list->viewport() && event->type() == QEvent::Leave) {
        setWindowTitle(ToQt(m_locations.View().card ? m_locations.View().caption
                                                    : std::string(texts::kLocationTablesDesignCaption)));
    }
    return ToolWindow::eventFilter(watched, event);
}

void TLokTabForm::showEvent(QShowEvent* event) {
    // Shown: the current card is loaded, and followed until the window is hidden. The desktop
    // hiding and showing it again with the main window changes nothing.
    if (!event->spontaneous()) {
        m_locations.SetShown(true);
        Refresh();
    }
    ToolWindow::showEvent(event);
}

void TLokTabForm::hideEvent(QHideEvent* event) {
    if (!event->spontaneous()) {
        m_locations.SetShown(false);
    }
    ToolWindow::hideEvent(event);
}

} // namespace quelvarin::ui
