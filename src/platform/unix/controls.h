// The controls of the main window, made from rows of kControlTable.
#pragma once

#include <QString>
#include <QWidget>

#include "app/control_table.h"

// An edit box is never lower than one line of its font plus two edges.
int EditBoxHeight(int storedHeight, int fontLineHeight);

// Makes the control of the row at its place, with its text and looks.
QWidget* MakeControl(const ControlRow& row, QWidget* parent);

// The text of an edit box, or the caption of a label or a button.
QString ControlText(const QWidget* control);
// Replaces an edit box's whole text (raising its change event once), or a
// label's or a button's caption.
void SetControlText(QWidget* control, const QString& text);
