#include "BenchPages.h"

#include "forms/filling/FormSet.h"
#include "platform/PrivateTempFolder.h"

#include <QFile>
#include <memory>

BenchPages::BenchPages(int count) {
    auto set = std::make_unique<FormSet>();
    loadFormImages(*set);
    const FormPage* forms[] = {&set->st1, &set->st1Worksheet, &set->st14, &set->st4, &set->st8};
    for (const FormPage* form : forms)
        files_ << PrivateTempFolder::createFileWith(QStringLiteral("EMF"), form->workingImage());
    for (int page = 0; page < count; ++page) {
        PageEntry entry;
        entry.imagePaths[0] = files_[page % files_.size()];
        pages_.push_back(entry);
        images_.push_back(forms[page % files_.size()]->workingImage());
    }
}

BenchPages::~BenchPages() {
    for (const QString& file : files_)
        QFile::remove(file);
}
