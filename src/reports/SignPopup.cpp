#include "reports/SignPopup.h"

#include "model/SymbolCatalogue.h"
#include "reports/HtmlText.h"

namespace quelvarin::reports {
namespace {

bool Present(const Protocol& protocol, SignCode code) {
    return protocol.counts[ParentOfCode(code)] >= 1;
}

} // namespace

std::string SignPopupLink(const Protocol& protocol, const SignHelpTexts& help, SignCode code,
                          PopupKind kind) {
    if (!Present(protocol, code)) {
        return "";
    }
    bool scoring = kind == PopupKind::Scoring;
    auto lines = scoring ? help.scoring.Text(code) : help.interpretation.Text(code);
    // A sign without help text is titled by its name.
    std::string first = lines.empty() ? std::string(ColumnNameOfCode(code)) : lines.front();
    std::string title = EscapeForPopup(first, PopupPart::Title) + (scoring ? " jelölése" : " értelmezése");
    std::string message;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        message += EscapeForPopup(lines[i], PopupPart::Message) + "<BR>";
    }
    return "<a href=\"\" ONMOUSEOVER=\"pop('" + title + "','" + message + "','" +
           (scoring ? "lightgreen" : "yellow") + "')\"; ONMOUSEOUT=\"kill()\">";
}

std::string SignPopupClose(const Protocol& protocol, SignCode code) {
    return Present(protocol, code) ? "</A></B>" : "";
}

std::string TallyText(const Protocol& protocol, const SignHelpTexts& help, SignCode code,
                      std::string_view name) {
    return SignPopupLink(protocol, help, code, PopupKind::Scoring) + std::string(name) +
           SignPopupClose(protocol, code) + " = " +
           SignPopupLink(protocol, help, code, PopupKind::Interpretation) +
           std::to_string(protocol.counts[ParentOfCode(code)]) + SignPopupClose(protocol, code);
}

std::string TallyText(const Protocol& protocol, const SignHelpTexts& help, SignCode code) {
    return TallyText(protocol, help, code, NameOfCode(code));
}

} // namespace quelvarin::reports
