#pragma once

#include "forms/FormField.h"

#include <QByteArray>
#include <QString>
#include <span>

// Result codes of the page operations.
enum FormPageResult : int {
    kFormPageOk = 0,
    kFormPageFailed = -1,
};

// One form page: the page image as loaded (the template, never written after loading), a
// working copy of the same length that receives the field texts, and the form's field table.
// A field is written by overwriting its placeholder's UTF-16LE characters in the working copy
// with a text of the same length, so the text keeps the placeholder's position, font and
// character cells.
class FormPage {
public:
    explicit FormPage(std::span<FormField> fields = {}) : fields_(fields) {}
    virtual ~FormPage() = default;

    // Reads a page image file (a resource path works too). 0 on success, -1 when the file
    // cannot be read or is empty; the object then holds no image.
    int loadImage(const QString& path);
    // Makes both images deep copies of the other's; does nothing when the other holds none.
    void copyFrom(const FormPage& other);
    // Writes a field's text into the working image. 0 on success; -1 without a field table,
    // for a text of more than 128 characters, a key not in the table, a placeholder missing
    // from the image or a text whose length differs from the placeholder's.
    int setField(int key, const QString& text);
    // Writes the working image to the file. 0 on success, -1 without an image or when the
    // file cannot be written completely.
    int saveImage(const QString& path) const;

    // Writes spaces into every field of the table. A field that cannot be written (its
    // placeholder is missing from the image) is passed over. The first call after an image is
    // loaded blanks field by field and keeps the result; later calls copy it back in one go,
    // which is the same image since field texts are the only bytes ever written.
    void blankAllFields();

    // The placeholder of a key, empty when the key is not in the table. Field texts start from
    // it, so they know the field's width.
    QString placeholder(int key) const;

    bool hasImage() const { return !templateImage_.isEmpty(); }
    const QByteArray& templateImage() const { return templateImage_; }
    const QByteArray& workingImage() const { return workingImage_; }

private:
    FormField* row(int key) const;
    qsizetype positionOf(FormField& field, const QString& placeholder) const;
    void release();

    QByteArray templateImage_;
    QByteArray workingImage_;
    QByteArray blankImage_; // the template with every field blanked, once blankAllFields ran
    std::span<FormField> fields_;
};
