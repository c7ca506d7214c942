#include "forms/FormImages.h"

// The images are compiled into the core library; registering them here makes the linker keep
// them, because the library is static.
static void registerFormImages() {
    Q_INIT_RESOURCE(FormImages);
}

namespace {
QString& imageFolder() {
    static QString folder;
    return folder;
}
} // namespace

namespace FormImages {

QList<int> ids() {
    return {kSt1Page1, kSt1Page2, kSt14, kSt4, kSt8, kSt2Page, kGasoholWorksheet};
}

QString path(int id) {
    static const bool registered = (registerFormImages(), true);
    Q_UNUSED(registered);
    if (!imageFolder().isEmpty())
        return QStringLiteral("%1/%2.emf").arg(imageFolder()).arg(id);
    return QStringLiteral(":/forms/%1.emf").arg(id);
}

void useFolder(const QString& folder) {
    imageFolder() = folder;
}

} // namespace FormImages
