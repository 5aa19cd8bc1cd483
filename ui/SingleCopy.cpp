#include "SingleCopy.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QStatusBar>
#include <QWidget>

#include "FrmGoalrun.h"
#include "X11Activation.h"
#include "ZnCopyData.h"
#include "ZnSingleInstance.h"
#include "ZnToolTip.h"
#include "ZnTranslation.h"

void ConnectHandOvers(TZnSingleInstance& instance, TFormMain& window) {
    QObject::connect(&instance, &TZnSingleInstance::raiseRequested, &window,
                     [&window](const TZnLaunchTokens& launch) { RaiseWindow(&window, launch); });
    QObject::connect(&instance, &TZnSingleInstance::copyDataReceived, &window,
                     [&instance, &window](int identifier, const QByteArray& bytes) {
                         DeliverCopyData(&window, identifier, bytes, instance.DeferAnswer());
                     });
    if (instance.Role() != TZnSingleInstance::TRole::Unavailable)
        return;
    // Starting the game again would open a second window: the player is told once, for good.
    auto* note = new QLabel;
    note->setObjectName(QStringLiteral("SingleCopyNote"));
    note->setTextFormat(Qt::PlainText);
    KeepTranslated(*note, [note, why = instance.ErrorWords()] {
        note->setText(QCoreApplication::translate("TFormMain", "二重起動の確認なしで動いています"));
        note->setToolTip(PlainToolTipMarkup(why ? why() : QString()));
    });
    window.statusBar()->addPermanentWidget(note);
}

void RaiseWindow(QWidget* window, const TZnLaunchTokens& launch) {
    if (window == nullptr)
        return;
    // Qt's Wayland support reads the token from the environment when it activates a window.
    if (!launch.ActivationToken.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", launch.ActivationToken);
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    // The player's answer is wanted first: the window's own box stays on top and takes the focus.
    QWidget* target = window;
    if (QWidget* box = QApplication::activeModalWidget(); box != nullptr && box != window) {
        window->raise();
        target = box;
    }
    target->raise();
    target->activateWindow();
    ActivateForLaunch(target, launch.StartupId);
}

void EndLaunchFeedback(const TZnLaunchTokens& launch) {
    if (launch.StartupId.isEmpty() || QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    // Qt's X11 support took the identifier from the environment and sends the desktop its
    // "remove" message when the first top-level window is shown: a window of one pixel outside
    // the screen, unseen by the window manager, never focused and gone at once.
    QWidget marker(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint |
                                Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus);
    marker.setAttribute(Qt::WA_ShowWithoutActivating);
    marker.setGeometry(-100, -100, 1, 1);
    marker.show();
    QApplication::sync();
}
