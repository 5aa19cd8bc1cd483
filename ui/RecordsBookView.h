#pragma once

#include <QWidget>

class QTableWidget;
struct TZnRecordsBook;

// The records book of the career: titles, best finish, most points, most goals, fewest
// conceded, biggest win, longest unbeaten run and highest funds at a season's end, each with the
// season that set it first. A table of plain text, a row per record.
class TRecordsBookView : public QWidget {
    Q_OBJECT
public:
    explicit TRecordsBookView(QWidget* parent = nullptr);

    // `challenge`: the game's code and difficulty (TChallengeWords::Setup), a first row when
    // not empty.
    void ShowRecords(const TZnRecordsBook& book, const QString& challenge = {});

    // Every record whole: both columns' texts and every row.
    QSize sizeHint() const override;

private:
    QTableWidget* FTable;
};
