#pragma once

#include "model/AnswerTextStore.h"
#include "model/Protocol.h"
#include "model/SignHelpTexts.h"
#include "platform/LineFile.h"

// The HTML protocol page: card by card the picture with its times, answer by answer the text
// and the signs in their five columns, each sign under its scoring-help pop-up.
namespace quelvarin::reports {

Lines WriteProtocolPage(const Protocol& protocol, const AnswerTexts& texts, const SignHelpTexts& help);

} // namespace quelvarin::reports
