#include "ZnCatalog.h"

#include <map>
#include <memory>
#include <mutex>

#include <QDir>
#include <QTranslator>

#include "ZnWording.h"

namespace {

const QString SourceLanguage = QStringLiteral("ja");
const QString CatalogFolder = QStringLiteral(":/i18n");

} // namespace

QStringList CatalogLanguages() {
    QStringList codes{SourceLanguage};
    // The names are matched here rather than by a name filter, which would compile a pattern
    // (and load the pattern engine) during the start; like the filter, regardless of case.
    const QString prefix = QStringLiteral("goalrun_");
    const QString suffix = QStringLiteral(".qm");
    for (const QString& file : QDir(CatalogFolder).entryList(QDir::Files, QDir::Name))
        if (file.size() >= prefix.size() + suffix.size() &&
            file.startsWith(prefix, Qt::CaseInsensitive) &&
            file.endsWith(suffix, Qt::CaseInsensitive))
            codes << file.mid(prefix.size(), file.size() - prefix.size() - suffix.size());
    return codes;
}

const TZnWording* CatalogWording(const QString& code) {
    if (code == SourceLanguage)
        return &Japanese();
    static std::mutex mutex;
    static std::map<QString, std::unique_ptr<const TZnWording>> made;
    const std::lock_guard lock(mutex);
    if (const auto found = made.find(code); found != made.end())
        return found->second.get();
    if (!CatalogLanguages().contains(code))
        return nullptr;
    QTranslator catalog;
    if (!catalog.load(QStringLiteral("goalrun_") + code, CatalogFolder))
        return nullptr;
    const auto lookup = [&catalog](const char* context, const char* source) {
        return catalog.translate(context, source).toStdString();
    };
    auto& wording = made[code];
    wording = std::make_unique<const TZnWording>(MakeWording(code.toStdString(), lookup));
    return wording.get();
}
