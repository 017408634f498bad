// SPDX-License-Identifier: MIT

#pragma once

class QGroupBox;

// Gives a group box the frame of the desktop's style, drawn without a picture where the style
// would load one: Fusion, the style without a desktop theme, draws its group frame from a PNG
// that it reads through Qt's image plug-ins on the first paint, several million instructions
// of the start for one faint outline.
void UseDrawnGroupFrame(QGroupBox *box);
