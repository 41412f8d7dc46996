#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace quelvarin::ui::test {

using TestFactory = std::function<std::unique_ptr<QObject>()>;
std::map<std::string, TestFactory>& Registry();

// Registers a Qt Test class under its name: QUELVARIN_UI_TEST(MainWindowTest)
struct RegisterTest {
    RegisterTest(const char* name, TestFactory make) { Registry()[name] = std::move(make); }
};

} // namespace quelvarin::ui::test

#define QUELVARIN_UI_TEST(Class)                                                                             \
    static const ::quelvarin::ui::test::RegisterTest kRegister##Class(                                       \
        #Class, [] { return std::make_unique<Class>(); })
