// The text of a plan file of any version, assembled from the column switches and a layout that says
// which sport blocks a version has and how each block is arranged. The writers of the three versions
// differ only in their layouts.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "model/training_year.h"
#include "planfile/plan_file_columns.h"

namespace sb::planfile {

struct SportBlockLayout {
    int sport;                 // model::Sport: picks the entry, its switch, kcal and type digit
    bool distanceBeforeRoute;  // the older formats open the run block with the distance
    bool withHeight;           // the bike's climbing after its distance
    bool withLoadAndContent;
    bool hasKcal;                    // whether withKcal adds a column to this block
    std::string_view openingHeader;  // route and distance (and height), in the block's order
    std::string_view cumulativeHeader;
    std::string_view averageHeader;
    std::string_view durationHeader;
    std::string_view pulseHeader;
    std::string_view loadContentHeader;
    std::string_view kcalHeader;
    std::string_view typesHeader;
};

struct PlanTextLayout {
    bool currentTitle;  // year, start month and day in the title; the older formats hold the year only
    std::span<const SportBlockLayout> blocks;
    bool withOdometers;  // separator and odometer lines after the days (never with date columns)
};

// The whole file, CR LF line ends, Windows-1252 bytes.
std::string formatPlanText(const model::TrainingYear& year, const PlanFileColumns& columns,
                           const TypeLabels& labels, const PlanTextLayout& layout);

}  // namespace sb::planfile
