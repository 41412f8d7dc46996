#pragma once

#include "model/Protocol.h"
#include "platform/NumberFormat.h"

#include <string>

// The answer-text window's caption.
namespace quelvarin::window_texts {

// "Válasz: 3. felelet"; "Válasz" without an answer.
inline std::string AnswerTextCaption(int answer) {
    return IsAnswerNumber(answer) ? "Válasz: " + FormatInteger(answer) + ". felelet" : std::string("Válasz");
}

} // namespace quelvarin::window_texts
