// The window tests: one executable, each test class run on its own by CTest
// (ui_tests ClassName [Qt Test options]), offscreen unless QT_QPA_PLATFORM says otherwise.
#include "UiTestRegistry.h"
#include "ui/app/WorkstationApp.h"

#include <QApplication>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication application(argc, argv);
    quelvarin::ui::PrepareApplication(application);
    auto& tests = quelvarin::ui::test::Registry();
    if (argc < 2) {
        for (const auto& [name, make] : tests) {
            std::printf("%s\n", name.c_str());
        }
        return 0;
    }
    auto it = tests.find(argv[1]);
    if (it == tests.end()) {
        std::fprintf(stderr, "no test class %s\n", argv[1]);
        return 2;
    }
    auto object = it->second();
    std::vector<char*> rest{argv[0]};
    rest.insert(rest.end(), argv + 2, argv + argc);
    return QTest::qExec(object.get(), static_cast<int>(rest.size()), rest.data());
}
