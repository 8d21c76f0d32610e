// Fatigue life: the stress coefficients of a design and its life class on the fatigue-strength
// diagram (core/drawing/fatigue_diagram.h draws the diagram).
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/records/material_table.h"

namespace coilspring {

inline constexpr int kLifeClassCount = 9;
inline constexpr std::int32_t kLowestLifeClass = 8;  // "1万以下": below the 1万 line

// The nine life-class texts, by life class.
inline constexpr std::array<const char*, kLifeClassCount> LifeClassNames = {
    "1000万", "100万", "10万", "6万", "4万", "3万", "2万", "1万", "1万以下"};

// Upper coefficient of each life line at x = 0, by life class 0..7.
inline constexpr std::array<double, 8> LifeLineIntercepts = {0.3,   0.328, 0.347, 0.363,
                                                             0.377, 0.391, 0.411, 0.45};

// Coefficient levels of the diagram: the 1万 line's foot and the top of the permitted region,
// and the top of the plot area.
inline constexpr double kTopLineLevel = 0.45;
inline constexpr double kPlotTop = 0.5;

// The line that ListBox1 gets when the working point lies outside the plot area.
inline constexpr const char* kGraphAreaOverLine = "グラフエリアオーバー";

// The text of a life class; empty for a number outside 0..8 (a damaged record).
std::string LifeClassText(std::int32_t lifeClass);

// Lower (tau1 / sigmaB) and upper (tau2 / sigmaB) stress coefficient.
struct StressCoefficients {
  double x = 0;
  double y = 0;
};

// The tensile strength sigmaB (N/mm^2) at a wire row; 0 when the row does not exist.
double TensileStrengthAt(const MaterialRecord& material, std::int32_t row);

// x = stress1 * 9.8 / sigmaB, y = stress2 * 9.8 / sigmaB of two stresses (kgf/mm^2) of a wire of
// strength sigmaB. Without a positive, finite sigmaB the coefficients are undefined and both
// come back as NaN.
StressCoefficients FatigueCoefficients(double stress1, double stress2, double sigmaB);

// The first life line on or above (x, y); class 8 above 0.45, above every line, or when x or y
// is not a number.
std::int32_t LifeClassOf(double x, double y);

// Whether the working point (x, y) has no place on the diagram: above the plot area (y > 0.5)
// or undefined. ListBox1 then gets kGraphAreaOverLine and no point is marked.
bool OutsideDiagram(double x, double y);

}  // namespace coilspring
