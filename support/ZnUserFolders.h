#pragma once

// Where the player's own files live in the user's data folder ($XDG_DATA_HOME/goalrun/): read
// with Qt Core only, so that goalrun-cli finds the same games as the window. Each is empty when
// the platform names no data folder.

#include <QString>

// "goalrun/<name>/" in the user's data folder.
QString UserDataFolder(const QString& name);
// The autosaves of earlier releases, one folder for every game; brought into GamesFolder() at
// the first start.
QString AutosaveFolder();
// The player's kept games, one folder a game (GameLibrary.h).
QString GamesFolder();
// The player's achievements over all games (GameAchievementsFile.h).
QString AchievementsFile();
