#pragma once

#include <array>
#include <string_view>

namespace quelvarin {

// Every window of the workstation by the name its block carries in a layout file, in the order
// the windows are made at start, which is the order a layout file lists them.
inline constexpr std::array<std::string_view, 33> kWindowNames = {
    "MainForm",     "JelSugForm",     "ErtSugForm",    "LokTabForm", "TSZValForm",     "FeleletForm",
    "EredmenyForm", "FiokForm",       "ValaszForm",    "NeigerForm", "KonfBeForm",     "KonfKiForm",
    "HelpForm",     "KiegInfForm",    "SzemAdForm",    "ListaForm",  "KlinListForm",   "SzeiForm",
    "AttetelForm",  "AlkoholForm",    "ETgrafForm",    "AboutForm",  "KRVForm",        "KRVSzemForm",
    "SzeiErtForm",  "AttetelErtForm", "SzertForm",     "TextEdForm", "SzenziParaForm", "StatForm",
    "CsopCsatForm", "UjStatForm",     "StatMutatForm",
};

} // namespace quelvarin
