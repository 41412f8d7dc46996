#include "interpretation/NormTable.h"

#include "model/SignNames.h"

namespace quelvarin::interpretation::norms {
namespace {

constexpr Kind S = Kind::Share;
constexpr Kind A = Kind::Absolute;

// Lower-upper per band; only the upper limit decides.
constexpr Norm kNorms[] = {
    // sign, kind, then the limits for 8..15, 16..25, 26..35, 36..50 and 51..84 effective answers
    {Sign("Bizonytalanság"), A, {{{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}}},
    {Sign("Jelentéstudat"), A, {{{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}}},
    {Sign("B sec +/-"), A, {{{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}}},
    {Sign("F +"), S, {{{16, 52}, {21, 47}, {18, 42}, {22, 42}, {23, 47}}}},
    {Sign("B +"), S, {{{1, 13}, {2, 12}, {2, 9}, {2, 8}, {1, 6}}}},
    {Sign("B sec +"), A, {{{0, 0}, {0, 0}, {0, 0}, {0, 1}, {0, 2}}}},
    {Sign("F +/-"), S, {{{1, 21}, {2, 20}, {6, 24}, {8, 23}, {12, 24}}}},
    {Sign("B +/-"), A, {{{0, 0}, {0, 0}, {0, 0}, {0, 1}, {0, 0}}}},
    {Sign("G komb."), A, {{{0, 0}, {0, 0}, {0, 0}, {0, 1}, {0, 0}}}},
    {Sign("F -"), A, {{{0, 1}, {0, 2}, {0, 2}, {0, 2}, {1, 2}}}},
    {Sign("G"), S, {{{35, 65}, {26, 51}, {19, 47}, {13, 41}, {7, 35}}}},
    {Sign("D"), S, {{{18, 48}, {29, 57}, {31, 63}, {37, 67}, {40, 67}}}},
    {Sign("Dd"), S, {{{0, 5}, {0, 6}, {0, 11}, {0, 12}, {3, 22}}}},
    {Sign("Do"), A, {{{0, 0}, {0, 0}, {0, 0}, {0, 1}, {0, 1}}}},
    {Sign("Gzw"), S, {{{0, 12}, {0, 11}, {0, 9}, {0, 10}, {0, 7}}}},
    {Sign("DG komb."), A, {{{0, 1}, {0, 1}, {0, 2}, {0, 2}, {0, 2}}}},
    {Sign("DG konf."), A, {{{0, 0}, {0, 1}, {0, 1}, {0, 1}, {0, 1}}}},
    {Sign("Dzw"), S, {{{0, 5}, {0, 5}, {0, 6}, {0, 7}, {0, 8}}}},
    {Sign("Ddzw"), A, {{{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 1}}}},
    {Sign("zw"), S, {{{0, 11}, {0, 8}, {0, 8}, {0, 7}, {1, 6}}}},
    // Human contents: a fifth to a quarter of the answers is usual, somewhat more in short
    // protocols, where every human answer weighs more.
    {Sign("M"), S, {{{10, 30}, {10, 27}, {10, 25}, {8, 23}, {8, 20}}}},
    // Sexual contents: one or two in a protocol, as vulgar answers; in a short one already a
    // second is above the usual.
    {Sign("Szex"), A, {{{0, 1}, {0, 1}, {0, 2}, {0, 2}, {0, 3}}}},
};

struct Band {
    int first;
    int last;
};
constexpr std::array<Band, kBandCount> kBands = {{{8, 15}, {16, 25}, {26, 35}, {36, 50}, {51, 84}}};

} // namespace

std::optional<int> BandOf(int effectiveAnswers) {
    for (std::size_t i = 0; i < kBands.size(); ++i) {
        if (effectiveAnswers >= kBands[i].first && effectiveAnswers <= kBands[i].last) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

std::span<const Norm> Table() {
    return kNorms;
}

const Norm* Find(SignCode code) {
    for (const auto& norm : kNorms) {
        if (norm.code == code) {
            return &norm;
        }
    }
    return nullptr;
}

} // namespace quelvarin::interpretation::norms
