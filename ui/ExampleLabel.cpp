#include "ui/ExampleLabel.h"

#include <QLabel>

QLabel* makeExampleLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, colours.color(QPalette::PlaceholderText));
    label->setPalette(colours);
    return label;
}
