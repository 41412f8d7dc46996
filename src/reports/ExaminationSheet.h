#pragma once

#include "indices/SzenziPara.h"
#include "model/Protocol.h"
#include "model/SignHelpTexts.h"
#include "platform/LineFile.h"
#include "reports/SheetScales.h"

// The HTML examination sheet: a one-page summary of the protocol with its tallies, figures,
// scales and constellations, every present sign under its two help pop-ups.
namespace quelvarin::reports {

struct SheetInputs {
    const Protocol& protocol;
    const SignHelpTexts& help;
    const szenzipara::Standing& sensitivityParanoia; // as last computed
    const Constellations& constellations;
    const SheetScales& scales;
};

// The page's lines (UTF-8; the file is written in Windows-1250).
Lines WriteExaminationSheet(const SheetInputs& inputs);

} // namespace quelvarin::reports
