#include "desktop/PrintoutFile.h"

#include "platform/files/ProgramFolder.h"
#include "platform/forms/Application.h"
#include "platform/forms/Form.h"
#include "platform/forms/TextField.h"
#include "platform/printing/PrintDocument.h"

#include <QDir>

namespace desktop {
namespace {

// The screens show the employer of a return in this field.
constexpr const char* kEmployerNameField = "txtEmployerName";

// The employer's name on the shown screen whose print control printed the
// document ("" when that screen shows none, as the employer listing).
std::string EmployerOfPrintout(const printing::PrintDocument& document) {
    auto& app = forms::App();
    for (int i = 0; i < app.Count(); ++i) {
        const forms::Form& form = app.Item(i);
        if (!form.Visible() || form.ControlByName(document.controlName) == nullptr) continue;
        if (auto* name = dynamic_cast<const forms::TextField*>(form.ControlByName(kEmployerNameField))) {
            return name->Text();
        }
        return {};
    }
    return {};
}

} // namespace

QString PrintoutFileName(const std::string& title, const std::string& employerName) {
    QString name = QString::fromStdString(title).trimmed();
    const QString printPrefix = QStringLiteral("Print ");
    if (name.startsWith(printPrefix)) name = name.mid(printPrefix.size()).trimmed();
    if (name.isEmpty()) name = QStringLiteral("Printout");
    const QString employer = QString::fromStdString(employerName).simplified();
    if (!employer.isEmpty()) name += QStringLiteral(" - ") + employer;
    for (QChar& c : name) {
        if (QStringLiteral("/\\:*?\"<>|").contains(c) || c.unicode() < 32) c = QLatin1Char('-');
    }
    return name + QStringLiteral(".pdf");
}

QString ProposedPdfPath(const printing::PrintDocument& document) {
    QDir folder(QString::fromStdString(files::ProgramFolder().string()));
    folder.mkpath(QString::fromLatin1(kPrintoutsFolder));
    return folder.filePath(QString::fromLatin1(kPrintoutsFolder) + QLatin1Char('/') +
                           PrintoutFileName(document.title, EmployerOfPrintout(document)));
}

} // namespace desktop
