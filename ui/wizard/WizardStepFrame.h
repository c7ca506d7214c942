#pragma once

#include <QString>

class QVBoxLayout;
class QWidget;

// Lays out a wizard step the way every wizard of the program shows it: the program's picture
// down the left side and a group box titled with the step's subject on a white page. Returns
// the group box's layout for the step's contents.
QVBoxLayout* buildWizardStepFrame(QWidget* step, const QString& title);
