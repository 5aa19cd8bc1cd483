#pragma once

// The about box: icon, product name and version, copyright line, the maker's home-page and mail
// addresses as links, and a free text field.

#include <QDialog>
#include <QString>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class TZnOpener;

inline const QString ZnMakerUrl = QStringLiteral("https://vomera.example/");
inline const QString ZnMakerEmail = QStringLiteral("support@vomera.example");

class TZnAboutBox : public QDialog {
    Q_OBJECT
public:
    // The links open through `opener`, which must outlive the box.
    TZnAboutBox(TZnOpener& opener, QWidget* parent = nullptr);

    // "%s のバージョン情報": the caption, as a format of the program name.
    static QString CaptionFormat() { return tr("%1 のバージョン情報"); }

    QPushButton* OKButton;
    QLabel* ProgramIcon;
    QPlainTextEdit* Memo1;
    QLabel* Email;
    QLabel* Url;
    QLabel* ProductName;
    QLabel* Copyright;

    void UrlClick();
    void EmailClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    TZnOpener& Opener;
};
