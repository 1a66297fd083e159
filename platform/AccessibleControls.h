// What a screen reader is told of the platform's panels and sliders: a panel is a dialog named by
// its title; a slider is named by its row's label (the label's buddy), reports the value it shows
// in its own units with its range and step, takes a value set from there as the user's change,
// and controls the label beside it that shows the value.
#pragma once

// Once per process; the panel and slider constructors call it.
void describeControlsToScreenReaders();
