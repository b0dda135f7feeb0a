#pragma once
// The seven parameter dialogs. Each has its values as a struct whose
// defaults are the dialog's own; a command makes the dialog from the values
// it shows, runs its model and reads the confirmed values back as that
// struct, so no command names a field and a field a command reads is always
// there. Their texts are in the interface language of the moment they are
// made.

#include "view/dialogs/DialogModel.h"

#include <string>

namespace loopora::dialogs {

// 136 "Параметры схемы".
struct ChartParameters {
    int width = 0;
    int height = 0;
    int background = 1; // the index of the checked background
    int spacing = 30;
};

// 155 "Текстовая метка".
struct LabelText {
    std::string text; // lines separated by "\r\n"
};

// 156 "Расположение элементов в ряд".
struct RowParameters {
    int count = 2;
    double height = 30.0;
    bool alongLine = false;
};

// 157 "Расположение элементов дугой".
struct ArcParameters {
    int count = 10;
    double height = 30.0;
    bool alongArc = false;
    double sweep = 360.0; // degrees
};

// 158 "Расположение элементов дугой с петлями".
struct LoopedArcParameters {
    ArcParameters arc;
    int loops = 1; // chains in each loop
};

// 154 "Круг петель".
struct ChainRingParameters {
    int count = 0;
    double loopSize = 0.0; // each chain's length-to-width ratio
};

// 135 "Параметры": the size command's factors.
struct ScaleFactors {
    double width = 0.0;
    double height = 0.0;
};

// The model of the dialog that shows values, and the values it was
// confirmed with. Reading another dialog's model is a mistake: it throws
// std::logic_error.
DialogModel modelOf(const ChartParameters& shown);
DialogModel modelOf(const LabelText& shown);
DialogModel modelOf(const RowParameters& shown);
DialogModel modelOf(const ArcParameters& shown);
DialogModel modelOf(const LoopedArcParameters& shown);
DialogModel modelOf(const ChainRingParameters& shown);
DialogModel modelOf(const ScaleFactors& shown);

void read(const DialogModel& confirmed, ChartParameters& values);
void read(const DialogModel& confirmed, LabelText& values);
void read(const DialogModel& confirmed, RowParameters& values);
void read(const DialogModel& confirmed, ArcParameters& values);
void read(const DialogModel& confirmed, LoopedArcParameters& values);
void read(const DialogModel& confirmed, ChainRingParameters& values);
void read(const DialogModel& confirmed, ScaleFactors& values);

// A dialog and the one kind of values it is read as.
template <typename Values>
class Dialog {
public:
    explicit Dialog(const Values& shown = {}) : model_(modelOf(shown)) {}

    // What a window or a script runs and fills.
    DialogModel& model() { return model_; }
    // The values, after the model was confirmed (validate() found nothing).
    Values values() const
    {
        Values values;
        read(model_, values);
        return values;
    }

private:
    DialogModel model_;
};

} // namespace loopora::dialogs
