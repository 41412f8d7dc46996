#include "reports/Glossary.h"

#include "model/SymbolCatalogue.h"
#include "platform/AtomicFile.h"
#include "platform/Cp1250.h"
#include "platform/PrivateFiles.h"
#include "scoring/AnswerCounts.h"
#include "scoring/Apprehension.h"

#include <system_error>

namespace quelvarin::reports {
namespace fs = std::filesystem;

Lines BuildGlossary(Protocol& protocol, const SignHelpTexts& help) {
    CountAnswers(protocol);
    Lines lines;
    lines.push_back("FT: " + BuildApprehensionFormula(protocol).formula);
    for (int code = codes::kFirstCounter; code <= kLastHelpPage; ++code) {
        auto sign = static_cast<SignCode>(code);
        if (protocol.counts[sign] == 0) {
            continue;
        }
        lines.push_back(std::string(NameOfCode(sign)) + ": " + std::to_string(protocol.counts[sign]));
        for (auto& line : help.interpretation.Text(sign)) {
            lines.push_back(std::move(line));
        }
        lines.emplace_back(kGlossarySeparator);
    }
    return lines;
}

Lines HelpPage(const std::vector<std::string>& helpLines) {
    Lines page = {"<HTML><HEAD><TITLE></TITLE></HEAD><BODY>"};
    for (const auto& line : helpLines) {
        page.push_back(line + "<BR>");
    }
    page.emplace_back("forrás: a Quelvarin munkaállomás jelölési és értelmezési súgója");
    page.emplace_back("</BODY></HTML>");
    return page;
}

std::optional<std::string> RegenerateHelpPages(const InstallPaths& paths, const SignHelpTexts& help) {
    struct Folder {
        fs::path path;
        const HelpTextFile& texts;
    };
    const Folder folders[] = {{paths.InterpretationHelpPagesFolder(), help.interpretation},
                              {paths.ScoringHelpPagesFolder(), help.scoring}};
    for (const auto& folder : folders) {
        std::error_code error;
        CreateFolders(folder.path, error);
    }
    for (int code = kFirstHelpPage; code <= kLastHelpPage; ++code) {
        for (const auto& folder : folders) {
            auto file = folder.path / (std::to_string(code) + ".html");
            auto page = HelpPage(folder.texts.Text(static_cast<SignCode>(code)));
            if (!ReplaceFileAtomically(file, EncodeCp1250(JoinLines(page)))) {
                return file.string();
            }
        }
    }
    return std::nullopt;
}

} // namespace quelvarin::reports
