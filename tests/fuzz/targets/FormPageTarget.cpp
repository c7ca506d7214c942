#include "forms/PlaceholderSearch.h"
#include "forms/filling/St4Form.h"
#include "targets/FuzzEntries.h"
#include "targets/FuzzScratchFile.h"

void FuzzEntries::formPage(const QByteArray& input) {
    St4Form form;
    if (form.loadImage(FuzzScratchFile::write(QStringLiteral("page.emf"), input)) != kFormPageOk)
        return;
    form.blankAllFields();
    for (const FormField& field : form.fieldTable()) {
        const QString placeholder = form.placeholder(field.key);
        PlaceholderSearch::find(form.templateImage(), placeholder);
        form.setField(field.key, QString(placeholder.size(), u'7'));
        form.fieldText(field.key);
    }
    FormPage copy;
    copy.copyFrom(form);
    copy.saveImage(FuzzScratchFile::path(QStringLiteral("filled.emf")));
}
