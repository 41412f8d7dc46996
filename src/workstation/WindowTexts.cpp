#include "workstation/WindowTexts.h"

#include "platform/NumberFormat.h"

namespace quelvarin::window_texts {

std::string MainWindowCaption(std::string_view code) {
    return code.empty() ? std::string(kProgramName) : std::string(kProgramName) + ": " + std::string(code);
}

std::string CardChoiceItem(int item) {
    return item == 0 ? std::string("válasz törlése") : FormatInteger(item) + ". táblán";
}

std::string AskOverwrite(std::string_view path) {
    return "A(z) „" + std::string(path) + "” állomány már létezik. Felülírja?";
}

std::string CannotOpenDocument(std::string_view path) {
    return "A(z) „" + std::string(path) + "” megnyitásához nem található program.";
}

std::string AnswerTextCaption(int answer) {
    return answer >= 1 && answer <= 90 ? "Válasz: " + FormatInteger(answer) + ". felelet"
                                       : std::string("Válasz");
}

} // namespace quelvarin::window_texts
