#pragma once

// The window's language, one of the catalogs' (ZnCatalog.h): Japanese is the language of the
// texts in the source; every other one is a catalog compiled into the resources as
// ":/i18n/goalrun_<code>.qm". Qt's own texts (standard buttons, file dialogs, context menus)
// follow through qtbase_<code> from Qt's translations folder (Debian ships them in
// qt6-translations-l10n).

#include <QString>
#include <QStringList>

// The first of `uiLanguages` (QLocale::uiLanguages(), "en-US" and the like) that the window
// speaks; Japanese when none is ("C" included).
[[nodiscard]] QString LanguageOfLocale(const QStringList& uiLanguages);
// The language's name in that language: "日本語", "English".
[[nodiscard]] QString LanguageName(const QString& code);

// The language the window speaks now.
[[nodiscard]] QString WindowLanguage();
// Installs the translations of `code` (a language of CatalogLanguages(), else Japanese) in the
// application and removes those of the language before; every widget receives
// QEvent::LanguageChange. Returns false when Qt's own translation is missing: its texts then
// stay English, the game's own speak `code` all the same.
bool SetWindowLanguage(const QString& code);

#include <functional>

class QObject;

// Runs `retranslate` now and again each time `object` receives QEvent::LanguageChange (every
// widget does when the language changes), for as long as `object` lives.
void KeepTranslated(QObject& object, std::function<void()> retranslate);
