#pragma once

#include <QStringList>
#include <QWidget>
#include <optional>

class QAbstractButton;
class QButtonGroup;

namespace quelvarin::ui {

// A strip of tabs of which one or none is chosen, as the coding windows have it (a QTabBar
// always has a current tab). Each tab is a button read by its caption and reached by Tab; a
// click, or the space bar, chooses it.
class TabStrip : public QWidget {
    Q_OBJECT
public:
    // The tabs are named `namePrefix` and their place: "SzeiTab0" ...
    TabStrip(const QStringList& captions, const QString& namePrefix, QWidget* parent);

    std::optional<int> Tab() const;
    // Shows a tab chosen, or none; tells nothing.
    void SetTab(std::optional<int> tab);
    QAbstractButton* Button(int tab) const;

Q_SIGNALS:
    void tabChosen(int tab);

private:
    QButtonGroup* m_group;
};

} // namespace quelvarin::ui
