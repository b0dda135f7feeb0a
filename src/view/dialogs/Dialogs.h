#pragma once
// The seven parameter dialogs with their constructor values. The command that
// opens one presets what it needs, runs it and reads the values on OK. Their
// texts are in the interface language of the moment they are made.

#include "view/dialogs/DialogModel.h"

namespace loopora::dialogs {

DialogModel chartParameters(); // 136 "Параметры схемы": width, height, background, spacing
DialogModel textLabel();       // 155 "Текстовая метка": text
DialogModel row();             // 156: count, height, rotate
DialogModel arc();             // 157: count, height, rotate, angle
DialogModel arcWithLoops();    // 158: loops, rotate, angle, count, height
DialogModel chainRing();       // 154 "Круг петель": count, loopsize
DialogModel scale();           // 135 "Параметры": widthfactor, heightfactor

} // namespace loopora::dialogs
