#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;

// A check box whose text wraps at the width it is given, as a paragraph does, instead of
// widening its window: the box, and beside it a word-wrapped label that carries the text and its
// access key. The access key and a click on the text toggle the box, as they do on a check box.
class WrappingCheckBox : public QWidget {
    Q_OBJECT
public:
    explicit WrappingCheckBox(const QString& text, QWidget* parent = nullptr);

    QCheckBox* box() const { return box_; }
    QLabel* label() const { return label_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QCheckBox* box_;
    QLabel* label_;
};
