#include "ZnColumnInfos.h"

TZnColumnInfos::TZnColumnInfos(QObject* parent) : QObject(parent) {}
