#include "UiTestRegistry.h"

namespace quelvarin::ui::test {

std::map<std::string, TestFactory>& Registry() {
    static std::map<std::string, TestFactory> tests;
    return tests;
}

} // namespace quelvarin::ui::test
