#pragma once

class QCheckBox;
class QFrame;
class QLineEdit;
class QWidget;

// The editors created at run time stand in a frame's layout after its caption, in the order of
// the record's list they show: the editor of entry i is layout item i + 1. Everything that maps
// an editor to its entry, or back, goes through these.
namespace FrameCells {

// The widget showing entry index of the frame, or null when there is none.
QWidget* at(const QFrame* frame, int index);
QLineEdit* lineEditAt(const QFrame* frame, int index);
QCheckBox* checkBoxAt(const QFrame* frame, int index);
// The entry a widget of the frame shows; -1 for the caption and for widgets elsewhere.
int indexOf(const QFrame* frame, const QWidget* widget);
// How many editors the frame holds, shown or hidden.
int count(const QFrame* frame);
// Appends an editor for the next entry.
void append(QFrame* frame, QWidget* editor);
// Empties and hides an editor; a check box is unticked.
void clearAndHide(QWidget* editor);
// Puts the frame's editors in the tab order after previous, left to right; returns the last.
QWidget* orderTabs(QWidget* previous, const QFrame* frame);

} // namespace FrameCells
