#pragma once

#include "platform/DocumentFileName.h"
#include "platform/InstallPaths.h"
#include "platform/Notifier.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quelvarin {

namespace messages {

inline constexpr std::string_view kNoExaminationCode =
    "Még nincs vizsgálati kód: adja meg a személyi adatokban, és utána nyissa meg a Word-dokumentumot!";
// Neither the user's own template nor the one installed with the program is there.
inline std::string MissingWordTemplate(std::string_view own, std::string_view shipped) {
    return "Nincs Word-sablon: sem a(z) „" + std::string(own) + "”, sem a(z) „" + std::string(shipped) +
           "” állomány nem található!!!";
}

} // namespace messages

// The "doc" button: the examination's Word document doc/<code>.doc, the code made a safe file
// name. A document not yet there is copied from the user's own template sablon.doc, or, while
// the user has none (a fresh installation), from help/sablon.doc; an existing document is never
// overwritten. The path to open, or nothing, with the examiner told why: no code yet, no
// template, a template that cannot be read, a document that cannot be written.
std::optional<std::filesystem::path> PrepareWordDocument(const InstallPaths& paths, std::string_view code,
                                                         Notifier& notifier);

// "az én Word sablonom": the user's own template sablon.doc, first copied from help/sablon.doc
// when the user has none. The path to open, or nothing, with the examiner told why.
std::optional<std::filesystem::path> PrepareOwnTemplate(const InstallPaths& paths, Notifier& notifier);

} // namespace quelvarin
