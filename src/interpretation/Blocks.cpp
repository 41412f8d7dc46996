#include "interpretation/Blocks.h"

namespace quelvarin::interpretation {
void WriteLines(const Context& context, TextOut& out, const std::vector<BodyLine>& lines) {
    for (const auto& line : lines) {
        if (line.when && !line.when(context)) {
            continue;
        }
        if (line.make) {
            out.Line(line.make(context));
        } else {
            out.Line(line.text);
        }
    }
}

void WriteBlock(const Context& context, TextOut& out, const Block& block) {
    bool applies = block.when ? block.when(context) : context.Presence(block.sign);
    if (!applies) {
        return;
    }
    WriteLines(context, out, block.before);
    if (!block.heading.empty()) {
        std::string heading(block.heading);
        if (block.counted) {
            if (block.counts.empty()) {
                heading += context.CountSuffix(block.sign);
            }
            for (auto code : block.counts) {
                heading += context.CountSuffix(code);
            }
        }
        out.Line(heading);
        out.Empty();
    }
    WriteLines(context, out, block.body);
    if (block.closingEmpty) {
        out.Empty();
    }
}

void WriteBlocks(const Context& context, TextOut& out, std::span<const Block> blocks) {
    for (const auto& block : blocks) {
        WriteBlock(context, out, block);
    }
}

void CollectTexts(std::span<const Block> blocks, std::vector<std::string_view>& lines) {
    for (const auto& block : blocks) {
        for (const auto& line : block.body) {
            lines.push_back(line.text);
        }
    }
}

} // namespace quelvarin::interpretation
