#include "GamePage.h"

#include <utility>

#include <QVBoxLayout>

#include "GameGoalrun.h"

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QStringList ClubNames(const TZnGameGoalrun& game) {
    QStringList names;
    for (int32_t i = 0; i < game.Clubs().Count(); ++i)
        names << QString::fromStdString(game.Clubs().Items(i).Name);
    return names;
}

TZnListView* NewOwnerDataList(const QString& name, TZnColumnInfos& infos, int32_t rows,
                              TZnCellTextFunc cellText) {
    auto* list = new TZnListView;
    list->setObjectName(name);
    list->ColumnInfos = &infos;
    list->SortMarkUse = false;
    list->SetOwnerData(std::move(cellText));
    list->SetRowCount(rows);
    list->RebuildColumns();
    return list;
}

void StackOnPage(QWidget& page, std::initializer_list<QWidget*> children) {
    auto* layout = new QVBoxLayout(&page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QWidget* child : children)
        layout->addWidget(child);
}
