#pragma once

#include "ScriptedServices.h"
#include "support/ProtocolBuilder.h"
#include "support/TempDir.h"
#include "ui/app/WorkstationApp.h"
#include "ui/main/SignBox.h"
#include "ui/main/TMainForm.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QTest>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <string_view>

namespace quelvarin::ui::test {

// A workstation over a fresh copy of the shipped installation tree, with the scripted desktop,
// a fixed clock and a recording sound player; its main window is shown offscreen.
class UiStation {
public:
    UiStation();
    explicit UiStation(const std::filesystem::path& root);

    TMainForm& Main() { return m_app->MainWindow(); }
    Workstation& Station() { return m_app->Station(); }
    const Session& State() { return m_app->Station().session; }
    const WindowRegistry& Windows() { return m_app->Windows(); }

    // A window by its layout name ("ValaszForm").
    template <typename Window = QWidget>
    Window* Get(std::string_view name) {
        auto* found = qobject_cast<Window*>(Windows().Window(name));
        if (!found) {
            qWarning("no window %s", std::string(name).c_str());
        }
        return found;
    }

    // A control of the main window or of one of its windows, by object name.
    template <typename T = QWidget>
    T* Find(const QString& name) {
        auto* found = Main().findChild<T*>(name);
        if (!found) {
            qWarning("no control named %s", qPrintable(name));
        }
        return found;
    }
    // Triggers a menu item or a toolbar button by its name.
    void Trigger(const QString& action);
    // The sign picker's box of a sign.
    SignBox* Box(SignCode code) { return Find<SignBox>(QStringLiteral("SignBox%1").arg(code)); }

    quelvarin::test::TempDir dir;
    std::filesystem::path root;
    ScriptedServices services;
    quelvarin::test::RecordingSoundPlayer sound;
    FixedClock clock{"2026.12.10."};

private:
    std::unique_ptr<WorkstationApp> m_app;
};

// A control of a window by its object name; a missing one is told and fails where it is used.
template <typename Control>
Control* Child(QWidget* window, const char* name) {
    auto* found = window->findChild<Control*>(QString::fromLatin1(name));
    if (!found) {
        qWarning("no control named %s in %s", name, qPrintable(window->objectName()));
    }
    return found;
}

// Clicks the row of a list or a tree widget, as the examiner does.
void ClickRow(QAbstractItemView* view, int row, Qt::MouseButton button = Qt::LeftButton);
void DoubleClickRow(QAbstractItemView* view, int row);
// The texts of a list's rows.
QStringList Rows(QAbstractItemView* view);
// The mouse comes over a control, and leaves it (offscreen there is no pointer to move).
void Enter(QWidget* widget);
void Leave(QWidget* widget);
// Typing, accents included (the key events of the test library are ASCII only), at the end of
// a text box or at the cursor of a line field (replacing its selection).
void Type(QWidget* editor, const QString& text);
// The path as the desktop's dialogs give it.
QString PathText(const std::filesystem::path& path);

} // namespace quelvarin::ui::test
