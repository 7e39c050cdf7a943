#include "desktop/PrintoutFile.h"

#include "platform/files/ProgramFolder.h"
#include "platform/printing/PrintDocument.h"

#include <QDir>

namespace desktop {

QString PrintoutFileName(const std::string& fileName, const std::string& title) {
    QString name = QString::fromStdString(fileName).simplified();
    if (name.isEmpty()) {
        name = QString::fromStdString(title).trimmed();
        const QString printPrefix = QStringLiteral("Print ");
        if (name.startsWith(printPrefix)) name = name.mid(printPrefix.size()).trimmed();
    }
    if (name.isEmpty()) name = QStringLiteral("Printout");
    for (QChar& c : name) {
        if (QStringLiteral("/\\:*?\"<>|").contains(c) || c.unicode() < 32) c = QLatin1Char('-');
    }
    return name + QStringLiteral(".pdf");
}

QString ProposedPdfPath(const printing::PrintDocument& document) {
    QDir folder(QString::fromStdString(files::ProgramFolder().string()));
    folder.mkpath(QString::fromLatin1(kPrintoutsFolder));
    return folder.filePath(QString::fromLatin1(kPrintoutsFolder) + QLatin1Char('/') +
                           PrintoutFileName(document.fileName, document.title));
}

} // namespace desktop
