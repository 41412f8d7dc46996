#include "UiFixture.h"

#include "platform/InstallPaths.h"

#include <QAbstractItemView>
#include <QEnterEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace quelvarin::ui::test {

UiStation::UiStation() : UiStation(std::filesystem::path()) {}

UiStation::UiStation(const std::filesystem::path& givenRoot) {
    root = givenRoot.empty() ? dir / "quelva" : givenRoot;
    EnsureInstallTree(root, QUELVARIN_SHIPPED_TREE);
    m_app = std::make_unique<WorkstationApp>(root, services, sound, clock);
    Main().show();
    Main().activateWindow();
    if (!QTest::qWaitForWindowExposed(&Main()) || !QTest::qWaitForWindowActive(&Main())) {
        qWarning("the main window was not shown");
    }
}

void UiStation::Trigger(const QString& action) {
    auto* found = Main().findChild<QAction*>(action);
    if (!found) {
        qWarning("no action named %s", qPrintable(action));
        return;
    }
    found->trigger();
}

void ClickRow(QAbstractItemView* view, int row, Qt::MouseButton button) {
    auto index = view->model()->index(row, 0);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), button, {}, view->visualRect(index).center());
}

void DoubleClickRow(QAbstractItemView* view, int row) {
    auto index = view->model()->index(row, 0);
    view->scrollTo(index);
    auto at = view->visualRect(index).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
}

QStringList Rows(QAbstractItemView* view) {
    QStringList rows;
    for (int row = 0; row < view->model()->rowCount(); ++row) {
        rows.append(view->model()->index(row, 0).data().toString());
    }
    return rows;
}

void Enter(QWidget* widget) {
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(widget, &enter);
}

void Leave(QWidget* widget) {
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(widget, &leave);
}

void Type(QWidget* editor, const QString& text) {
    editor->setFocus();
    auto* plain = qobject_cast<QPlainTextEdit*>(editor);
    if (plain) {
        plain->moveCursor(QTextCursor::End);
        plain->insertPlainText(text);
    } else if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        // As typed: the field tells textEdited, as for keys.
        line->insert(text);
    }
}

QString PathText(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

} // namespace quelvarin::ui::test
