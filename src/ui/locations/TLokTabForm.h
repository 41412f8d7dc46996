#pragma once

#include "ui/app/WindowContext.h"
#include "ui/widgets/ToolWindow.h"
#include "workstation/LocationTablesDesk.h"

#include <QPoint>
#include <array>

class QLabel;
class QListView;

namespace quelvarin::ui {

class PictureView;
class RowsModel;

// "Lokalizációs táblák": the picture of the current card with the list of its numbered
// locations. A click on a location shows it outlined; its context menu scores one of its signs
// into the current answer; the "táblák" menu makes another card current. While shown, the
// window follows the selected answer's card. Everything it shows comes from its desk.
class TLokTabForm : public ToolWindow {
    Q_OBJECT
public:
    TLokTabForm(LocationTablesDesk& locations, WindowContext& context, QWidget* main);

    PictureView* Picture() const { return m_picture; }

    bool eventFilter(QObject* watched, QEvent* event) override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // Shows the desk's view; the picture is converted only when it is a new one.
    void Refresh();
    void ChooseLocation(int row);
    // The context menu of the chosen location at a screen position.
    void OfferSigns(QPoint at);

    LocationTablesDesk& m_locations;
    UiServices& m_services;
    QLabel* m_title;
    PictureView* m_picture;
    QListView* m_list;
    RowsModel* m_rows;
    QLabel* m_sentence;
    unsigned m_pictureShown = 0;
};

} // namespace quelvarin::ui
