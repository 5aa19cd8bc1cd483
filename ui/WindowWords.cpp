#include "WindowWords.h"

#include <algorithm>

#include <QAction>

#include "GamePage.h"
#include "ZnCatalog.h"
#include "ZnTranslation.h"
#include "ZnWording.h"

namespace {

// A caption without its mnemonics ("(&G)", "&") and without a closing "...". A plain scan: a
// regular expression here would load and compile the pattern engine during the start.
QString PlainCaption(const QString& caption) {
    QString name;
    name.reserve(caption.size());
    const qsizetype size = caption.size();
    for (qsizetype i = 0; i < size;) {
        if (caption[i] == QLatin1Char('(') && i + 3 < size && caption[i + 1] == QLatin1Char('&') &&
            caption[i + 2] != QLatin1Char('\n') && caption[i + 3] == QLatin1Char(')')) {
            i += 4;
        } else if (caption[i] == QLatin1Char('&')) {
            ++i;
        } else if (i + 3 == size && QStringView(caption).mid(i) == QLatin1String("...")) {
            break;
        } else {
            name += caption[i++];
        }
    }
    return name;
}

} // namespace

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

QString CommandToolTip(const QAction& action) {
    const QString name = PlainCaption(action.text());
    if (action.shortcut().isEmpty())
        return name;
    return QStringLiteral("%1 (%2)").arg(name,
                                         action.shortcut().toString(QKeySequence::NativeText));
}
