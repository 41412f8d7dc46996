#include "model/Inspection.h"

#include "model/SymbolCatalogue.h"

namespace quelvarin {

std::vector<std::string> CounterViewerRows(const Protocol& protocol) {
    std::vector<std::string> rows;
    rows.reserve(codes::kCounterCount);
    for (int code = codes::kFirstCounter; code <= codes::kLastCounter; ++code) {
        auto sign = static_cast<SignCode>(code);
        rows.push_back(std::string(NameOfCode(sign)) + "=" + std::to_string(protocol.counts[sign]) + ";");
    }
    return rows;
}

std::vector<std::string> RawAnswerRows(const Protocol& protocol, int answer) {
    std::vector<std::string> rows;
    if (!IsAnswerNumber(answer)) {
        return rows;
    }
    const auto& record = protocol.answer(answer);
    rows.push_back(std::to_string(record.card));
    for (auto slot : record.slots) {
        rows.push_back(std::to_string(slot));
    }
    return rows;
}

std::string RawAnswerCaption(const Protocol& protocol, int answer, int row) {
    if (!IsAnswerNumber(answer) || row < 0 || row > kSlotCount) {
        return "";
    }
    const auto& record = protocol.answer(answer);
    if (row == 0) {
        return "Táblaszám: " + std::to_string(record.card);
    }
    return std::string(NameOfCode(record.slots[static_cast<std::size_t>(row - 1)]));
}

std::string RawAnswerLabel(int row) {
    return std::to_string(row) + ". elem";
}

} // namespace quelvarin
