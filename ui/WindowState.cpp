#include "WindowState.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <stdexcept>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QMainWindow>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>

#include "GameSaveFile.h"
#include "ZnCatalog.h"
#include "ZnTranslation.h"

namespace {

const QString SizeKey = QStringLiteral("Window/Size");
const QString PositionKey = QStringLiteral("Window/Position");
const QString MaximizedKey = QStringLiteral("Window/Maximized");
const QString PageKey = QStringLiteral("Window/Page");
const QString LanguageKey = QStringLiteral("Language");
const QString KeepsPlaceKey = QStringLiteral("ContinueWhereLeftOff");
const QString WatchKey = QStringLiteral("WatchMatches");
const QString SpeedKey = QStringLiteral("ReplaySpeed");
const QString HalfTimeKey = QStringLiteral("ReplayHalfTimePause");
const char* const SpeedNames[] = {"slow", "normal", "fast"};

// The part of a restored window that must stay on a screen for the player to take hold of it.
constexpr QSize TitleBar(100, 40);

// The program's keys: the window's, its splitters' (by name), the player's choices and the help
// window's. A key missing here is dropped at the next write.
bool OurKey(const QString& key) {
    static const QStringList keys = {SizeKey,       PositionKey,        MaximizedKey, PageKey,
                                     LanguageKey,   WatchKey,           SpeedKey,     HalfTimeKey,
                                     KeepsPlaceKey, HelpWindowSizeKey()};
    return keys.contains(key) || key.startsWith(QLatin1String("Splitters/"));
}

QString SplitterKey(const QSplitter& splitter) {
    return QStringLiteral("Splitters/") + splitter.objectName();
}

// Whether the title bar of a window `width` wide at `position` shows at least TitleBar (or its
// whole width, when narrower) on some screen.
bool TitleBarOnSomeScreen(const QPoint& position, int width) {
    const QRect titleBar(position, QSize(width, TitleBar.height()));
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect shown = screen->availableGeometry() & titleBar;
        if (shown.width() >= std::min(TitleBar.width(), width) &&
            shown.height() >= TitleBar.height())
            return true;
    }
    return false;
}

// The page is kept by its object name, so that pages added later leave it the same; a number is
// the page's position, as older files kept it. An unknown page leaves the current one.
void RestorePage(const QString& kept, QTabWidget& pages) {
    bool isIndex = false;
    const int index = kept.toInt(&isIndex);
    for (int i = 0; i < pages.count(); ++i)
        if (isIndex ? i == index : !kept.isEmpty() && pages.widget(i)->objectName() == kept)
            pages.setCurrentIndex(i);
}

std::string FileName(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// One line on stderr about the settings, once a run: a file the start refused is not reported
// again at the close.
void Report(const char* what, const std::exception& error) {
    static std::atomic<bool> refused = false;
    if (!refused.exchange(true))
        std::fprintf(stderr, "goalrun: the window's settings are %s: %s\n", what, error.what());
}

} // namespace

TWindowSettings::TWindowSettings(QString path) : FPath(std::move(path)) {
    try {
        const std::vector<uint8_t> bytes =
            ReadRegularFile(FileName(FPath), static_cast<size_t>(WindowSettingsLimit) + 1);
        if (bytes.size() > static_cast<size_t>(WindowSettingsLimit))
            throw EZnLoadError(FileName(FPath) + " is larger than " +
                               std::to_string(WindowSettingsLimit) + " bytes");
        FRead = QByteArray(reinterpret_cast<const char*>(bytes.data()),
                           static_cast<qsizetype>(bytes.size()));
    } catch (const EZnLoadError& error) {
        if (error.Reason() != TZnFileErrorReason::NotFound) {
            Report("not used", error);
            return;
        }
    }
    FScratch = std::make_unique<QTemporaryDir>();
    const QString copy = FScratch->filePath(QStringLiteral("goalrun.conf"));
    QFile scratch(copy);
    if (!FScratch->isValid() || !scratch.open(QIODevice::WriteOnly) ||
        scratch.write(FRead) != FRead.size() || !scratch.flush()) {
        Report("not used", std::runtime_error("no scratch copy in " + FileName(QDir::tempPath())));
        return;
    }
    scratch.close();
    FValues = std::make_unique<QSettings>(copy, QSettings::IniFormat);
}

TWindowSettings::~TWindowSettings() = default;

void TWindowSettings::Write() {
    if (!FValues)
        return;
    // A damaged file is replaced by the values the window gave.
    for (const QString& key : FValues->allKeys())
        if (!OurKey(key))
            FValues->remove(key);
    FValues->sync();
    try {
        const std::vector<uint8_t> bytes = ReadRegularFile(
            FileName(FValues->fileName()), static_cast<size_t>(WindowSettingsLimit) + 1);
        if (bytes.size() > static_cast<size_t>(WindowSettingsLimit) ||
            QByteArrayView(bytes) == QByteArrayView(FRead))
            return;
        QDir().mkpath(QFileInfo(FPath).path());
        WriteFileAtomically(FileName(FPath), bytes);
    } catch (const EZnFileError& error) {
        Report("not kept", error);
    }
}

