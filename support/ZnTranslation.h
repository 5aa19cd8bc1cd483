#pragma once

class QCoreApplication;

// Installs Qt's own Japanese translation, qtbase_ja from Qt's translations folder, in `app`, so
// the standard buttons, file dialogs and context menus speak the game's language whatever the
// desktop's locale. Returns false and leaves Qt's English texts when the file is missing or
// unreadable (Debian ships it in qt6-translations-l10n).
bool InstallQtTranslation(QCoreApplication& app);
