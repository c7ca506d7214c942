#pragma once

#include <QByteArray>
#include <QString>

// Writes the page files of one generated return into a private folder of the return's own in
// the temporary folder ("EMF" and a unique part), numbered in the order they are written:
// EMF001, EMF002, ... One folder per return costs far less than a uniquely named temporary
// file per page. The folder is made with the first page; the pages belong to the return's
// page list, and deleting them (deletePageFiles) removes the folder as well. A writer that
// wrote no page leaves no folder behind.
class PageFileWriter {
public:
    PageFileWriter() = default;
    ~PageFileWriter();
    PageFileWriter(const PageFileWriter&) = delete;
    PageFileWriter& operator=(const PageFileWriter&) = delete;

    // The path of the new page file holding `image`, or an empty text (and no file) when it
    // could not be written completely.
    QString write(const QByteArray& image);

    // Removes the folder of a page file when it is a page folder and nothing is left in it.
    static void removeFolderOfPageIfEmpty(const QString& pagePath);

private:
    QString folder_;
    int written_ = 0;
};