QString HelpWindowSizeKey() {
    return QStringLiteral("HelpWindow/Size");
}

std::unique_ptr<TWindowSettings> OpenWindowSettings() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return std::make_unique<TWindowSettings>(
        folder.isEmpty() ? QString() : folder + QStringLiteral("/goalrun/goalrun.conf"));
}

bool RestoreWindowState(TWindowSettings& file, const TWindowStateParts& parts) {
    QSettings* settings = file.Values();
    if (settings == nullptr || settings->status() != QSettings::NoError)
        return false;
    QMainWindow& window = parts.Window;
    for (QSplitter* splitter : parts.Splitters)
        if (settings->contains(SplitterKey(*splitter)))
            splitter->restoreState(settings->value(SplitterKey(*splitter)).toByteArray());
    RestorePage(settings->value(PageKey).toString(), parts.Pages);
    const QVariant sizeValue = settings->value(SizeKey);
    const QSize size = sizeValue.toSize();
    if (sizeValue.typeId() != QMetaType::QSize || size.width() <= 0 || size.height() <= 0)
        return false;
    const QSize screen = window.screen()->availableGeometry().size();
    window.resize(
        size.expandedTo(window.minimumSizeHint()).expandedTo(parts.Floor).boundedTo(screen));
    const QVariant position = settings->value(PositionKey);
    if (position.typeId() == QMetaType::QPoint &&
        TitleBarOnSomeScreen(position.toPoint(), window.width()))
        window.move(position.toPoint());
    if (settings->value(MaximizedKey).toBool())
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
    return true;
}

void SaveWindowState(TWindowSettings& file, const TWindowStateParts& parts) {
    QSettings* settings = file.Values();
    if (settings == nullptr)
        return;
    const QMainWindow& window = parts.Window;
    const bool maximized = window.isMaximized();
    // A maximised window keeps the size and place it returns to.
    settings->setValue(SizeKey, maximized ? window.normalGeometry().size() : window.size());
    settings->setValue(PositionKey, maximized ? window.normalGeometry().topLeft() : window.pos());
    settings->setValue(MaximizedKey, maximized);
    if (const QWidget* page = parts.Pages.currentWidget())
        settings->setValue(PageKey, page->objectName());
    for (const QSplitter* splitter : parts.Splitters)
        settings->setValue(SplitterKey(*splitter), splitter->saveState());
    file.Write();
}

QString StartLanguage(TWindowSettings& file) {
    if (const QSettings* settings = file.Values();
        settings != nullptr && settings->status() == QSettings::NoError) {
        const QString chosen = settings->value(LanguageKey).toString();
        if (CatalogLanguages().contains(chosen))
            return chosen;
    }
    return LanguageOfLocale(QLocale::system().uiLanguages());
}

namespace {

// Keeps one of the player's choices for the next runs.
void Remember(TWindowSettings& file, const QString& key, const QVariant& value) {
    if (QSettings* settings = file.Values()) {
        settings->setValue(key, value);
        file.Write();
    }
}

} // namespace

void RememberLanguage(TWindowSettings& file, const QString& code) {
    Remember(file, LanguageKey, code);
}

bool KeepPlaceChosen(TWindowSettings& file) {
    const QSettings* settings = file.Values();
    if (settings == nullptr || settings->status() != QSettings::NoError)
        return true;
    const QVariant kept = settings->value(KeepsPlaceKey, true);
    // Anything but a plain "false" keeps the place: a damaged value must not lose a game.
    return kept.toString() != QLatin1String("false");
}

void RememberKeepPlace(TWindowSettings& file, bool keeps) {
    Remember(file, KeepsPlaceKey, keeps);
}

TWatchChoices WatchChoices(TWindowSettings& file) {
    TWatchChoices choices;
    if (const QSettings* settings = file.Values()) {
        choices.Watch = settings->value(WatchKey, false).toBool();
        const QString speed = settings->value(SpeedKey).toString();
        for (int s = 0; s < 3; ++s)
            if (speed == QLatin1String(SpeedNames[s]))
                choices.Speed = s;
        choices.HalfTimePause = settings->value(HalfTimeKey, false).toBool();
    }
    return choices;
}

void RememberWatchChoices(TWindowSettings& file, const TWatchChoices& choices) {
    if (QSettings* settings = file.Values()) {
        settings->setValue(WatchKey, choices.Watch);
        settings->setValue(SpeedKey, QLatin1String(SpeedNames[std::clamp(choices.Speed, 0, 2)]));
        settings->setValue(HalfTimeKey, choices.HalfTimePause);
        file.Write();
    }
}
