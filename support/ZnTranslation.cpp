#include "ZnTranslation.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

#include "ZnCatalog.h"

namespace {

const QString SourceLanguage = QStringLiteral("ja");

struct TInstalled {
    QString Code = SourceLanguage;
    // Owned by the application, so that they live as long as the texts they serve.
    QPointer<QTranslator> Program;
    QPointer<QTranslator> Qt;
};

TInstalled& Installed() {
    static TInstalled installed;
    return installed;
}

// A translator loaded from `file` in `folder`, owned by the application, or null.
QTranslator* Loaded(const QString& file, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file, folder))
        return translator;
    delete translator;
    return nullptr;
}

void Remove(QPointer<QTranslator>& translator) {
    if (translator)
        QCoreApplication::removeTranslator(translator);
    delete translator.data();
    translator.clear();
}

} // namespace

QString LanguageOfLocale(const QStringList& uiLanguages) {
    const QStringList spoken = CatalogLanguages();
    for (const QString& language : uiLanguages) {
        const QString code =
            language.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
        if (spoken.contains(code))
            return code;
    }
    return SourceLanguage;
}

QString LanguageName(const QString& code) {
    // The language as a whole, not one country's kind of it ("English", not "American English").
    const QLocale locale(QLocale(code).language(), QLocale::World);
    const QString name = locale.nativeLanguageName();
    return name.isEmpty() ? QLocale(code).nativeLanguageName() : name;
}

QString WindowLanguage() {
    return Installed().Code;
}

bool SetWindowLanguage(const QString& code) {
    TInstalled& installed = Installed();
    const QString chosen = CatalogLanguages().contains(code) ? code : SourceLanguage;
    Remove(installed.Program);
    Remove(installed.Qt);
    installed.Code = chosen;
    if (chosen != SourceLanguage) {
        installed.Program = Loaded(QStringLiteral("goalrun_") + chosen, QStringLiteral(":/i18n"));
        if (installed.Program)
            QCoreApplication::installTranslator(installed.Program);
    }
    installed.Qt = Loaded(QStringLiteral("qtbase_") + chosen,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (installed.Qt)
        QCoreApplication::installTranslator(installed.Qt);
    return installed.Qt != nullptr;
}

namespace {

class TLanguageWatch : public QObject {
public:
    TLanguageWatch(QObject& watched, std::function<void()> retranslate)
        : QObject(&watched), Retranslate(std::move(retranslate)) {
        watched.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::LanguageChange)
            Retranslate();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> Retranslate;
};

} // namespace

void KeepTranslated(QObject& object, std::function<void()> retranslate) {
    retranslate();
    new TLanguageWatch(object, std::move(retranslate));
}
