#pragma once

class QWidget;

// Captions keep the places and sizes their forms were drawn with; where a caption does not
// fit its control in the font it is given (another face, a larger font or scale, a style
// sheet's padding, a longer translation), the control's font shrinks in quarter points
// until it does. A caption that fits keeps its font: a push button's caption may run up to
// the button's frame, a check box's up to the box's edge.

// Fits the control's caption now, and again whenever its size, style or font changes.
// Call it again after changing the caption. Push buttons, check boxes, option buttons,
// labels with plain text and frames (group boxes); other controls are left alone.
void fitCaption(QWidget* control);
// fitCaption for the window's every control.
void fitCaptions(QWidget* window);
