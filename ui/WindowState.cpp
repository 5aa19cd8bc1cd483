#include "WindowState.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QTabWidget>

namespace {

const QString SizeKey = QStringLiteral("Window/Size");
const QString PositionKey = QStringLiteral("Window/Position");
const QString MaximizedKey = QStringLiteral("Window/Maximized");
const QString PageKey = QStringLiteral("Window/Page");

QString SplitterKey(const QSplitter& splitter) {
    return QStringLiteral("Splitters/") + splitter.objectName();
}

bool OnSomeScreen(const QPoint& position) {
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().contains(position))
            return true;
    return false;
}

} // namespace

std::unique_ptr<QSettings> OpenWindowSettings() {
    auto settings =
        std::make_unique<QSettings>(QStringLiteral("goalrun"), QStringLiteral("goalrun"));
    // Only the user's own file: no system-wide or organisation-wide files to look for.
    settings->setFallbacksEnabled(false);
    return settings;
}

bool RestoreWindowState(QSettings& settings, const TWindowStateParts& parts) {
    if (settings.status() != QSettings::NoError)
        return false;
    QMainWindow& window = parts.Window;
    for (QSplitter* splitter : parts.Splitters)
        if (settings.contains(SplitterKey(*splitter)))
            splitter->restoreState(settings.value(SplitterKey(*splitter)).toByteArray());
    bool known = false;
    const int page = settings.value(PageKey).toInt(&known);
    if (known && page >= 0 && page < parts.Pages.count())
        parts.Pages.setCurrentIndex(page);
    const QVariant sizeValue = settings.value(SizeKey);
    const QSize size = sizeValue.toSize();
    if (sizeValue.typeId() != QMetaType::QSize || size.width() <= 0 || size.height() <= 0)
        return false;
    const QSize screen = window.screen()->availableGeometry().size();
    window.resize(size.expandedTo(window.minimumSizeHint()).boundedTo(screen));
    const QVariant position = settings.value(PositionKey);
    if (position.typeId() == QMetaType::QPoint && OnSomeScreen(position.toPoint()))
        window.move(position.toPoint());
    if (settings.value(MaximizedKey).toBool())
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
    return true;
}

void SaveWindowState(QSettings& settings, const TWindowStateParts& parts) {
    const QMainWindow& window = parts.Window;
    const bool maximized = window.isMaximized();
    // A maximised window keeps the size and place it returns to.
    settings.setValue(SizeKey, maximized ? window.normalGeometry().size() : window.size());
    settings.setValue(PositionKey, maximized ? window.normalGeometry().topLeft() : window.pos());
    settings.setValue(MaximizedKey, maximized);
    settings.setValue(PageKey, parts.Pages.currentIndex());
    for (const QSplitter* splitter : parts.Splitters)
        settings.setValue(SplitterKey(*splitter), splitter->saveState());
    settings.sync();
}
