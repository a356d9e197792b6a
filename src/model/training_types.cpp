// Default labels and colours of the ten training types.
#include "model/training_types.h"

namespace sb::model {

const TrainingTypeLabels& defaultTrainingTypeLabels() {
    static const TrainingTypeLabels labels{"k. A.        ", "ausd. aerob  ", "ausd. anaerob", "grundl. ausd.",
                                           "intervalltr. ", "Kraftausdauer", "Leistungstest", "Regenerations",
                                           "Techniktrain.", "Wettkampf    "};
    return labels;
}

const std::array<int, kTrainingTypeCount>& defaultTrainingTypeColours() {
    static const std::array<int, kTrainingTypeCount> colours{16777215, 16744448, 16776960, 4226304, 8454143,
                                                             16744703, 33023,    65408,    12632256, 255};
    return colours;
}

}  // namespace sb::model
