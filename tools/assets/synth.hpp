#pragma once
#include <cstdint>
#include <vector>

#include "assets/score.hpp"

namespace q::assets {

// Renders every note of a score into one mono signal around 0 (unscaled).
// A looping score renders exactly loopSamples samples, and the tails of notes
// that ring past the end are folded onto the start, so the loop plays on
// without a seam. A one-shot score lasts until its last release ends.
std::vector<double> RenderScore(const Score& score);

// Loudness as this tool measures it: the largest RMS over any window of
// `windowSamples` consecutive samples (short sounds are judged by their
// loudest moment, not diluted by silence).
double WindowedRms(const std::vector<double>& signal, int64_t windowSamples);
double PeakOf(const std::vector<double>& signal);

// Scales the signal so its windowed RMS meets `targetRms`, then lowers it
// again if its peak would pass `peakLimit`.
void NormaliseLevel(std::vector<double>& signal, int64_t windowSamples, double targetRms, double peakLimit);

// Removes the average, so a looping signal carries no DC.
void RemoveDc(std::vector<double>& signal);

// Full scale 1.0 to 16-bit with rounding and clamping.
std::vector<int16_t> ToPcm16(const std::vector<double>& signal);

}  // namespace q::assets
