#include "SingleCopy.h"

#include "FrmGoalrun.h"
#include "ZnCopyData.h"
#include "ZnSingleInstance.h"

void ConnectHandOvers(TZnSingleInstance& instance, TFormMain& window) {
    QObject::connect(
        &instance, &TZnSingleInstance::raiseRequested, &window,
        [&window](const QByteArray& token) { TZnSingleInstance::RaiseWindow(&window, token); });
    QObject::connect(&instance, &TZnSingleInstance::copyDataReceived, &window,
                     [&window](int identifier, const QByteArray& bytes) {
                         DeliverCopyData(&window, identifier, bytes);
                     });
}
