#pragma once

// The languages of the game: one catalog each. translations/goalrun_<code>.ts holds the window's
// texts and the engine's alike; the build compiles every such file into the resources as
// ":/i18n/goalrun_<code>.qm", which the window and goalrun-cli read the same way. Japanese is the
// language of the texts in the source and needs no catalog. Qt Core only, for the CLI.

#include <QString>
#include <QStringList>

struct TZnWording;

// "ja" first, then the code of each catalog in the resources, in name order.
[[nodiscard]] QStringList CatalogLanguages();
// The engine's wording in `code`, its texts looked up in the language's catalog; nullptr for a
// code of no catalog. The wording lives as long as the program; thread-safe.
[[nodiscard]] const TZnWording* CatalogWording(const QString& code);
