#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <string_view>
#include <vector>

namespace quelvarin::ui {

// The one conversion between the core's UTF-8 strings and Qt's strings.
inline QString ToQt(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string FromQt(const QString& text) {
    return text.toStdString();
}

inline QStringList ToQt(const std::vector<std::string>& lines) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(lines.size()));
    for (const auto& line : lines) {
        list.append(ToQt(line));
    }
    return list;
}

// The lines of a text box, as the core keeps multi-line texts.
inline std::vector<std::string> LinesOf(const QString& text) {
    std::vector<std::string> lines;
    if (text.isEmpty()) {
        return lines;
    }
    for (const auto& line : text.split(QLatin1Char('\n'))) {
        lines.push_back(FromQt(line));
    }
    return lines;
}

inline QString TextOf(const std::vector<std::string>& lines) {
    return ToQt(lines).join(QLatin1Char('\n'));
}

} // namespace quelvarin::ui
