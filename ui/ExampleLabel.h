#pragma once

#include <QString>

class QLabel;
class QWidget;

// A short example beside or under a field ("e.g. 62701"), in the palette's placeholder colour:
// set apart from the labels but as readable as the hint inside an empty field.
QLabel* makeExampleLabel(const QString& text, QWidget* parent = nullptr);
