#include "desktop/MissingImagesLine.h"

#include <QBoxLayout>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QStringList>

namespace desktop {

QString MissingImagesText(const std::vector<std::string>& imagesNotDrawn) {
    if (imagesNotDrawn.empty()) return {};
    QStringList names;
    for (const auto& name : imagesNotDrawn) names << QString::fromStdString(name);
    return QStringLiteral("Printed without the form's page images, missing or unreadable in %1: %2")
        .arg(QDir::toNativeSeparators(QDir::currentPath()), names.join(QStringLiteral(", ")));
}

void AddMissingImagesLine(QDialog& dialog, const std::vector<std::string>& imagesNotDrawn) {
    const QString text = MissingImagesText(imagesNotDrawn);
    if (text.isEmpty()) return;
    auto* line = new QLabel(text, &dialog);
    line->setObjectName(QStringLiteral("missingPageImages"));
    line->setWordWrap(true);
    line->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (auto* layout = qobject_cast<QBoxLayout*>(dialog.layout())) {
        // Above the dialog's buttons, which close its layout.
        layout->insertWidget(std::max(0, layout->count() - 1), line);
    } else if (dialog.layout()) {
        dialog.layout()->addWidget(line);
    }
}

} // namespace desktop
