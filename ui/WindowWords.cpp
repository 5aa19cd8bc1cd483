#include "WindowWords.h"

#include <algorithm>

#include "GamePage.h"
#include "ZnCatalog.h"
#include "ZnTranslation.h"
#include "ZnWording.h"

const TZnWording& WindowWording() {
    const TZnWording* wording = CatalogWording(WindowLanguage());
    return wording != nullptr ? *wording : Japanese();
}

QString WindowMoney(int64_t amount) {
    const auto clamped = static_cast<int32_t>(std::clamp<int64_t>(amount, INT32_MIN, INT32_MAX));
    return QString::fromStdString(WindowWording().Money(clamped));
}

QString WindowTitle() {
    return FromView(WindowWording().ProductTitle);
}
